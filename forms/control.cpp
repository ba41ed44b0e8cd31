#include "forms/control.h"

#include <QHash>
#include <vector>

#include "forms/accessible/accessibility.h"
#include "forms/program.h"
#include "forms/units.h"

namespace forms {

namespace {
int g_depth = 0;  // event handlers running, one inside another
}  // namespace

namespace {
// Every attached widget and its control.
QHash<const QWidget*, Control*>& controlsByWidget() {
  static QHash<const QWidget*, Control*> map;
  return map;
}
std::vector<CaptionListener*>& listeners() {
  static std::vector<CaptionListener*> all;
  return all;
}
}  // namespace

Control::Control(Container* container, const char* name)
    : QObject(container->asObject()), m_container(container) {
  setObjectName(QString::fromLatin1(name));
}

Control::~Control() {
  // By value: the widget may already be gone with its parent.
  controlsByWidget().removeIf([this](const auto& entry) { return entry.value() == this; });
  m_container->removeControl(this);
  delete m_widget.data();
}

void Control::attach(QWidget* widget) {
  m_widget = widget;
  controlsByWidget().insert(widget, this);
  adoptForControl(widget);
  m_container->addControl(this);
  widget->setVisible(m_visible);
}

Control* Control::of(const QWidget* widget) {
  return controlsByWidget().value(widget, nullptr);
}

void Control::setVisible(bool visible) {
  const bool appears = visible && !m_visible;
  m_visible = visible;
  if (m_widget) m_widget->setVisible(visible);
  if (appears && m_readAloud)
    for (CaptionListener* listener : listeners()) listener->appeared(*this);
}

void Control::addListener(CaptionListener* listener) {
  listeners().push_back(listener);
}

void Control::removeListener(CaptionListener* listener) {
  std::erase(listeners(), listener);
}

void Control::markReadAloud() {
  m_readAloud = true;
  for (CaptionListener* listener : listeners()) listener->marked(*this);
}

void Control::captionChanged(const QString& before) {
  if (!m_readAloud) return;
  for (CaptionListener* listener : listeners()) listener->changed(*this, before);
}

void Control::raise(const std::function<void()>& handler) {
  if (!handler || Program::current().ended()) return;
  ++g_depth;
  handler();
  --g_depth;
  // Once the child's action is handled, a focus whose control went away goes where the
  // child acts next.
  if (g_depth == 0) Program::current().settleFocus();
}

bool Control::handling() {
  return g_depth > 0;
}

void ControlArrayBase::setIndex(Control& control, int index) {
  control.m_index = index;
  control.setProperty("Index", index);
}

void ControlArrayBase::setClickQuery(Control& control, std::function<bool()> query) {
  control.m_arrayHandlesClick = std::move(query);
}

void BoxControl::Move(int left, int top, int width, int height) {
  m_box = {left, top, width, height};
  if (widget()) widget()->setGeometry(toPixels(left, top, width, height));
}

void BoxControl::relayout() {
  if (!widget()) return;
  widget()->setGeometry(toPixels(m_box.left, m_box.top, m_box.width, m_box.height));
  widget()->update();
}

}  // namespace forms
