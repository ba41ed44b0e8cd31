// The real voice: espeak-ng's Dutch voice makes sound of a plausible length, a newer text
// cuts the old one short, and the program starts and goes on whether or not the computer
// has a voice, a sound device and the voice's module; with reading aloud off it loads
// nothing of the voice.

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <cmath>

#include "forms/program.h"
#include "forms/speech/modulespeaker.h"
#include "tests/support/harness.h"

#ifdef SPLITSEN_VOICE
#include "forms/speech/dutchvoice.h"
#include "forms/speech/espeakspeaker.h"
#endif

namespace {

// Whether this process has mapped the voice's module.
[[maybe_unused]] bool voiceLoaded() {
  QFile maps(QStringLiteral("/proc/self/maps"));
  return maps.open(QIODevice::ReadOnly) && maps.readAll().contains("splitsen-voice.so");
}

struct Loudness {
  double seconds;
  double rms;  // of the 16-bit samples
  int peak;
};

[[maybe_unused]] Loudness measure(const QByteArray& pcm, int sampleRate) {
  const auto* samples = reinterpret_cast<const qint16*>(pcm.constData());
  const qsizetype count = pcm.size() / 2;
  double sum = 0;
  int peak = 0;
  for (qsizetype i = 0; i < count; ++i) {
    sum += double(samples[i]) * samples[i];
    peak = std::max(peak, std::abs(int(samples[i])));
  }
  return {double(count) / sampleRate, count ? std::sqrt(sum / double(count)) : 0.0, peak};
}

}  // namespace

class TestSpeech : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void init() {
#ifndef SPLITSEN_VOICE
    QSKIP(
        "built without espeak-ng and Qt Multimedia (libespeak-ng-dev, qt6-multimedia-dev): "
        "no voice to test");
#endif
  }

