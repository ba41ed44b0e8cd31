#include "shell/mdiform2.h"

#include <QGuiApplication>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QVBoxLayout>

#include "forms/pictures.h"
#include "record/recorder.h"
#include "record/teachermenu.h"
#include "shell/frminfo.h"
#include "shell/screens.h"

namespace {

// The client area: sand yellow, the parent of the child screens.
class ClientArea : public QWidget {
 public:
  explicit ClientArea(QWidget* parent) : QWidget(parent) {
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, forms::toQColor(0x008AE2EA));
    setPalette(palette);
  }
};

}  // namespace

MDIForm2::MDIForm2()
    : Form(Name, Kind::Main, QStringLiteral(" Alle kinderen moeten alle kansen krijgen."), 9930,
           6825, 0x008AE2EA) {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  auto* menuBar = new QMenuBar(this);
  auto* menu = new QMenu(menuBar);
  menu->addAction(&aftrek2);
  aftrek.setMenu(menu);
  menuBar->addAction(&aftrek);
  auto* view = new QMenu(menuBar);
  for (forms::MenuItem* item : {&groter, &kleiner, &passend, &volledigscherm})
    view->addAction(item);
  view->addSeparator();
  view->addAction(forms::Program::current().speech().action());
  view->setToolTipsVisible(true);  // says why reading aloud cannot be switched on
  beeld.setMenu(view);
  menuBar->addAction(&beeld);
  record::addTeacherMenu(*menuBar);
  layout->setMenuBar(menuBar);
  auto* client = new ClientArea(this);
  client->setObjectName(QStringLiteral("MDIClient"));
  layout->addWidget(client);
  forms::Program::current().setMdiClient(client);
  // Disabled, the main window blocks its screens and "OPENEN "; BEELD and the teacher's
  // menu stay usable, and so do the free screens above it.
  setBlockedByDisabling({client, &aftrek, &aftrek2});

  setWindowIcon(QIcon(
      forms::Picture::svg(QStringLiteral(":/assets/common/icon.svg")).pixmap(QSize(64, 64), 1.0)));
  // Large enough to hold the welcome screen, which centres itself on the display.
  if (const QScreen* screen = QGuiApplication::primaryScreen())
    setGeometry(screen->availableGeometry());
  auto& zoom = forms::Program::current().zoom();
  setWindowState(zoom.isFullScreen() ? Qt::WindowFullScreen : Qt::WindowMaximized);

  aftrek2.Click = [this] { aftrek2_Click(); };
  groter.Click = [&zoom] { zoom.larger(); };
  kleiner.Click = [&zoom] { zoom.smaller(); };
  passend.Click = [&zoom] { zoom.fit(); };
  volledigscherm.Click = [&zoom] { zoom.toggleFullScreen(); };
}

void MDIForm2::Form_Load() {
  screens::openWelcome();
  forms::Program::current().unload(QString::fromLatin1(frminfo::Name));
}

bool MDIForm2::Form_QueryClose() {
  // Closing the main window ends the program.
  forms::Program::current().End();
  return true;
}

void MDIForm2::aftrek2_Click() {
  screens::openChooser();
}
