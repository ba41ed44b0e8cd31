// Splitsen: practice in splitting numbers up to 10, for the first school year.

#include <QApplication>
#include <cstdio>

#include "app/all_screens.h"
#include "app/identity.h"
#include "forms/program.h"
#include "record/csv.h"
#include "record/ending.h"
#include "record/translations.h"

int main(int argc, char* argv[]) {
  setApplicationIdentity();
  // Read before any application object: --help, --version, --export and a wrong option
  // need no display.
  const ParsedArguments parsed = parseArguments(commandLine(argc, argv));
  if (!parsed.options) {
    std::fputs(parsed.out.toLocal8Bit().constData(), stdout);
    if (!parsed.error.isEmpty())
      std::fprintf(stderr, "%s\n", parsed.error.toLocal8Bit().constData());
    return parsed.exitCode;
  }
  if (parsed.options->exportFile) {
    QCoreApplication app(argc, argv);
    return record::exportFromCommandLine(*parsed.options->exportFile, parsed.options->server);
  }
  QApplication app(argc, argv);
  // Qt's own dialogs (Ja/Nee, the file dialog) in Dutch.
  record::installDutchTranslations();
  forms::Program program;
  startSplitsen(program, *parsed.options);
  // Logging out or a kill from the system ends the program as its own close does.
  record::endOnSignals();
  return QApplication::exec();
}
