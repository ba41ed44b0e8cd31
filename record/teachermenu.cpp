#include "record/teachermenu.h"

#include <QMenu>
#include <QMenuBar>

#include "record/grownupcheck.h"
#include "record/teacherview.h"

namespace record {

void addTeacherMenu(QMenuBar& menuBar) {
  auto* menu = menuBar.addMenu(QStringLiteral("LEERKRACHT"));
  menu->setObjectName(QStringLiteral("leerkracht"));
  QAction* open = menu->addAction(QStringLiteral("Resultaten en klaslijst\u2026"));
  open->setObjectName(QStringLiteral("leerkrachtOpenen"));
  QWidget* window = menuBar.window();
  QObject::connect(open, &QAction::triggered, &menuBar,
                   [window] { GrownUpCheck::ask(window, [] { TeacherView::showView(); }); });
}

}  // namespace record
