#include "forms/container.h"

#include <algorithm>

#include "forms/frame.h"

namespace forms {

void Container::addControl(Control* control) {
  m_controls.push_back(control);
}

void Container::removeControl(Control* control) {
  std::erase(m_controls, control);
  std::erase(m_stacking, control);
}

void Container::stacking(std::initializer_list<const Control*> backToFront) {
  for (const Control* c : backToFront) {
    std::erase(m_stacking, c);
    m_stacking.push_back(c);
  }
  restack();
}

void Container::restack() {
  auto listed = [this](const Control* c) {
    return std::find(m_stacking.begin(), m_stacking.end(), c) != m_stacking.end();
  };
  for (Control* c : m_controls)
    if (!c->isWindowed() && !listed(c) && c->widget()) c->widget()->raise();
  for (const Control* c : m_stacking)
    if (c->widget()) c->widget()->raise();
  for (Control* c : m_controls) {
    if (!c->isWindowed() || !c->widget()) continue;
    c->widget()->raise();
    if (auto* frame = dynamic_cast<Frame*>(c)) frame->restack();
  }
}

}  // namespace forms
