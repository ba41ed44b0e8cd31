#include "app/all_screens.h"

#include <QApplication>
#include <cstdio>

#include "app/identity.h"
#include "exercises/adaptive_practice/frmopmaat.h"
#include "exercises/click_and_split/frmsleepsplits.h"
#include "exercises/look_and_split/frmsplits1.h"
#include "exercises/missing_part_chosen/frmsleepsplits2.h"
#include "exercises/missing_part_score/frmsleepsplits3.h"
#include "exercises/number_image_splitting/frmsplitsbeeldB.h"
#include "exercises/split_friends/frmsplitsrijenB.h"
#include "exercises/split_machine/frmsplitsmachine.h"
#include "exercises/split_memorising/frmsplits2.h"
#include "exercises/split_series/frmsplitsrijenA.h"
#include "forms/pictures.h"
#include "forms/program.h"
#include "forms/speech/modulespeaker.h"
#include "record/location.h"
#include "record/recorder.h"
#include "record/sync.h"
#include "shell/mdiform2.h"
#include "shell/screens.h"

void registerAllScreens(forms::Program& program) {
  registerShellScreens(program);
  program.registerForm(frmsplitsmachine::Name, [] { return new frmsplitsmachine; }, {12000, 7920});
  program.registerForm(frmsplits2::Name, [] { return new frmsplits2; }, {11880, 7770});
  program.registerForm(frmsleepsplits::Name, [] { return new frmsleepsplits; }, {12840, 9045});
  program.registerForm(frmsplits1::Name, [] { return new frmsplits1; }, {11880, 7935});
  program.registerForm(frmsplitsrijenA::Name, [] { return new frmsplitsrijenA; }, {11880, 7800});
  program.registerForm(frmsplitsrijenB::Name, [] { return new frmsplitsrijenB; }, {11880, 7800});
  program.registerForm(frmsplitsbeeldB::Name, [] { return new frmsplitsbeeldB; }, {11880, 7920});
  program.registerForm(frmsleepsplits2::Name, [] { return new frmsleepsplits2; }, {12930, 8895});
  program.registerForm(frmsleepsplits3::Name, [] { return new frmsleepsplits3; }, {12930, 8775});
  program.registerForm(frmopmaat::Name, [] { return new frmopmaat; }, {12930, 8775});
}

std::unique_ptr<forms::Speaker> dutchSpeaker() {
#ifdef SPLITSEN_VOICE
  return std::make_unique<forms::ModuleSpeaker>();
#else
  return nullptr;
#endif
}

void startSplitsen(forms::Program& program, const Options& options,
                   std::unique_ptr<forms::Speaker> speaker) {
  setApplicationIdentity();
  QApplication::setApplicationDisplayName(QStringLiteral("Splitsen"));
  // Free screens stay open while the main window is shown; End decides when to stop.
  QApplication::setQuitOnLastWindowClosed(false);
  registerAllScreens(program);
  // A later start finds the screens' pictures already rendered.
  forms::Picture::keepOnDisk();
  program.zoom().restore(&program.preferences(), options.zoom, options.fullScreen);
  program.onEnd = [] { QCoreApplication::exit(0); };
  // Answers are written on a thread of their own; the last ones are committed at the end.
  record::adoptEarlierRecord();
  record::Options recording;
  // The file is opened once the welcome screen is up, or sooner when a screen needs it.
  recording.openAfterMs = 1000;
  // The school's server from --server, else from splitsen.conf; a name that cannot be
  // read leaves the answers on this computer, said once on stderr.
  QString why;
  recording.server = options.server ? options.server : record::configuredServer(&why);
  if (!why.isEmpty())
    std::fprintf(stderr,
                 "splitsen: de schoolserver in splitsen.conf (server/connection) "
                 "wordt niet gebruikt: %s\n",
                 why.toLocal8Bit().constData());
  record::start(recording);
  QObject::connect(qApp, &QCoreApplication::aboutToQuit, [] { record::stop(); });
  // Also when no event loop ran to its end: before the application's own state goes.
  qAddPostRoutine(record::stop);
  // Before the first screen appears, so that its instruction can be read aloud.
  if (speaker) program.speech().setSpeaker(std::move(speaker));
  screens::MDIForm2().Show();
}
