// Start-up probe of Splitsen: the program's own start (the same steps as app/main.cpp),
// plus a watch for the first paint of the welcome screen. When that painting pass has
// finished it reports the number of widgets on stdout and leaves at once, so the parent
// measures launch-to-welcome time and the peak memory up to that moment.

#include <QApplication>
#include <QTimer>
#include <cstdio>
#include <unistd.h>

#include "app/all_screens.h"
#include "bench/bench_support.h"
#include "shell/mdiform2.h"
#include "shell/program.h"

namespace {

class FirstWelcomePaint : public QObject {
 protected:
  bool eventFilter(QObject* object, QEvent* event) override {
    if (!m_seen && event->type() == QEvent::Paint &&
        object->objectName() == QLatin1String("frmmecenaat1")) {
      m_seen = true;
      // Queued: runs once the painting pass (and its flush) has finished.
      QTimer::singleShot(0, [] {
        std::printf("painted %lld\n", static_cast<long long>(QApplication::allWidgets().size()));
        std::fflush(stdout);
        _exit(0);
      });
    }
    return false;
  }

 private:
  bool m_seen = false;
};

}  // namespace

int main(int argc, char* argv[]) {
  bench::quietOffscreenPlatform();
  QApplication app(argc, argv);
  FirstWelcomePaint watch;
  app.installEventFilter(&watch);
  QApplication::setApplicationName(QStringLiteral("splitsen"));
  QApplication::setApplicationDisplayName(QStringLiteral("Splitsen"));
  QApplication::setQuitOnLastWindowClosed(false);

  vb::Program program;
  registerAllScreens(program);
  program.onEnd = [] { QCoreApplication::exit(0); };
  forms::MDIForm2().Show();
  return QApplication::exec();
}
