#include "shell/controls.h"

#include <QAbstractButton>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QProgressBar>
#include <algorithm>
#include <cmath>

#include "shell/form.h"
#include "shell/program.h"

namespace vb {

namespace {

QString displayText(const QString& caption) {
  QString text = caption;
  text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  return text;
}

Qt::Alignment toQt(Align align) {
  switch (align) {
    case Align::Centre:
      return Qt::AlignHCenter;
    case Align::Right:
      return Qt::AlignRight;
    case Align::Left:
      break;
  }
  return Qt::AlignLeft;
}

// The classic raised or sunken 3D edge of Windows controls.
void drawEdge(QPainter& p, const QRect& r, bool sunken) {
  const QColor light(255, 255, 255), mid(160, 160, 160), dark(105, 105, 105), black(0, 0, 0);
  const QColor outerTopLeft = sunken ? mid : light;
  const QColor outerBottomRight = sunken ? light : black;
  const QColor innerTopLeft = sunken ? black : QColor(227, 227, 227);
  const QColor innerBottomRight = sunken ? QColor(227, 227, 227) : dark;
  auto frame = [&p](const QRect& q, const QColor& tl, const QColor& br) {
    p.setPen(tl);
    p.drawLine(q.topLeft(), q.topRight());
    p.drawLine(q.topLeft(), q.bottomLeft());
    p.setPen(br);
    p.drawLine(q.bottomLeft(), q.bottomRight());
    p.drawLine(q.topRight(), q.bottomRight());
  };
  frame(r, outerTopLeft, outerBottomRight);
  frame(r.adjusted(1, 1, -1, -1), innerTopLeft, innerBottomRight);
}

}  // namespace

// ---------------------------------------------------------------- container

void Container::addControl(Control* control) { m_controls.push_back(control); }

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

// ---------------------------------------------------------------- control

Control::Control(Container* container, const char* name)
    : QObject(container->asObject()), m_container(container) {
  setObjectName(QString::fromLatin1(name));
}

Control::~Control() {
  m_container->removeControl(this);
  delete m_widget.data();
}

void Control::attach(QWidget* widget) {
  m_widget = widget;
  m_container->addControl(this);
  widget->setVisible(m_visible);
}

void Control::setVisible(bool visible) {
  m_visible = visible;
  if (m_widget) m_widget->setVisible(visible);
}

void Control::raise(const std::function<void()>& handler) {
  if (handler && !Program::current().ended()) handler();
}

void ControlArrayBase::setIndex(Control& control, int index) {
  control.m_index = index;
  control.setProperty("Index", index);
}

void BoxControl::Move(int left, int top, int width, int height) {
  m_box = {left, top, width, height};
  if (widget()) widget()->setGeometry(toPixels(left, top, width, height));
}

// ---------------------------------------------------------------- label

class LabelWidget : public QWidget {
 public:
  LabelWidget(Label* label, QWidget* parent) : QWidget(parent), m_label(label) {
    setAttribute(Qt::WA_NoMousePropagation);
    setMouseTracking(true);
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    if (m_label->m_opaque) p.fillRect(rect(), toQColor(m_label->m_back));
    QRect inner = rect();
    if (m_label->m_border) {
      p.setPen(Qt::black);
      p.drawRect(rect().adjusted(0, 0, -1, -1));
      inner.adjust(2, 1, -2, -1);
    }
    p.setFont(toQFont(m_label->m_font));
    p.setPen(toQColor(m_label->m_fore));
    p.drawText(inner, toQt(m_label->m_align) | Qt::AlignTop | Qt::TextWordWrap,
               displayText(m_label->m_caption));
  }
  void mouseMoveEvent(QMouseEvent* e) override { e->accept(); }
  void mousePressEvent(QMouseEvent* e) override { e->accept(); }

