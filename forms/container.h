#pragma once
// Forms and frames hold controls, and keep their stacking order.

#include <QWidget>
#include <initializer_list>
#include <vector>

namespace forms {

class Form;
class Control;

// Forms and frames hold controls; positions are relative to their client area.
class Container {
 public:
  virtual ~Container() = default;
  virtual QWidget* surface() const = 0;
  virtual Form* form() = 0;
  virtual QObject* asObject() = 0;

  // Draws these windowless controls, back to front, above the other windowless ones
  // of this container (which keep their declaration order).
  void stacking(std::initializer_list<const Control*> backToFront);
  void restack();
  void addControl(Control* control);
  void removeControl(Control* control);
  const std::vector<Control*>& controls() const { return m_controls; }

 private:
  std::vector<Control*> m_controls;
  std::vector<const Control*> m_stacking;
};

}  // namespace forms
