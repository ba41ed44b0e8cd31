#include "forms/statusbar.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>

#include "forms/drawing.h"
#include "forms/painted.h"

namespace forms {

class StatusWidget : public Painted<StatusBar> {
 public:
  StatusWidget(StatusBar* bar, QWidget* parent) : Painted(bar, parent, Mouse::Kept) {
    fillsBox(true);
  }

 protected:
  void paint(QPainter& p, const QRectF& area) override {
    p.fillRect(area, QColor(240, 240, 240));
    p.setFont(toQFont(m_control->m_font));
    for (int i = 0; i < m_control->panelCount(); ++i) {
      const QRect r = m_control->panelRect(i);
      p.setPen(QColor(160, 160, 160));
      p.drawLine(r.topLeft(), r.topRight());
      p.drawLine(r.topLeft(), r.bottomLeft());
      p.setPen(Qt::white);
      p.drawLine(r.bottomLeft(), r.bottomRight());
      p.drawLine(r.topRight(), r.bottomRight());
      p.setPen(Qt::black);
      p.save();
      p.setClipRect(r.adjusted(2, 1, -2, -1));
      p.drawText(r.adjusted(3, 0, -2, 0), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                 m_control->m_panels[static_cast<size_t>(i)].text);
      p.restore();
    }
  }
};

StatusBar::StatusBar(Container* container, const char* name) : Fluent(container, name) {
  attach(new StatusWidget(this, container->surface()));
}

StatusBar& StatusBar::panels(std::initializer_list<int> widthsInTwips) {
  m_panels.clear();
  for (int w : widthsInTwips) m_panels.push_back({QString(), QString(), w});
  widget()->update();
  return *this;
}

QString StatusBar::panelText(int panel) const {
  return m_panels.at(static_cast<size_t>(panel - 1)).text;
}

void StatusBar::setPanelText(int panel, const QString& text) {
  m_panels.at(static_cast<size_t>(panel - 1)).text = text;
  widget()->update();
}

QString StatusBar::panelTag(int panel) const {
  return m_panels.at(static_cast<size_t>(panel - 1)).tag;
}

void StatusBar::setPanelTag(int panel, const QString& tag) {
  m_panels.at(static_cast<size_t>(panel - 1)).tag = tag;
}

int StatusBar::panelWidth(int panel) const {
  return m_panels.at(static_cast<size_t>(panel - 1)).width;
}

QRect StatusBar::panelRect(int zeroBasedIndex) const {
  int x = 2;
  for (int i = 0; i < zeroBasedIndex && i < panelCount(); ++i)
    x += layoutPixels(m_panels[static_cast<size_t>(i)].width) + 2;
  if (zeroBasedIndex < 0 || zeroBasedIndex >= panelCount()) return {};
  const int w = layoutPixels(m_panels[static_cast<size_t>(zeroBasedIndex)].width);
  return QRect(x, 2, w, std::max(1, layoutPixels(m_box.height) - 3));
}

Box StatusBar::panelBox(int zeroBasedIndex) const {
  const QRect panel = panelRect(zeroBasedIndex);
  const int left = toTwips(panel.left());
  const int top = toTwips(panel.top());
  return {left, top, toTwips(panel.left() + panel.width()) - left,
          toTwips(panel.top() + panel.height()) - top};
}

int StatusBar::textWidth(const QString& text) const {
  return QFontMetrics(toQFont(m_font)).horizontalAdvance(text) * TwipsPerPixel;
}

}  // namespace forms