 private:
  Label* m_label;
};

Label::Label(Container* container, const char* name) : BoxControl(container, name) {
  attach(new LabelWidget(this, container->surface()));
}

Label& Label::at(int left, int top, int width, int height) {
  Move(left, top, width, height);
  return *this;
}

Label& Label::colours(quint32 back, quint32 fore) {
  m_back = back;
  m_fore = fore;
  m_opaque = true;
  return *this;
}

Label& Label::transparent() {
  m_opaque = false;
  return *this;
}

Label& Label::font(const Font& font) {
  m_font = font;
  return *this;
}

Label& Label::align(Align align) {
  m_align = align;
  return *this;
}

Label& Label::border() {
  m_border = true;
  return *this;
}

Label& Label::caption(const QString& text) {
  setCaption(text);
  return *this;
}

Label& Label::hidden() {
  setVisible(false);
  return *this;
}

void Label::setCaption(const QString& text) {
  if (m_caption == text) return;
  m_caption = text;
  widget()->update();
}

void Label::setBackColor(quint32 colour) {
  m_back = colour;
  widget()->update();
}

void Label::setForeColor(quint32 colour) {
  m_fore = colour;
  widget()->update();
}

// ---------------------------------------------------------------- command button

class ButtonWidget : public QAbstractButton {
 public:
  ButtonWidget(CommandButton* button, QWidget* parent) : QAbstractButton(parent), m_button(button) {
    setAttribute(Qt::WA_NoMousePropagation);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    connect(this, &QAbstractButton::clicked, this, [this] { m_button->click(); });
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    p.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing |
                     QPainter::SmoothPixmapTransform);
    const bool sunken = isDown();
    p.fillRect(rect(), toQColor(m_button->m_back));
    QRect inner = rect().adjusted(2, 2, -2, -2);
    if (sunken) inner.translate(1, 1);

    const QString caption = displayText(m_button->m_caption);
    const QFont font = toQFont(m_button->m_font);
    QRect pictureBox = inner;
    QRect textBox = inner;
    if (!m_button->m_picture.isNull() && !caption.isEmpty()) {
      const int lines = static_cast<int>(caption.count(QLatin1Char('\n'))) + 1;
      const int textHeight = QFontMetrics(font).lineSpacing() * lines;
      textBox = QRect(inner.left(), inner.bottom() - textHeight, inner.width(), textHeight);
      pictureBox = QRect(inner.left(), inner.top(), inner.width(), inner.height() - textHeight);
    }
    if (!m_button->m_picture.isNull()) {
      if (!isEnabled()) p.setOpacity(0.35);
      paintPicture(p, m_button->m_picture, QRectF(pictureBox));
      p.setOpacity(1.0);
    }
    if (!caption.isEmpty()) {
      p.setFont(font);
      const int flags = Qt::AlignHCenter | Qt::AlignVCenter | Qt::TextWordWrap;
      if (isEnabled()) {
        p.setPen(Qt::black);
        p.drawText(textBox, flags, caption);
      } else {
        p.setPen(Qt::white);
        p.drawText(textBox.translated(1, 1), flags, caption);
        p.setPen(QColor(128, 128, 128));
        p.drawText(textBox, flags, caption);
      }
    }
    p.setRenderHint(QPainter::Antialiasing, false);
    drawEdge(p, rect().adjusted(0, 0, -1, -1), sunken);
    if (hasFocus()) {
      QPen pen(Qt::black, 1, Qt::DotLine);
      p.setPen(pen);
      p.setBrush(Qt::NoBrush);
      p.drawRect(rect().adjusted(4, 4, -5, -5));
    }
  }
  void mouseMoveEvent(QMouseEvent* e) override {
    Control::raise(m_button->MouseMove);
    QAbstractButton::mouseMoveEvent(e);
    e->accept();
  }
  void keyPressEvent(QKeyEvent* e) override {
    // Enter presses a focused button, as the space bar does.
    if ((e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) && e->modifiers() == 0) {
      e->accept();
      click();
      return;
    }
    QAbstractButton::keyPressEvent(e);
  }

 private:
  friend class CommandButton;
  CommandButton* m_button;
};

CommandButton::CommandButton(Container* container, const char* name) : BoxControl(container, name) {
  attach(new ButtonWidget(this, container->surface()));
}

CommandButton& CommandButton::at(int left, int top, int width, int height) {
  Move(left, top, width, height);
  return *this;
}

CommandButton& CommandButton::colour(quint32 back) {
  m_back = back;
  widget()->update();
  return *this;
}

CommandButton& CommandButton::font(const Font& font) {
  m_font = font;
  return *this;
}

CommandButton& CommandButton::caption(const QString& text) {
  setCaption(text);
  return *this;
}

CommandButton& CommandButton::picture(const Picture& picture) {
  m_picture = picture;
  widget()->update();
  return *this;
}

CommandButton& CommandButton::tooltip(const QString& text) {
  m_tooltip = text;
  widget()->setToolTip(text);
  return *this;
}

CommandButton& CommandButton::hidden() {
  setVisible(false);
  return *this;
}

CommandButton& CommandButton::disabled() {
  setEnabled(false);
  return *this;
}

