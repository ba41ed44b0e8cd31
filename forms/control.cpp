#include "forms/control.h"

#include "forms/program.h"
#include "forms/units.h"

namespace forms {

Control::Control(Container* container, const char* name)
    : QObject(container->asObject()), m_container(container) {
  setObjectName(QString::fromLatin1(name));
}

Control::~Control() {
  m_container->removeControl(this);
  delete m_widget.data();
}

void Control::attach(QWidget* widget) {
  m_widget = widget;
  m_container->addControl(this);
  widget->setVisible(m_visible);
}

void Control::setVisible(bool visible) {
  m_visible = visible;
  if (m_widget) m_widget->setVisible(visible);
}

void Control::raise(const std::function<void()>& handler) {
  if (handler && !Program::current().ended()) handler();
}

void ControlArrayBase::setIndex(Control& control, int index) {
  control.m_index = index;
  control.setProperty("Index", index);
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