#ifdef SPLITSEN_VOICE
  void dutchVoiceSaysASplitInAPlausibleTime() {
    forms::DutchVoice voice;
    QVERIFY2(voice.problem().isEmpty(), qPrintable(voice.problem()));
    const QByteArray pcm = voice.synthesize(QStringLiteral("zeven is drie en vier"));
    const Loudness l = measure(pcm, voice.sampleRate());
    qInfo("\"zeven is drie en vier\": %.2f s, rms %.0f, peak %d", l.seconds, l.rms, l.peak);
    QVERIFY2(l.seconds >= 0.8 && l.seconds <= 4.0, qPrintable(QString::number(l.seconds)));
    QVERIFY2(l.rms > 300 && l.peak > 3000, "the sound is (nearly) silence");
  }

  void aCancelledTextStopsEarly() {
    forms::DutchVoice voice;
    const QString text = QStringLiteral("zeven is drie en vier. drie plus vier is zeven.");
    const qsizetype whole = voice.synthesize(text).size();
    int asked = 0;
    const qsizetype cut = voice.synthesize(text, [&asked] { return ++asked > 1; }).size();
    QVERIFY(cut > 0);
    QVERIFY2(cut < whole / 2, qPrintable(QStringLiteral("%1 of %2").arg(cut).arg(whole)));
  }

  void withoutTheDutchVoiceThereIsAProblemAndNoSound() {
    forms::DutchVoice voice("xx-geen-stem");
    QVERIFY(voice.problem().contains(QStringLiteral("Nederlandse stem")));
    QVERIFY(voice.synthesize(QStringLiteral("zeven")).isEmpty());
  }

  // On a computer without a sound server (as here and in CI) the switch is disabled with
  // the reason; with one, it is usable. Either way the program goes on and can say things.
  // (How long attaching the speaker and saying take is measured in bench/speech_bench.)
  void theRealSpeakerReportsItsState() {
    Harness h;
    h.program().speech().setSpeaker(std::make_unique<forms::EspeakSpeaker>());
    QAction* action = h.program().speech().action();
    QTRY_VERIFY_WITH_TIMEOUT(action->toolTip() != QStringLiteral("Voorlezen wordt klaargezet."),
                             10000);
    QCOMPARE(action->isEnabled(), h.program().speech().problem().isEmpty());
    h.program().speech().say(QStringLiteral("7 = 3 + 4"));  // harmless in either case
    QCoreApplication::sendPostedEvents();
  }

  // The module found, missing, or not a library: switched on, reading aloud loads it (or
  // says why it cannot) and the program goes on. On a computer without a sound server the
  // real module, too, ends with the switch disabled and the reason as its tooltip.
  void theVoiceModuleIsLoadedWhenFirstHeard_data() {
    QTest::addColumn<QString>("module");
    QTest::newRow("built") << QString();
    QTest::newRow("missing") << QStringLiteral("geen-stem.so");
    QTest::newRow("not a library") << QStringLiteral("kapot.so");
  }
  void theVoiceModuleIsLoadedWhenFirstHeard() {
    QFETCH(QString, module);
    QTemporaryDir dir;
    QFile broken(dir.filePath(QStringLiteral("kapot.so")));
    QVERIFY(broken.open(QIODevice::WriteOnly) && broken.write("geen bibliotheek") > 0);
    broken.close();
    Harness h;
    forms::Speech& speech = h.program().speech();
    speech.setSpeaker(std::make_unique<forms::ModuleSpeaker>(
        module.isEmpty() ? forms::ModuleSpeaker::defaultPlaces()
                         : QStringList{dir.filePath(module)}));
    QAction* action = speech.action();
    QTRY_VERIFY(action->toolTip() != QStringLiteral("Voorlezen wordt klaargezet."));
    if (module == QStringLiteral("geen-stem.so")) {
      QVERIFY(!action->isEnabled());
      QVERIFY(speech.problem().contains(QStringLiteral("splitsen-voice.so ontbreekt")));
      return;
    }
    QVERIFY(action->isEnabled());  // the module is there; nothing is loaded yet
    action->setChecked(true);
    if (module.isEmpty()) {
      QTRY_VERIFY_WITH_TIMEOUT(!action->isEnabled() || voiceLoaded(), 10000);
      QVERIFY(voiceLoaded());
    } else {
      QTRY_VERIFY(!action->isEnabled());
      QVERIFY(speech.problem().startsWith(
          QStringLiteral("Voorlezen kan niet: de stem kan niet worden geladen")));
    }
    speech.say(QStringLiteral("7 = 3 + 4"));  // the program goes on either way
    QCoreApplication::processEvents();
  }

  // The whole program, started as a child starts it with reading aloud off (a first
  // start), maps none of the voice's libraries.
  void aStartWithReadingAloudOffLoadsNothingOfTheVoice() {
    QTemporaryDir home;
    QProcess splitsen;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("HOME"), home.path());
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), home.filePath(QStringLiteral("config")));
    env.insert(QStringLiteral("XDG_DATA_HOME"), home.filePath(QStringLiteral("data")));
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    splitsen.setProcessEnvironment(env);
    splitsen.start(QStringLiteral(SPLITSEN_PROGRAM), {});
    QVERIFY(splitsen.waitForStarted());
    const QString maps = QStringLiteral("/proc/%1/maps").arg(splitsen.processId());
    auto mapped = [&maps] {
      QFile file(maps);
      return file.open(QIODevice::ReadOnly) ? QString::fromLatin1(file.readAll()) : QString();
    };
    // Up to the welcome screen's first paint and a while after it.
    QTRY_VERIFY_WITH_TIMEOUT(mapped().contains(QStringLiteral("libQt6Svg")), 10000);
    QTest::qWait(1000);
    const QString now = mapped();
    splitsen.kill();
    splitsen.waitForFinished();
    for (const char* library : {"splitsen-voice", "libespeak-ng", "libQt6Multimedia", "libpulse"})
      QVERIFY2(!now.contains(QLatin1String(library)), library);
  }
#endif
};

QTEST_MAIN(TestSpeech)
#include "tst_speech.moc"