void CommandButton::setCaption(const QString& text) {
  m_caption = text;
  widget()->setAccessibleName(displayText(text));
  widget()->update();
}

void CommandButton::setEnabled(bool enabled) {
  m_enabled = enabled;
  widget()->setEnabled(enabled);
}

void CommandButton::SetFocus() { widget()->setFocus(Qt::OtherFocusReason); }

void CommandButton::click() {
  // Only a button the child can reach takes a click.
  if (!widget()->isVisible() || !widget()->isEnabled()) return;
  raise(Click);
}

// ---------------------------------------------------------------- image

class ImageWidget : public QWidget {
 public:
  ImageWidget(Image* image, QWidget* parent) : QWidget(parent), m_image(image) {
    setAttribute(Qt::WA_NoMousePropagation);
    setMouseTracking(true);
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    paintPicture(p, m_image->m_picture, QRectF(rect()));
  }
  void mouseMoveEvent(QMouseEvent* e) override { e->accept(); }
  void mousePressEvent(QMouseEvent* e) override {
    m_pressed = e->button() == Qt::LeftButton;
    e->accept();
  }
  void mouseReleaseEvent(QMouseEvent* e) override {
    e->accept();
    if (m_pressed && e->button() == Qt::LeftButton && rect().contains(e->position().toPoint())) {
      m_pressed = false;
      m_image->click();
    }
    m_pressed = false;
  }

 private:
  Image* m_image;
  bool m_pressed = false;
};

Image::Image(Container* container, const char* name) : BoxControl(container, name) {
  attach(new ImageWidget(this, container->surface()));
}

Image& Image::at(int left, int top, int width, int height) {
  Move(left, top, width, height);
  return *this;
}

Image& Image::picture(const Picture& picture) {
  m_picture = picture;
  widget()->update();
  return *this;
}

Image& Image::tooltip(const QString& text) {
  m_tooltip = text;
  widget()->setToolTip(text);
  return *this;
}

Image& Image::hidden() {
  setVisible(false);
  return *this;
}

void Image::click() {
  if (!widget()->isVisible() || !widget()->isEnabled()) return;
  raise(Click);
}

// ---------------------------------------------------------------- shape

class ShapeWidget : public QWidget {
 public:
  ShapeWidget(Shape* shape, QWidget* parent) : QWidget(parent), m_shape(shape) {
    // Shapes take no mouse events: the form or the control underneath gets them.
    setAttribute(Qt::WA_TransparentForMouseEvents);
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    const int bw = m_shape->m_borderWidth;
    const QRectF outer = QRectF(rect());
    QRectF r = outer.adjusted(bw / 2.0, bw / 2.0, -bw / 2.0, -bw / 2.0);
    if (m_shape->m_kind == ShapeKind::Circle) {
      const qreal d = std::min(r.width(), r.height());
      r = QRectF(r.center().x() - d / 2, r.center().y() - d / 2, d, d);
    }
    const bool antialias = m_shape->m_kind != ShapeKind::Rectangle;
    p.setRenderHint(QPainter::Antialiasing, antialias);
    p.setBrush(m_shape->m_filled ? QBrush(toQColor(m_shape->m_back)) : Qt::NoBrush);
    if (bw > 0) {
      QPen pen(toQColor(m_shape->m_border), bw);
      pen.setJoinStyle(Qt::MiterJoin);
      p.setPen(pen);
    } else {
      p.setPen(Qt::NoPen);
    }
    switch (m_shape->m_kind) {
      case ShapeKind::Rectangle:
        if (bw > 0)
          p.drawRect(r);
        else
          p.fillRect(outer, p.brush());
        break;
      case ShapeKind::RoundedRectangle: {
        const qreal radius = std::min(r.width(), r.height()) / 6.0;
        p.drawRoundedRect(r, radius, radius);
        break;
      }
      case ShapeKind::Circle:
        p.drawEllipse(r);
        break;
    }
  }

 private:
  Shape* m_shape;
};

Shape::Shape(Container* container, const char* name) : BoxControl(container, name) {
  attach(new ShapeWidget(this, container->surface()));
}

Shape& Shape::at(int left, int top, int width, int height) {
  Move(left, top, width, height);
  return *this;
}

Shape& Shape::kind(ShapeKind kind) {
  m_kind = kind;
  return *this;
}

Shape& Shape::filled(quint32 back) {
  m_back = back;
  m_filled = true;
  return *this;
}

Shape& Shape::outline(quint32 colour, int widthInPixels) {
  m_border = colour;
  m_borderWidth = widthInPixels;
  return *this;
}

