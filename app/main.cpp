// Splitsen: practice in splitting numbers up to 10, for the first school year.

#include <QApplication>
#include <cstdio>

#include "app/all_screens.h"
#include "forms/program.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  const ParsedArguments parsed = parseArguments(QApplication::arguments());
  if (!parsed.options) {
    std::fputs(qPrintable(parsed.out), stdout);
    if (!parsed.error.isEmpty()) std::fprintf(stderr, "%s\n", qPrintable(parsed.error));
    return parsed.exitCode;
  }
  forms::Program program;
  startSplitsen(program, *parsed.options);
  return QApplication::exec();
}
