#include "forms/progressbar.h"

#include <QProgressBar>
#include <algorithm>

namespace forms {

class ProgressWidget : public QProgressBar {
 public:
  explicit ProgressWidget(QWidget* parent) : QProgressBar(parent) {
    setTextVisible(false);
    setAttribute(Qt::WA_NoMousePropagation);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Highlight, QColor(0, 120, 215));
    setPalette(palette);
  }
};

ProgressBar::ProgressBar(Container* container, const char* name) : Fluent(container, name) {
  attach(new ProgressWidget(container->surface()));
  auto* bar = static_cast<QProgressBar*>(widget());
  bar->setRange(m_min, m_max);
  bar->setValue(m_value);
}

void ProgressBar::setMin(int v) {
  m_min = v;
  m_value = std::max(m_value, m_min);
  static_cast<QProgressBar*>(widget())->setRange(m_min, std::max(m_min, m_max));
  static_cast<QProgressBar*>(widget())->setValue(m_value);
}

void ProgressBar::setMax(int v) {
  m_max = v;
  m_value = std::min(m_value, m_max);
  static_cast<QProgressBar*>(widget())->setRange(m_min, std::max(m_min, m_max));
  static_cast<QProgressBar*>(widget())->setValue(m_value);
}

void ProgressBar::setValue(int v) {
  m_value = std::clamp(v, m_min, std::max(m_min, m_max));
  static_cast<QProgressBar*>(widget())->setValue(m_value);
}

void ProgressBar::setParentWindow(Control* host) {
  QWidget* parent = host && host->widget() ? host->widget() : container()->surface();
  widget()->setParent(parent);
  widget()->setGeometry(toPixels(m_box.left, m_box.top, m_box.width, m_box.height));
  widget()->setVisible(visible());
  widget()->raise();
}

}  // namespace forms
