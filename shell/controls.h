#pragma once
// The control kinds of the form model. A screen declares its controls as members
// (in twips and 0x00BBGGRR colours) and drives them through these small APIs; the
// Qt widgets behind them are the model's business.
//
// Every control is a QObject named as in the layout, a descendant of its screen, with
// its properties readable through Qt (Visible, Left, Caption, BackColor, ...).
// Windowless kinds (Label, Image, Shape, Line) are always drawn under windowed ones
// (CommandButton, TextBox, OptionButton, Frame, ProgressBar, StatusBar).

#include <QAction>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QWidget>
#include <functional>
#include <map>
#include <memory>
#include <vector>

#include "shell/pictures.h"
#include "shell/vb.h"

namespace vb {

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
  void Show() { setVisible(true); }  // Visible = True
  void Hide() { setVisible(false); }  // Visible = False
  Form* form() const { return m_container->form(); }
  Container* container() const { return m_container; }
  int index() const { return m_index; }
  virtual bool isWindowed() const { return false; }
  QWidget* widget() const { return m_widget; }
  // Calls an event handler unless the program has ended.
  static void raise(const std::function<void()>& handler);

 protected:
  Control(Container* container, const char* name);
  void attach(QWidget* widget);

 private:
  friend class ControlArrayBase;
  Container* m_container;
  QPointer<QWidget> m_widget;
  int m_index = -1;
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

 protected:
  BoxControl(Container* container, const char* name) : Control(container, name) {}
  Box m_box;
};

class Label : public BoxControl {
  Q_OBJECT
  Q_PROPERTY(QString Caption READ caption WRITE setCaption)
  Q_PROPERTY(uint BackColor READ backColor WRITE setBackColor)
  Q_PROPERTY(uint ForeColor READ foreColor WRITE setForeColor)

 public:
  Label(Container* container, const char* name);
  // Layout.
  Label& at(int left, int top, int width, int height);
  Label& colours(quint32 back, quint32 fore);
  Label& transparent();
  Label& font(const Font& font);
  Label& align(Align align);
  Label& border();
  Label& caption(const QString& text);
  Label& hidden();

  QString caption() const { return m_caption; }
  void setCaption(const QString& text);
  quint32 backColor() const { return m_back; }
  void setBackColor(quint32 colour);
  quint32 foreColor() const { return m_fore; }
  void setForeColor(quint32 colour);

 private:
  friend class LabelWidget;
  QString m_caption;
  quint32 m_back = ButtonFace;
  quint32 m_fore = Black;
  bool m_opaque = true;
  bool m_border = false;
  Align m_align = Align::Left;
  Font m_font;
};

class CommandButton : public BoxControl {
  Q_OBJECT
  Q_PROPERTY(QString Caption READ caption WRITE setCaption)
  Q_PROPERTY(bool Enabled READ enabled WRITE setEnabled)
  Q_PROPERTY(uint BackColor READ backColor)
  Q_PROPERTY(QString ToolTipText READ toolTipText)

 public:
  CommandButton(Container* container, const char* name);
  CommandButton& at(int left, int top, int width, int height);
  CommandButton& colour(quint32 back);
  CommandButton& font(const Font& font);
  CommandButton& caption(const QString& text);
  CommandButton& picture(const Picture& picture);
  CommandButton& tooltip(const QString& text);
  CommandButton& hidden();
  CommandButton& disabled();

  QString caption() const { return m_caption; }
  void setCaption(const QString& text);
  bool enabled() const { return m_enabled; }
  void setEnabled(bool enabled);
  quint32 backColor() const { return m_back; }
  QString toolTipText() const { return m_tooltip; }
  void SetFocus();
  bool isWindowed() const override { return true; }

  std::function<void()> Click;
  std::function<void()> MouseMove;
  // A click as the child makes it (used by the widget, and by tests).
  void click();

 private:
  friend class ButtonWidget;
  QString m_caption;
  QString m_tooltip;
  quint32 m_back = ButtonFace;
  bool m_enabled = true;
  Font m_font;
  Picture m_picture;
};

class Image : public BoxControl {
  Q_OBJECT
  Q_PROPERTY(QString ToolTipText READ toolTipText)

 public:
  Image(Container* container, const char* name);
  Image& at(int left, int top, int width, int height);
  Image& picture(const Picture& picture);
  Image& tooltip(const QString& text);
  Image& hidden();
  QString toolTipText() const { return m_tooltip; }
  const Picture& picture() const { return m_picture; }

  std::function<void()> Click;
  void click();

 private:
  friend class ImageWidget;
  Picture m_picture;
  QString m_tooltip;
};

enum class ShapeKind { Rectangle, RoundedRectangle, Circle };

class Shape : public BoxControl {
  Q_OBJECT
  Q_PROPERTY(uint BackColor READ backColor WRITE setBackColor)
  Q_PROPERTY(uint BorderColor READ borderColor WRITE setBorderColor)

