#include "record/teachermenu.h"

#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QWindow>

#include "forms/program.h"
#include "record/grownupcheck.h"
#include "record/teacherview.h"

namespace record {

namespace {

// The window the teacher's window belongs above: the active screen of the program, else
// a free screen that is shown, else the main window.
QWidget* owner() {
  forms::Program& program = forms::Program::current();
  auto* active = qobject_cast<forms::Form*>(QApplication::activeWindow());
  if (active && active->visible() && active->kind() == forms::Form::Kind::Free) return active;
  for (forms::Form* form : program.forms())
    if (form->kind() == forms::Form::Kind::Free && form->visible()) return form;
  return program.mainWindow();
}

}  // namespace

void addTeacherMenu(QMenuBar& menuBar) {
  auto* menu = menuBar.addMenu(QStringLiteral("LEERKRACHT"));
  menu->setObjectName(QStringLiteral("leerkracht"));
  QAction* open = menu->addAction(QStringLiteral("Resultaten en klaslijst\u2026"));
  open->setObjectName(QStringLiteral("leerkrachtOpenen"));
  QObject::connect(open, &QAction::triggered, &menuBar,
                   [] { GrownUpCheck::ask([] { TeacherView::showView(); }); });
}

void placeForTeacher(QWidget& window) {
  QWidget* above = owner();
  // A dialog's transient parent becomes WM_TRANSIENT_FOR on X11 (and the like elsewhere):
  // the window manager keeps the window above its owner, whatever the child clicks. The
  // native window must exist first, or the hint is lost.
  if (above && above != &window && !window.isVisible()) {
    window.winId();
    if (QWindow* handle = window.windowHandle())
      handle->setTransientParent(above->window()->windowHandle());
  }
  // Centred on the main window, and wholly on its display.
  QWidget* main = forms::Program::current().mainWindow();
  const QRect around = main && main->isVisible() ? main->frameGeometry() : QRect();
  QScreen* screen = main && main->isVisible() ? main->screen() : QGuiApplication::primaryScreen();
  if (!screen) return;
  const QRect display = screen->availableGeometry();
  // The window manager's frame is known once the window was shown; before, leave room
  // for a title bar and borders.
  const QSize frameExtra =
      window.isVisible() ? window.frameGeometry().size() - window.size() : QSize(16, 48);
  window.resize(window.size().boundedTo(display.size() - frameExtra));
  const QSize size = window.size() + (window.isVisible() ? frameExtra : QSize());
  QRect frame(QPoint(), size);
  frame.moveCenter(around.isValid() ? around.center() : display.center());
  frame.moveLeft(std::clamp(frame.left(), display.left(), display.right() - size.width() + 1));
  frame.moveTop(std::clamp(frame.top(), display.top(), display.bottom() - size.height() + 1));
  window.move(frame.topLeft());
}

bool teacherWindowOpen() {
  for (QWidget* w : QApplication::topLevelWidgets())
    if ((qobject_cast<TeacherView*>(w) || qobject_cast<GrownUpCheck*>(w)) && w->isVisible())
      return true;
  return false;
}

}  // namespace record
