#pragma once
// A progress bar, which can be moved onto another control's window.

#include "forms/control.h"
#include "forms/fluent.h"

namespace forms {

class ProgressBar : public Fluent<ProgressBar> {
  Q_OBJECT
  Q_PROPERTY(int Min READ min WRITE setMin)
  Q_PROPERTY(int Max READ max WRITE setMax)
  Q_PROPERTY(int Value READ value WRITE setValue)

 public:
  ProgressBar(Container* container, const char* name);
  int min() const { return m_min; }
  void setMin(int v);
  int max() const { return m_max; }
  void setMax(int v);
  int value() const { return m_value; }
  void setValue(int v);
  bool isWindowed() const override { return true; }
  // Moves the bar's window onto another control's window (SetParent), at a rectangle
  // in twips relative to that window; nullptr puts it back on its own container.
  void setParentWindow(Control* host);

 private:
  friend class ProgressWidget;
  int m_min = 0, m_max = 100, m_value = 0;
};

}  // namespace forms
