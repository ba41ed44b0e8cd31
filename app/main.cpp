// Splitsen: practice in splitting numbers up to 10, for the first school year.

#include <QApplication>
#include <cstdio>

#include "app/all_screens.h"
#include "forms/program.h"
#include "record/csv.h"

int main(int argc, char* argv[]) {
  // --export=FILE writes the practice record as CSV and ends, without a window.
  if (const int status = record::exportFromCommandLine(argc, argv); status >= 0) return status;
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
