// Splitsen: practice in splitting numbers up to 10, for the first school year.

#include <QApplication>

#include "app/all_screens.h"
#include "forms/program.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  forms::Program program;
  startSplitsen(program);
  return QApplication::exec();
}
