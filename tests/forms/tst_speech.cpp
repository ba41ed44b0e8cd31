// The real voice: espeak-ng's Dutch voice makes sound of a plausible length, a newer text
// cuts the old one short, and the program starts and goes on whether or not the computer
// has a voice and a sound device.

#include <QTest>
#include <cmath>

#include "forms/program.h"
#include "tests/support/harness.h"

#ifdef SPLITSEN_VOICE
#include "forms/speech/dutchvoice.h"
#include "forms/speech/espeakspeaker.h"
#endif

namespace {

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
#endif
};

QTEST_MAIN(TestSpeech)
#include "tst_speech.moc"
