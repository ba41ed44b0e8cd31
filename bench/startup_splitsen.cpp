// Start-up probe of Splitsen: the program's own start (startSplitsen, as app/main.cpp),
// plus a watch for the first paint of the welcome screen. When that painting pass has
// finished it reports the number of widgets on stdout and leaves at once, so the parent
// measures launch-to-welcome time and the peak memory up to that moment.

#include <QApplication>

#include "app/all_screens.h"
#include "bench/bench_support.h"
#include "forms/program.h"

int main(int argc, char* argv[]) {
  bench::quietOffscreenPlatform();
  QApplication app(argc, argv);
  bench::ExitAfterFirstPaint watch("frmmecenaat1");
  forms::Program program;
  startSplitsen(program);
  return QApplication::exec();
}
