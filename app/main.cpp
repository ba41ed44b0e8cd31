// Splitsen: practice in splitting numbers up to 10, for the first school year.

#include <QApplication>

#include "app/all_screens.h"
#include "shell/mdiform2.h"
#include "shell/program.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("splitsen"));
  QApplication::setApplicationDisplayName(QStringLiteral("Splitsen"));
  // Free screens stay open while the main window is shown; End decides when to stop.
  QApplication::setQuitOnLastWindowClosed(false);

  vb::Program program;
  registerAllScreens(program);
  program.onEnd = [] { QCoreApplication::exit(0); };
  forms::MDIForm2().Show();
  return QApplication::exec();
}
