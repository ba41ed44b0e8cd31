// The bare comparison for start-up: a plain Qt Widgets program with a maximised main
// window, a menu bar and a client area holding a panel, filled with plain labels until
// it has the number of widgets given as the first argument (the count Splitsen has when
// its welcome screen is first painted). It reports and leaves after the panel's first
// painting pass, exactly as the Splitsen probe does.

#include <QApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QVBoxLayout>
#include <cstdlib>

#include "bench/bench_support.h"

int main(int argc, char* argv[]) {
  bench::quietOffscreenPlatform();
  QApplication app(argc, argv);
  bench::ExitAfterFirstPaint watch("panel");
  const int wanted = argc > 1 ? std::atoi(argv[1]) : 40;

  QWidget window;
  window.setWindowTitle(QStringLiteral("bare"));
  auto* layout = new QVBoxLayout(&window);
  layout->setContentsMargins(0, 0, 0, 0);
  auto* menuBar = new QMenuBar(&window);
  auto* menu = new QMenu(QStringLiteral("Menu"), menuBar);
  menu->addAction(QStringLiteral("Item"));
  menuBar->addMenu(menu);
  layout->setMenuBar(menuBar);
  auto* client = new QWidget(&window);
  layout->addWidget(client);
  auto* panel = new QWidget(client);
  panel->setObjectName(QStringLiteral("panel"));
  panel->setGeometry(20, 20, 744, 448);
  panel->setAutoFillBackground(true);
  for (int i = 0; QApplication::allWidgets().size() < wanted; ++i) {
    auto* label = new QLabel(QStringLiteral("Label %1").arg(i), panel);
    label->setGeometry(10 + 120 * (i % 6), 10 + 24 * (i / 6), 110, 20);
  }
  if (const QScreen* screen = QGuiApplication::primaryScreen())
    window.setGeometry(screen->availableGeometry());
  window.setWindowState(Qt::WindowMaximized);
  window.show();
  return QApplication::exec();
}
