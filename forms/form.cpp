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
#include <algorithm>
#include <cmath>

#include "forms/accessible/accessibility.h"
#include "forms/accessible/keyboardaccess.h"
#include "forms/commandbutton.h"
#include "forms/program.h"

namespace forms {

namespace {

// A free screen's frame: a title and a close button that the screen refuses, no minimise or
// maximise button, so a child cannot send the screen away. A dialog with the main window as
// parent is what X11 window managers keep above it (WM_TRANSIENT_FOR), as others do.
constexpr Qt::WindowFlags FreeScreenFlags =
    Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;

QWidget* parentFor(Form::Kind kind) {
  if (kind == Form::Kind::Child) return Program::current().mdiClient();
  if (kind == Form::Kind::Free) return Program::current().mainWindow();
  return nullptr;
}

}  // namespace

Form::Form(const char* name, Kind kind, const QString& caption, int width, int height,
           quint32 backColor)
    : QWidget(parentFor(kind), kind == Kind::Free ? FreeScreenFlags : Qt::WindowFlags()),
      m_kind(kind),
      m_caption(caption),
      m_width(width),
      m_height(height),
      m_back(backColor) {
  setObjectName(QString::fromLatin1(name));
  setMouseTracking(true);
  // The screen fills its whole box (paintEvent), so nothing beneath it is painted first.
  setAttribute(Qt::WA_OpaquePaintEvent);
  if (kind != Kind::Child) setWindowTitle(caption);
  // Hidden until shown: a child screen must not appear with its main window.
  hide();
  place();
}

Form::~Form() {
  // The program owns every screen: those the main window holds are not its to destroy.
  for (Form* screen : findChildren<Form*>()) screen->setParent(nullptr);
}

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
    adoptByMainWindow();
    // A screen that comes back starts where the child acts first, not on the control
    // that last had the focus (its stop button, as a rule).
    if (becomesVisible)
      if (QWidget* last = focusWidget()) last->clearFocus();
    show();
    QWidget::raise();
    activateWindow();
  }
  if (!becomesVisible) return;
  Control::raise([this] { Form_Activate(); });
  if (m_kind == Kind::Child) return;
  const QWidget* focus = focusWidget();
  if (!focus || !focus->isVisible() || !focus->isEnabled()) focusFirst();
}

// The main window is the free screens' owner: the window system keeps them above it, also
// when it is clicked or full screen, and hides them only with it.
void Form::adoptByMainWindow() {
  if (m_kind != Kind::Free) return;
  Form* main = Program::current().mainWindow();
  if (!main || main == this || parentWidget() == main) return;
  setParent(main, FreeScreenFlags);
  place();
}

bool Form::isEnabled() const {
  return m_kind == Kind::Main ? m_enabled : QWidget::isEnabled();
}

void Form::setEnabled(bool enabled) {
  if (m_kind != Kind::Main) {
    QWidget::setEnabled(enabled);
    return;
  }
  m_enabled = enabled;
  for (const QPointer<QObject>& part : m_blocked)
    if (part) part->setProperty("enabled", enabled);
}

void Form::setBlockedByDisabling(std::vector<QObject*> parts) {
  m_blocked.assign(parts.begin(), parts.end());
}

bool Form::blocks(const QObject* part) const {
  return std::any_of(m_blocked.begin(), m_blocked.end(),
                     [part](const QPointer<QObject>& p) { return p == part; });
}

void Form::setReadingOrder(std::vector<QWidget*> order) {
  m_readingOrder.assign(order.begin(), order.end());
}

bool Form::focusFirst() {
  QWidget* wayOut = nullptr;
  for (const QPointer<QWidget>& widget : m_readingOrder) {
    if (!widget || !widget->isVisible() || !widget->isEnabled() || isCovered(widget)) continue;
    if (auto* button = dynamic_cast<CommandButton*>(Control::of(widget));
        button && button->leavesScreen()) {
      if (!wayOut) wayOut = widget;
      continue;
    }
    widget->setFocus(Qt::OtherFocusReason);
    return true;
  }
  if (wayOut) wayOut->setFocus(Qt::OtherFocusReason);
  return wayOut != nullptr;
}

void Form::settleFocus() {
  if (m_kind == Kind::Child || isHidden()) return;
  const QWidget* focus = focusWidget();
  if (focus && (!focus->isVisible() || !focus->isEnabled())) focusFirst();
}

void Form::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (event->type() != QEvent::WindowStateChange || !isMinimized()) return;
  // A window manager may still offer to minimise a free screen, or the main window while a
  // free screen is up (which takes that screen along): the child would be left without a
  // screen, so it comes straight back.
  const bool childWorks =
      m_kind == Kind::Free || (m_kind == Kind::Main && !m_enabled && !Program::current().ended());
  if (!childWorks) return;
  const Qt::WindowStates before = static_cast<QWindowStateChangeEvent*>(event)->oldState();
  QMetaObject::invokeMethod(
      this,
      [this, before] {
        if (!isMinimized() || isHidden()) return;
        setWindowState((before & ~Qt::WindowMinimized) | Qt::WindowActive);
        for (Form* screen : Program::current().forms())
          if (screen->m_kind == Kind::Free && !screen->isHidden()) {
            screen->showNormal();
            screen->QWidget::raise();
            screen->activateWindow();
          }
      },
      Qt::QueuedConnection);
}

bool Form::focusNextPrevChild(bool next) {
  const QWidget* from = focusWidget();
  if (from && (!from->isVisible() || !from->isEnabled())) {
    // The control that had the focus was hidden or disabled by the screen: the focus
    // settles once the screen has handled the child's action.
    if (!Control::handling()) settleFocus();
    return true;
  }
  const bool was = m_stepping;
  m_stepping = true;
  const bool moved = QWidget::focusNextPrevChild(next);
  m_stepping = was;
  return moved;
}

bool Form::ownsControl(const Control* control) const {
  return control->form() == this;
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
  for (Control* control : findChildren<Control*>())
    if (ownsControl(control)) control->relayout();
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
  // Computed in floating point, then converted to a whole number of twips. A screen larger
  // than the display keeps its top-left corner on it, so its title and stop button stay
  // in reach.
  m_left = std::max(0, CInt((screenWidth() - m_width) / 2.0));
  m_top = std::max(0, CInt((screenHeight() - m_height) / 2.0));
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
    if (c->widget() == focus && ownsControl(c)) return c;
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
