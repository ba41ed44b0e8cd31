#include "forms/mainform.h"

#include <QGuiApplication>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QVBoxLayout>

#include "forms/program.h"

namespace forms {

namespace {

// The client area: the main window's back colour, the parent of the child screens.
class ClientArea : public QWidget {
 public:
  ClientArea(QWidget* parent, quint32 backColor) : QWidget(parent) {
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, toQColor(backColor));
    setPalette(palette);
  }
};

}  // namespace

MainForm::MainForm(const char* name, const QString& caption, int width, int height,
                   quint32 backColor)
    : Form(name, Kind::Main, caption, width, height, backColor) {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  m_menuBar = new QMenuBar(this);
  layout->setMenuBar(m_menuBar);
  m_client = new ClientArea(this, backColor);
  m_client->setObjectName(QStringLiteral("MDIClient"));
  layout->addWidget(m_client);
  Program::current().setMdiClient(m_client);

  // Large enough to hold any child screen, which centres itself on the display.
  if (const QScreen* screen = QGuiApplication::primaryScreen())
    setGeometry(screen->availableGeometry());
  setWindowState(Program::current().zoom().isFullScreen() ? Qt::WindowFullScreen
                                                          : Qt::WindowMaximized);
}

void MainForm::menu(MenuItem& title, std::initializer_list<QAction*> items, Tips tips) {
  auto* menu = new QMenu(m_menuBar);
  for (QAction* item : items) {
    if (item)
      menu->addAction(item);
    else
      menu->addSeparator();
  }
  menu->setToolTipsVisible(tips == Tips::Shown);
  title.setMenu(menu);
  m_menuBar->addAction(&title);
}

void MainForm::icon(const Picture& picture) {
  setWindowIcon(QIcon(picture.pixmap(QSize(64, 64), 1.0)));
}

}  // namespace forms
