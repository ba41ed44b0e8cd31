#include "forms/form.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QWindow>
#include <cmath>

#include "forms/accessibility.h"
#include "forms/keyboardaccess.h"
#include "forms/program.h"

namespace forms {

Form::Form(const char* name, Kind kind, const QString& caption, int width, int height,
           quint32 backColor)
    : QWidget(kind == Kind::Child ? Program::current().mdiClient() : nullptr),
      m_kind(kind),
      m_caption(caption),
      m_width(width),
      m_height(height),
      m_back(backColor) {
  setObjectName(QString::fromLatin1(name));
  setMouseTracking(true);
  if (kind != Kind::Child) setWindowTitle(caption);
  // Hidden until shown: a child screen must not appear with its main window.
  hide();
  place();
}

Form::~Form() = default;

void Form::load() {
  restack();
  if (m_kind == Kind::Main) zoomMenuBar();
  prepareKeyboard(*this);
  Control::raise([this] { Form_Load(); });
}

void Form::Show() {
  if (Program::current().ended()) return;
  const bool becomesVisible = isHidden();
  if (m_kind == Kind::Child) {
    show();
    QWidget::raise();
  } else {
    // Kept above the main window by the window system, also when that is full screen.
    if (Form* main = Program::current().mainWindow(); main && main != this) {
      if (!windowHandle()) create();
      if (main->windowHandle()) windowHandle()->setTransientParent(main->windowHandle());
    }
    show();
    QWidget::raise();
    activateWindow();
  }
  if (becomesVisible) Control::raise([this] { Form_Activate(); });
}

void Form::Hide() {
  hide();
}

void Form::setCaption(const QString& caption) {
  m_caption = caption;
  if (m_kind != Kind::Child) setWindowTitle(caption);
  announceNameChange(this);
}

void Form::setLeft(int twips) {
  m_left = twips;
  place();
}

void Form::setTop(int twips) {
  m_top = twips;
  place();
}

void Form::place() {
  if (m_kind == Kind::Main) return;  // the main window sizes itself
  const QRect r = toPixels(m_left, m_top, m_width, m_height);
  if (m_kind == Kind::Child) {
    setGeometry(r);
  } else {
    setFixedSize(r.size());
    move(r.topLeft());
  }
}

double Form::zoomFactor() const {
  return zoom();
}

void Form::relayout() {
  for (Control* control : findChildren<Control*>()) control->relayout();
  if (m_kind == Kind::Main)
    zoomMenuBar();
  else
    centre();
  update();
}

void Form::zoomMenuBar() {
  auto* bar = findChild<QMenuBar*>();
  if (!bar) return;
  QFont font = QApplication::font(bar);
  font.setPixelSize(std::max(1, static_cast<int>(std::lround(menuFontPixels() * zoom()))));
  bar->setFont(font);
  for (QMenu* menu : bar->findChildren<QMenu*>()) menu->setFont(font);
}

int Form::menuFontPixels() {
  const QFont font = QApplication::font("QMenuBar");
  if (font.pixelSize() > 0) return font.pixelSize();
  return static_cast<int>(std::lround(font.pointSizeF() * 96.0 / 72.0));
}

void Form::centre() {
  // Computed in floating point, then converted to a whole number of twips.
  m_left = CInt((screenWidth() - m_width) / 2.0);
  m_top = CInt((screenHeight() - m_height) / 2.0);
  place();
}

namespace {
int displayTwips(int pixels) {
  return static_cast<int>(std::lround(pixels * double(TwipsPerPixel) / zoom()));
}
}  // namespace

int Form::screenWidth() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  return screen ? displayTwips(screen->geometry().width()) : 0;
}

int Form::screenHeight() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  return screen ? displayTwips(screen->geometry().height()) : 0;
}

int Form::TextWidth(const QString& text) const {
  return fontMetrics().horizontalAdvance(text) * TwipsPerPixel;
}

Control* Form::focusedControl() const {
  const QWidget* focus = window()->focusWidget();
  if (!focus) return nullptr;
  for (Control* c : findChildren<Control*>())
    if (c->widget() == focus) return c;
  return nullptr;
}

void Form::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), toQColor(m_back));
}

void Form::mouseMoveEvent(QMouseEvent* event) {
  event->accept();
  Control::raise([this] { Form_MouseMove(); });
}

void Form::keyPressEvent(QKeyEvent* event) {
  bool used = false;
  if (event->modifiers() == Qt::NoModifier || event->modifiers() == Qt::KeypadModifier)
    Control::raise([this, event, &used] { used = Form_KeyPress(event->key()); });
  if (used)
    event->accept();
  else
    QWidget::keyPressEvent(event);
}

void Form::closeEvent(QCloseEvent* event) {
  if (Program::current().ended() || Form_QueryClose())
    event->accept();
  else
    event->ignore();
}

}  // namespace forms