 public:
  Shape(Container* container, const char* name);
  Shape& at(int left, int top, int width, int height);
  Shape& kind(ShapeKind kind);
  // An opaque fill in `back`; without it the shape is transparent inside.
  Shape& filled(quint32 back);
  Shape& outline(quint32 colour, int widthInPixels = 1);
  Shape& noBorder();
  Shape& hidden();

  quint32 backColor() const { return m_back; }
  void setBackColor(quint32 colour);
  quint32 borderColor() const { return m_border; }
  void setBorderColor(quint32 colour);

 private:
  friend class ShapeWidget;
  ShapeKind m_kind = ShapeKind::Rectangle;
  quint32 m_back = White;
  quint32 m_border = Black;
  bool m_filled = false;
  int m_borderWidth = 1;
};

class Line : public Control {
  Q_OBJECT
  Q_PROPERTY(int X1 READ x1)
  Q_PROPERTY(int Y1 READ y1)
  Q_PROPERTY(int X2 READ x2)
  Q_PROPERTY(int Y2 READ y2)
  Q_PROPERTY(uint BorderColor READ borderColor WRITE setBorderColor)

 public:
  Line(Container* container, const char* name);
  Line& from(int x1, int y1);
  Line& to(int x2, int y2);
  Line& pen(quint32 colour, int widthInPixels);
  Line& hidden();
  int x1() const { return m_x1; }
  int y1() const { return m_y1; }
  int x2() const { return m_x2; }
  int y2() const { return m_y2; }
  quint32 borderColor() const { return m_colour; }
  void setBorderColor(quint32 colour);

 private:
  friend class LineWidget;
  void place();
  int m_x1 = 0, m_y1 = 0, m_x2 = 0, m_y2 = 0;
  quint32 m_colour = Black;
  int m_width = 1;
};

class TextBox : public BoxControl {
  Q_OBJECT
  Q_PROPERTY(QString Text READ text WRITE setText)
  Q_PROPERTY(bool Enabled READ enabled WRITE setEnabled)
  Q_PROPERTY(uint BackColor READ backColor WRITE setBackColor)
  Q_PROPERTY(uint ForeColor READ foreColor WRITE setForeColor)

 public:
  TextBox(Container* container, const char* name);
  TextBox& at(int left, int top, int width, int height);
  TextBox& font(const Font& font);
  TextBox& align(Align align);
  TextBox& colours(quint32 back, quint32 fore);
  TextBox& text(const QString& text);
  TextBox& hidden();
  TextBox& disabled();

  QString text() const;
  // Raises Change at once, inside the assignment, when the text differs.
  void setText(const QString& text);
  bool enabled() const { return m_enabled; }
  void setEnabled(bool enabled);
  quint32 backColor() const { return m_back; }
  void setBackColor(quint32 colour);
  quint32 foreColor() const { return m_fore; }
  void setForeColor(quint32 colour);
  void SetFocus();
  bool isWindowed() const override { return true; }

  std::function<void()> Change;
  std::function<void()> Click;

 private:
  friend class TextBoxWidget;
  void applyColours();
  quint32 m_back = White;
  quint32 m_fore = Black;
  bool m_enabled = true;
};

class OptionButton : public BoxControl {
  Q_OBJECT
  Q_PROPERTY(bool Value READ value WRITE setValue)
  Q_PROPERTY(bool Enabled READ enabled WRITE setEnabled)
  Q_PROPERTY(QString Caption READ caption)
  Q_PROPERTY(uint BackColor READ backColor)
  Q_PROPERTY(uint ForeColor READ foreColor)

 public:
  OptionButton(Container* container, const char* name);
  OptionButton& at(int left, int top, int width, int height);
  OptionButton& colours(quint32 back, quint32 fore);
  OptionButton& font(const Font& font);
  OptionButton& caption(const QString& text);

  bool value() const { return m_value; }
  // True selects this option, clears the others of its container and raises Click
  // (unless it was already selected); false only clears it, without an event.
  void setValue(bool value);
  bool enabled() const { return m_enabled; }
  void setEnabled(bool enabled);
  QString caption() const { return m_caption; }
  quint32 backColor() const { return m_back; }
  quint32 foreColor() const { return m_fore; }
  bool isWindowed() const override { return true; }

  std::function<void()> Click;
  // A click as the child makes it: selects this option and raises Click.
  void click();

 private:
  friend class OptionWidget;
  void select();
  QString m_caption;
  quint32 m_back = ButtonFace;
  quint32 m_fore = Black;
  bool m_value = false;
  bool m_enabled = true;
  Font m_font;
};

class Frame : public BoxControl, public Container {
  Q_OBJECT
  Q_PROPERTY(QString Caption READ caption)
  Q_PROPERTY(uint BackColor READ backColor)
  Q_PROPERTY(uint ForeColor READ foreColor)

