// Benchmark of reading aloud with the real voice: how long attaching the speaker holds up
// the screens' thread (the voice loads on a worker thread), and what saying a split and
// handing it to the worker costs the screens' thread. Real clock, offscreen platform.
// Prints one line a figure with its limit and "pass" or "FAIL"; exit status 1 on a miss.

#include <QApplication>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>

#include "bench/bench_support.h"
#include "forms/program.h"

#ifdef SPLITSEN_VOICE
#include "forms/speech/espeakspeaker.h"
#endif

namespace {

bool report(const char* figure, double value, const char* unit, double limit) {
  const bool pass = value <= limit;
  std::printf("speech: %s: %.1f %s (limit %.0f %s) %s\n", figure, value, unit, limit, unit,
              pass ? "pass" : "FAIL");
  return pass;
}

}  // namespace

int main(int argc, char** argv) {
  bench::quietOffscreenPlatform();
  QApplication app(argc, argv);
#ifdef SPLITSEN_VOICE
  QTemporaryDir settings;
  forms::Program program;
  program.setPreferences(
      std::make_unique<forms::Preferences>(settings.filePath(QStringLiteral("splitsen.conf"))));
  program.preferences().setValue(QStringLiteral("voorlezen"), true);
  const qint64 t0 = bench::monotonicNs();
  program.speech().setSpeaker(std::make_unique<forms::EspeakSpeaker>());
  const double attachMs = double(bench::monotonicNs() - t0) / 1e6;
  bool pass = report("attaching the speaker", attachMs, "ms", 100);

  constexpr int Rounds = 200;
  std::vector<double> us;
  for (int i = 0; i < Rounds; ++i) {
    const qint64 start = bench::monotonicNs();
    program.speech().say(QStringLiteral("%1 = 3 + 4\r\n3 + 4 = 7").arg(i % 11));
    QCoreApplication::sendPostedEvents(&program.speech(), QEvent::MetaCall);
    us.push_back(double(bench::monotonicNs() - start) / 1000.0);
  }
  pass = report("say and hand-over, median", bench::median(us), "us", 1000) && pass;
  std::printf("speech: say and hand-over, worst %.1f us of %d\n",
              *std::max_element(us.begin(), us.end()), Rounds);
  return pass ? 0 : 1;
#else
  std::printf("speech: built without a voice, nothing to measure\n");
  return 0;
#endif
}