Shape& Shape::noBorder() {
  m_borderWidth = 0;
  return *this;
}

Shape& Shape::hidden() {
  setVisible(false);
  return *this;
}

void Shape::setBackColor(quint32 colour) {
  m_back = colour;
  widget()->update();
}

void Shape::setBorderColor(quint32 colour) {
  m_border = colour;
  widget()->update();
}

// ---------------------------------------------------------------- line

class LineWidget : public QWidget {
 public:
  LineWidget(Line* line, QWidget* parent) : QWidget(parent), m_line(line) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    QPen pen(toQColor(m_line->m_colour), m_line->m_width, Qt::SolidLine, Qt::RoundCap);
    p.setPen(pen);
    const QPointF origin = QPointF(pos());
    const QPointF a(m_line->m_x1 / double(TwipsPerPixel), m_line->m_y1 / double(TwipsPerPixel));
    const QPointF b(m_line->m_x2 / double(TwipsPerPixel), m_line->m_y2 / double(TwipsPerPixel));
    p.drawLine(a - origin, b - origin);
  }

 private:
  Line* m_line;
};

Line::Line(Container* container, const char* name) : Control(container, name) {
  attach(new LineWidget(this, container->surface()));
}

Line& Line::from(int x1, int y1) {
  m_x1 = x1;
  m_y1 = y1;
  place();
  return *this;
}

Line& Line::to(int x2, int y2) {
  m_x2 = x2;
  m_y2 = y2;
  place();
  return *this;
}

Line& Line::pen(quint32 colour, int widthInPixels) {
  m_colour = colour;
  m_width = widthInPixels;
  place();
  return *this;
}

Line& Line::hidden() {
  setVisible(false);
  return *this;
}

void Line::setBorderColor(quint32 colour) {
  m_colour = colour;
  widget()->update();
}

void Line::place() {
  const int margin = m_width / 2 + 2;
  const int x = toPixels(std::min(m_x1, m_x2)) - margin;
  const int y = toPixels(std::min(m_y1, m_y2)) - margin;
  const int right = toPixels(std::max(m_x1, m_x2)) + margin;
  const int bottom = toPixels(std::max(m_y1, m_y2)) + margin;
  widget()->setGeometry(x, y, right - x + 1, bottom - y + 1);
  widget()->update();
}

// ---------------------------------------------------------------- text box

class TextBoxWidget : public QLineEdit {
 public:
  TextBoxWidget(TextBox* box, QWidget* parent) : QLineEdit(parent), m_box(box) {
    setAttribute(Qt::WA_NoMousePropagation);
    setMouseTracking(true);
    connect(this, &QLineEdit::textEdited, this, [this] { Control::raise(m_box->Change); });
  }

 protected:
  void mousePressEvent(QMouseEvent* e) override {
    QLineEdit::mousePressEvent(e);
    e->accept();
    if (e->button() == Qt::LeftButton) Control::raise(m_box->Click);
  }
  void mouseMoveEvent(QMouseEvent* e) override {
    QLineEdit::mouseMoveEvent(e);
    e->accept();
  }

 private:
  TextBox* m_box;
};

TextBox::TextBox(Container* container, const char* name) : BoxControl(container, name) {
  attach(new TextBoxWidget(this, container->surface()));
  applyColours();
}

TextBox& TextBox::at(int left, int top, int width, int height) {
  Move(left, top, width, height);
  return *this;
}

TextBox& TextBox::font(const Font& font) {
  widget()->setFont(toQFont(font));
  return *this;
}

TextBox& TextBox::align(Align align) {
  static_cast<QLineEdit*>(widget())->setAlignment(toQt(align) | Qt::AlignVCenter);
  return *this;
}

TextBox& TextBox::colours(quint32 back, quint32 fore) {
  m_back = back;
  m_fore = fore;
  applyColours();
  return *this;
}

TextBox& TextBox::text(const QString& text) {
  static_cast<QLineEdit*>(widget())->setText(text);
  return *this;
}

TextBox& TextBox::hidden() {
  setVisible(false);
  return *this;
}

TextBox& TextBox::disabled() {
  setEnabled(false);
  return *this;
}

QString TextBox::text() const { return static_cast<const QLineEdit*>(widget())->text(); }

void TextBox::setText(const QString& text) {
  auto* edit = static_cast<QLineEdit*>(widget());
  if (edit->text() == text) return;
  edit->setText(text);
  raise(Change);
}

