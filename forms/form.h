#pragma once
// A screen of the program: one instance, created on first use (Load), shown with Show
// (which raises Activate when it makes the form visible), hidden with Hide (which keeps
// every property and variable). The main window is a frame with a menu; child screens
// live in its client area; free screens are windows of their own, kept above the main
// window by the window system, that stay usable while the main window is disabled.

#include <QPointer>
#include <QString>
#include <QWidget>
#include <vector>

#include "forms/controls.h"
#include "forms/conversions.h"
#include "forms/font.h"
#include "forms/units.h"

namespace forms {

class Program;

class Form : public QWidget, public Container {
  Q_OBJECT
  Q_PROPERTY(QString Caption READ caption WRITE setCaption)
  Q_PROPERTY(int Left READ left WRITE setLeft)
  Q_PROPERTY(int Top READ top WRITE setTop)
  Q_PROPERTY(int Width READ clientWidth)
  Q_PROPERTY(int Height READ clientHeight)
  Q_PROPERTY(bool Enabled READ isEnabled WRITE setEnabled)
  Q_PROPERTY(bool Visible READ visible)
  Q_PROPERTY(uint BackColor READ backColor)
  Q_PROPERTY(double Zoom READ zoomFactor)

 public:
  enum class Kind { Main, Child, Free };

  // `width` and `height` are the client area in twips.
  Form(const char* name, Kind kind, const QString& caption, int width, int height,
       quint32 backColor);
  ~Form() override;

  Kind kind() const { return m_kind; }
  void Show();
  void Hide();
  bool visible() const { return !isHidden(); }

  // Enabled false on the main window blocks its client area (the child screens) and its
  // screens' menu; the free screens above it and the program's own menus stay usable.
  // Other screens are enabled and disabled as a whole.
  bool isEnabled() const;
  void setEnabled(bool enabled);
  // The main window's parts that its Enabled switches.
  void setBlockedByDisabling(std::vector<QObject*> parts);
  bool blocks(const QObject* part) const;

  QString caption() const { return m_caption; }
  void setCaption(const QString& caption);
  int left() const { return m_left; }
  void setLeft(int twips);
  int top() const { return m_top; }
  void setTop(int twips);
  // The client area in twips.
  int clientWidth() const { return m_width; }
  int clientHeight() const { return m_height; }
  quint32 backColor() const { return m_back; }
  // Left = (screen width - own width) / 2, Top likewise, on the whole display.
  void centre();
  // The factor the whole program is drawn at now.
  double zoomFactor() const;
  // Places and draws the screen and every control anew at the current zoom; a free or
  // child screen centres itself again. Nothing else changes.
  void relayout();
  // Width of a text in the form's font, in twips.
  int TextWidth(const QString& text) const;
  // The control that has the keyboard focus on this screen, if any.
  Control* focusedControl() const;
  // The controls of this screen that take the focus, in reading order.
  void setReadingOrder(std::vector<QWidget*> order);
  // Whether the focus is moving on because the child pressed Tab, Shift+Tab or an arrow
  // (not because the control that had it was hidden or disabled).
  bool steppedByKeyboard() const { return m_stepping; }
  // On a shown screen whose focused control was hidden or disabled, the focus goes to the
  // first control in reading order that the child can use, a stop button last.
  void settleFocus();

  QWidget* surface() const override { return const_cast<Form*>(this); }
  Form* form() override { return this; }
  QObject* asObject() override { return this; }

  // Screen size in twips (the whole display) at the current zoom.
  static int screenWidth();
  static int screenHeight();

 protected:
  virtual void Form_Load() {}
  virtual void Form_Activate() {}
  virtual void Form_MouseMove() {}
  // A key that no control took (Qt::Key_...); true when the screen used it.
  virtual bool Form_KeyPress(int /*key*/) { return false; }
  // A close request from the window system: free screens refuse it (their stop buttons
  // are the way out), so a screen is never destroyed behind the program's back.
  virtual bool Form_QueryClose() { return false; }

  void paintEvent(QPaintEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void changeEvent(QEvent* event) override;
  bool focusNextPrevChild(bool next) override;

 private:
  friend class Program;
  void load();
  void zoomMenuBar();
  static int menuFontPixels();
  void place();
  void adoptByMainWindow();
  // The focus goes where the child acts first: the first usable control in reading order.
  bool focusFirst();
  bool ownsControl(const Control* control) const;

  Kind m_kind;
  QString m_caption;
  int m_left = 0;
  int m_top = 0;
  int m_width;
  int m_height;
  quint32 m_back;
  bool m_enabled = true;
  bool m_stepping = false;
  std::vector<QPointer<QObject>> m_blocked;
  std::vector<QPointer<QWidget>> m_readingOrder;
};

}  // namespace forms
