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
class Control;

// Hears what controls show the child: a caption marked to be read aloud, a new caption
// of such a control, or such a control appearing. Reading aloud listens here; a control
// only says what happened and never knows who hears it.
class CaptionListener {
 public:
  virtual void marked(Control& control) = 0;
  virtual void changed(Control& control, const QString& before) = 0;
  virtual void appeared(Control& control) = 0;

 protected:
  ~CaptionListener() = default;
};

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
  // Whether the control's caption is read aloud when it appears or changes.
  bool readsAloud() const { return m_readAloud; }
  // Listeners hear every control marked to be read aloud from then on, in layout order.
  static void addListener(CaptionListener* listener);
  static void removeListener(CaptionListener* listener);

 protected:
  Control(Container* container, const char* name);
  void attach(QWidget* widget);
  // For a member of a control array: whether the array has a Click handler.
  bool arrayHandlesClick() const { return m_arrayHandlesClick && m_arrayHandlesClick(); }
  // The caption is read aloud: tells the listeners, now and on every change and showing.
  void markReadAloud();
  // The caption changed from `before` (the new one is the property "Caption").
  void captionChanged(const QString& before);

 private:
  friend class ControlArrayBase;
  Container* m_container;
  QPointer<QWidget> m_widget;
  int m_index = -1;
  std::function<bool()> m_arrayHandlesClick;
  bool m_visible = true;
  bool m_readAloud = false;
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