void TextBox::setEnabled(bool enabled) {
  m_enabled = enabled;
  widget()->setEnabled(enabled);
}

void TextBox::setBackColor(quint32 colour) {
  m_back = colour;
  applyColours();
}

void TextBox::setForeColor(quint32 colour) {
  m_fore = colour;
  applyColours();
}

void TextBox::SetFocus() { widget()->setFocus(Qt::OtherFocusReason); }

void TextBox::applyColours() {
  QPalette palette = widget()->palette();
  for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
    palette.setColor(group, QPalette::Base, toQColor(m_back));
    // A disabled box shows what code writes into it, in its own colour.
    palette.setColor(group, QPalette::Text, toQColor(m_fore));
  }
  widget()->setPalette(palette);
}

// ---------------------------------------------------------------- option button

class OptionWidget : public QAbstractButton {
 public:
  OptionWidget(OptionButton* option, QWidget* parent) : QAbstractButton(parent), m_option(option) {
    setAttribute(Qt::WA_NoMousePropagation);
    setFocusPolicy(Qt::StrongFocus);
    connect(this, &QAbstractButton::clicked, this, [this] { m_option->click(); });
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    p.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    p.fillRect(rect(), toQColor(m_option->m_back));
    const QFont font = toQFont(m_option->m_font);
    const int d = std::min(13, std::max(8, height() - 4));
    const QRectF marker(2.5, (height() - d) / 2.0 + 0.5, d - 1, d - 1);
    p.setPen(QPen(QColor(105, 105, 105), 1));
    p.setBrush(isEnabled() ? Qt::white : QColor(220, 220, 220));
    p.drawEllipse(marker);
    if (m_option->m_value) {
      p.setPen(Qt::NoPen);
      p.setBrush(Qt::black);
      p.drawEllipse(marker.center(), d / 5.0, d / 5.0);
    }
    p.setFont(font);
    p.setPen(isEnabled() ? toQColor(m_option->m_fore) : QColor(128, 128, 128));
    const QRect textBox = rect().adjusted(d + 4, 0, 0, 0);
    p.drawText(textBox, Qt::AlignLeft | Qt::AlignVCenter, displayText(m_option->m_caption));
    if (hasFocus()) {
      p.setRenderHint(QPainter::Antialiasing, false);
      p.setPen(QPen(toQColor(m_option->m_fore), 1, Qt::DotLine));
      p.setBrush(Qt::NoBrush);
      p.drawRect(textBox.adjusted(-1, 1, -1, -2));
    }
  }

 private:
  OptionButton* m_option;
};

OptionButton::OptionButton(Container* container, const char* name) : BoxControl(container, name) {
  attach(new OptionWidget(this, container->surface()));
}

OptionButton& OptionButton::at(int left, int top, int width, int height) {
  Move(left, top, width, height);
  return *this;
}

OptionButton& OptionButton::colours(quint32 back, quint32 fore) {
  m_back = back;
  m_fore = fore;
  return *this;
}

OptionButton& OptionButton::font(const Font& font) {
  m_font = font;
  return *this;
}

OptionButton& OptionButton::caption(const QString& text) {
  m_caption = text;
  widget()->setAccessibleName(text);
  return *this;
}

void OptionButton::select() {
  for (Control* c : container()->controls())
    if (auto* other = dynamic_cast<OptionButton*>(c); other && other != this && other->m_value) {
      other->m_value = false;
      other->widget()->update();
    }
  m_value = true;
  widget()->update();
}

void OptionButton::setValue(bool value) {
  if (value == m_value) return;
  if (value) {
    select();
    raise(Click);
  } else {
    m_value = false;
    widget()->update();
  }
}

void OptionButton::setEnabled(bool enabled) {
  m_enabled = enabled;
  widget()->setEnabled(enabled);
}

void OptionButton::click() {
  if (!widget()->isVisible() || !widget()->isEnabled()) return;
  select();
  raise(Click);
}

// ---------------------------------------------------------------- frame