 public:
  Frame(Container* container, const char* name);
  Frame& at(int left, int top, int width, int height);
  Frame& colours(quint32 back, quint32 fore);
  Frame& font(const Font& font);
  Frame& caption(const QString& text);
  Frame& hidden();
  QString caption() const { return m_caption; }
  quint32 backColor() const { return m_back; }
  quint32 foreColor() const { return m_fore; }
  bool isWindowed() const override { return true; }

  QWidget* surface() const override { return widget(); }
  Form* form() override { return Control::form(); }
  QObject* asObject() override { return this; }

 private:
  friend class FrameWidget;
  QString m_caption;
  quint32 m_back = ButtonFace;
  quint32 m_fore = Black;
  Font m_font;
};

class Timer : public Control {
  Q_OBJECT
  Q_PROPERTY(bool Enabled READ enabled WRITE setEnabled)
  Q_PROPERTY(int Interval READ interval)

 public:
  Timer(Container* container, const char* name, int intervalMs = 0);
  ~Timer() override;
  bool enabled() const;
  // False to true starts counting from zero; true on a running timer changes nothing.
  void setEnabled(bool enabled);
  int interval() const { return m_interval; }
  void setInterval(int ms) { m_interval = ms; }
  quint64 sequence() const { return m_sequence; }

  std::function<void()> Tick;  // the Timer event
  void fire();

 private:
  int m_interval;
  quint64 m_sequence;
};

class ProgressBar : public BoxControl {
  Q_OBJECT
  Q_PROPERTY(int Min READ min WRITE setMin)
  Q_PROPERTY(int Max READ max WRITE setMax)
  Q_PROPERTY(int Value READ value WRITE setValue)

 public:
  ProgressBar(Container* container, const char* name);
  ProgressBar& at(int left, int top, int width, int height);
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

class StatusBar : public BoxControl {
  Q_OBJECT

 public:
  struct Panel {
    QString text;
    QString tag;
    int width = 0;  // twips
  };
  StatusBar(Container* container, const char* name);
  StatusBar& at(int left, int top, int width, int height);
  StatusBar& font(const Font& font);
  StatusBar& panels(std::initializer_list<int> widthsInTwips);
  bool isWindowed() const override { return true; }

  int panelCount() const { return static_cast<int>(m_panels.size()); }
  // Panels are numbered from 1, as the layout does.
  QString panelText(int panel) const;
  void setPanelText(int panel, const QString& text);
  QString panelTag(int panel) const;
  void setPanelTag(int panel, const QString& tag);
  int panelWidth(int panel) const;
  // The rectangle of a panel in pixels relative to the bar (SB_GETRECT, zero-based).
  QRect panelRect(int zeroBasedIndex) const;
  // Width of a text in the bar's font, in twips.
  int textWidth(const QString& text) const;

 private:
  friend class StatusWidget;
  std::vector<Panel> m_panels;
  Font m_font;
};

// A menu item of the main window. Its Click runs only while its form is enabled, also
// when the item is triggered from code.
class MenuItem : public QAction {
  Q_OBJECT
  Q_PROPERTY(QString Caption READ text)

 public:
  MenuItem(Form* form, const char* name, const QString& caption);
  std::function<void()> Click;

 private:
  Form* m_form;
};

// A set of controls of one kind that share a name and differ by index. Handlers of the
// set receive the member's index.
class ControlArrayBase {
 protected:
  static void setIndex(Control& control, int index);
};

template <class T>
class ControlArray : private ControlArrayBase {
 public:
  ControlArray(Container* container, const char* name, std::initializer_list<int> indexes)
      : m_container(container), m_name(name) {
    for (int i : indexes) add(i);
  }
  ControlArray(Container* container, const char* name, int first, int last)
      : m_container(container), m_name(name) {
    for (int i = first; i <= last; ++i) add(i);
  }
  T& operator[](int index) { return *m_members.at(index); }
  const T& operator[](int index) const { return *m_members.at(index); }
  bool contains(int index) const { return m_members.count(index) != 0; }
  auto begin() { return m_members.begin(); }
  auto end() { return m_members.end(); }
  int lowest() const { return m_members.begin()->first; }
  int highest() const { return m_members.rbegin()->first; }

  std::function<void(int)> Click;
  std::function<void(int)> Change;
  std::function<void(int)> Tick;

 private:
  void add(int index) {
    auto control = std::make_unique<T>(m_container, m_name);
    setIndex(*control, index);
    T* raw = control.get();
    if constexpr (requires { raw->Click; })
      raw->Click = [this, index] {
        if (Click) Click(index);
      };
    if constexpr (requires { raw->Change; })
      raw->Change = [this, index] {
        if (Change) Change(index);
      };
    if constexpr (requires { raw->Tick; })
      raw->Tick = [this, index] {
        if (Tick) Tick(index);
      };
    m_members.emplace(index, std::move(control));
  }

  Container* m_container;
  const char* m_name;
  std::map<int, std::unique_ptr<T>> m_members;
};

}  // namespace vb
