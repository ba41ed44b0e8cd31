// Start-up probe of Splitsen: the program's own start (startSplitsen with the command
// line, as app/main.cpp), plus a watch for the first paint of the welcome screen. When
// that painting pass has finished it reports the number of widgets on stdout and leaves
// at once, so the parent measures launch-to-welcome time and the peak memory up to that
// moment. "--zoom=1" compares a start at the layout's own size with the fitted one.

#include <QApplication>

#include "app/all_screens.h"
#include "bench/bench_support.h"
#include "forms/program.h"

int main(int argc, char* argv[]) {
  bench::quietOffscreenPlatform();
  QApplication app(argc, argv);
  const ParsedArguments parsed = parseArguments(QApplication::arguments());
  if (!parsed.options) return parsed.exitCode == 0 ? 0 : 2;
  bench::ExitAfterFirstPaint watch("frmmecenaat1");
  forms::Program program;
  startSplitsen(program, *parsed.options);
  return QApplication::exec();
}