class FrameWidget : public QWidget {
 public:
  FrameWidget(Frame* frame, QWidget* parent) : QWidget(parent), m_frame(frame) {
    setAttribute(Qt::WA_NoMousePropagation);
    setMouseTracking(true);
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    p.fillRect(rect(), toQColor(m_frame->m_back));
    const QFont font = toQFont(m_frame->m_font);
    const QFontMetrics metrics(font);
    const QString caption = displayText(m_frame->m_caption);
    const int top = caption.isEmpty() ? 0 : metrics.height() / 2;
    // An etched border, interrupted by the caption.
    const QRect r = rect().adjusted(0, top, -2, -2);
    p.setPen(QColor(160, 160, 160));
    p.drawRect(r);
    p.setPen(Qt::white);
    p.drawRect(r.translated(1, 1));
    if (!caption.isEmpty()) {
      const QRect textBox(8, 0, metrics.horizontalAdvance(caption) + 4, metrics.height());
      p.fillRect(textBox, toQColor(m_frame->m_back));
      p.setFont(font);
      p.setPen(toQColor(m_frame->m_fore));
      p.drawText(textBox, Qt::AlignCenter, caption);
    }
  }
  void mouseMoveEvent(QMouseEvent* e) override { e->accept(); }
  void mousePressEvent(QMouseEvent* e) override { e->accept(); }

 private:
  Frame* m_frame;
};

Frame::Frame(Container* container, const char* name) : BoxControl(container, name) {
  attach(new FrameWidget(this, container->surface()));
}

Frame& Frame::at(int left, int top, int width, int height) {
  Move(left, top, width, height);
  return *this;
}

Frame& Frame::colours(quint32 back, quint32 fore) {
  m_back = back;
  m_fore = fore;
  return *this;
}

Frame& Frame::font(const Font& font) {
  m_font = font;
  return *this;
}

Frame& Frame::caption(const QString& text) {
  m_caption = text;
  return *this;
}

Frame& Frame::hidden() {
  setVisible(false);
  return *this;
}

// ---------------------------------------------------------------- timer

Timer::Timer(Container* container, const char* name, int intervalMs)
    : Control(container, name),
      m_interval(intervalMs),
      m_sequence(Program::current().timers().nextSequence()) {}

Timer::~Timer() { Program::current().timers().stop(this); }

bool Timer::enabled() const { return Program::current().timers().isRunning(this); }

void Timer::setEnabled(bool enabled) {
  auto& hub = Program::current().timers();
  if (enabled) {
    if (!Program::current().ended()) hub.start(this);
  } else {
    hub.stop(this);
  }
}

void Timer::fire() { raise(Tick); }

// ---------------------------------------------------------------- progress bar

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

ProgressBar::ProgressBar(Container* container, const char* name) : BoxControl(container, name) {
  attach(new ProgressWidget(container->surface()));
  auto* bar = static_cast<QProgressBar*>(widget());
  bar->setRange(m_min, m_max);
  bar->setValue(m_value);
}

ProgressBar& ProgressBar::at(int left, int top, int width, int height) {
  Move(left, top, width, height);
  return *this;
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

// ---------------------------------------------------------------- menu item

MenuItem::MenuItem(Form* form, const char* name, const QString& caption)
    : QAction(caption, form), m_form(form) {
  setObjectName(QString::fromLatin1(name));
  connect(this, &QAction::triggered, this, [this] {
    if (m_form->isEnabled()) Control::raise(Click);
  });
}

// ---------------------------------------------------------------- status bar

class StatusWidget : public QWidget {
 public:
  StatusWidget(StatusBar* bar, QWidget* parent) : QWidget(parent), m_bar(bar) {
    setAttribute(Qt::WA_NoMousePropagation);
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    p.fillRect(rect(), QColor(240, 240, 240));
    p.setFont(toQFont(m_bar->m_font));
    for (int i = 0; i < m_bar->panelCount(); ++i) {
      const QRect r = m_bar->panelRect(i);
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
                 m_bar->m_panels[static_cast<size_t>(i)].text);
      p.restore();
    }
  }

 private:
  StatusBar* m_bar;
};

StatusBar::StatusBar(Container* container, const char* name) : BoxControl(container, name) {
  attach(new StatusWidget(this, container->surface()));
}

StatusBar& StatusBar::at(int left, int top, int width, int height) {
  Move(left, top, width, height);
  return *this;
}

StatusBar& StatusBar::font(const Font& font) {
  m_font = font;
  return *this;
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
    x += toPixels(m_panels[static_cast<size_t>(i)].width) + 2;
  if (zeroBasedIndex < 0 || zeroBasedIndex >= panelCount()) return {};
  const int w = toPixels(m_panels[static_cast<size_t>(zeroBasedIndex)].width);
  return QRect(x, 2, w, std::max(1, toPixels(m_box.height) - 3));
}

int StatusBar::textWidth(const QString& text) const {
  return QFontMetrics(toQFont(m_font)).horizontalAdvance(text) * TwipsPerPixel;
}

}  // namespace vb
