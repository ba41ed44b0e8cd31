#pragma once
// The base of every control kind: a QObject named as in the layout, a descendant of
// its screen, with a Visible flag and, for most kinds, a rectangle in twips.

#include <QObject>
#include <QPointer>
#include <QWidget>
#include <functional>

#include "forms/container.h"
#include "forms/units.h"

namespace forms {

class Form;

// Geometry in twips: left, top, width, height.
struct Box {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
};

enum class Align { Left, Centre, Right };

class Control : public QObject {
  Q_OBJECT
  Q_PROPERTY(bool Visible READ visible WRITE setVisible)

 public:
  ~Control() override;
  bool visible() const { return m_visible; }
  virtual void setVisible(bool visible);
  void Show() { setVisible(true); }   // Visible = True
  void Hide() { setVisible(false); }  // Visible = False
  Form* form() const { return m_container->form(); }
  Container* container() const { return m_container; }
  int index() const { return m_index; }
  virtual bool isWindowed() const { return false; }
  QWidget* widget() const { return m_widget; }
  // Places and draws the control anew at the current zoom; its properties stay as they are.
  virtual void relayout() {}
  // The control that a widget of the model stands for, if any.
  static Control* of(const QWidget* widget);
  // Calls an event handler unless the program has ended.
  static void raise(const std::function<void()>& handler);
  // Whether an event handler is running.
  static bool handling();

 protected:
  Control(Container* container, const char* name);
  void attach(QWidget* widget);
  // For a member of a control array: whether the array has a Click handler.
  bool arrayHandlesClick() const { return m_arrayHandlesClick && m_arrayHandlesClick(); }

 private:
  friend class ControlArrayBase;
  Container* m_container;
  QPointer<QWidget> m_widget;
  int m_index = -1;
  std::function<bool()> m_arrayHandlesClick;
  bool m_visible = true;
};

// A control with a rectangle in twips.
class BoxControl : public Control {
  Q_OBJECT
  Q_PROPERTY(int Left READ left)
  Q_PROPERTY(int Top READ top)
  Q_PROPERTY(int Width READ width)
  Q_PROPERTY(int Height READ height)

 public:
  int left() const { return m_box.left; }
  int top() const { return m_box.top; }
  int width() const { return m_box.width; }
  int height() const { return m_box.height; }
  Box box() const { return m_box; }
  void Move(int left, int top, int width, int height);
  void relayout() override;

 protected:
  BoxControl(Container* container, const char* name) : Control(container, name) {}
  Box m_box;
};

}  // namespace forms
