#pragma once
// A status bar with panels of fixed widths, each with a text and a free tag.

#include <QRect>
#include <vector>

#include "forms/control.h"
#include "forms/fluent.h"
#include "forms/font.h"
#include "forms/units.h"

namespace forms {

class StatusBar : public Fluent<StatusBar> {
  Q_OBJECT

 public:
  struct Panel {
    QString text;
    QString tag;
    int width = 0;  // twips
  };
  StatusBar(Container* container, const char* name);
  StatusBar& panels(std::initializer_list<int> widthsInTwips);
  bool isWindowed() const override { return true; }

  int panelCount() const { return static_cast<int>(m_panels.size()); }
  // Panels are numbered from 1, as the layout does.
  QString panelText(int panel) const;
  void setPanelText(int panel, const QString& text);
  QString panelTag(int panel) const;
  void setPanelTag(int panel, const QString& tag);
  int panelWidth(int panel) const;
  // The rectangle of a panel in layout pixels relative to the bar (SB_GETRECT,
  // zero-based); the same at every zoom.
  QRect panelRect(int zeroBasedIndex) const;
  // The same rectangle in twips relative to the bar, for a control placed on the panel.
  Box panelBox(int zeroBasedIndex) const;
  // Width of a text in the bar's font, in twips.
  int textWidth(const QString& text) const;

 private:
  friend class StatusWidget;
  friend class Fluent<StatusBar>;
  std::vector<Panel> m_panels;
  Font m_font;
};

}  // namespace forms
