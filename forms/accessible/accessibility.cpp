#include "forms/accessible/accessibility.h"

#include <QAccessibleWidget>

#include "forms/accessible/keyboardaccess.h"
#include "forms/commandbutton.h"
#include "forms/drawing.h"
#include "forms/form.h"
#include "forms/frame.h"
#include "forms/image.h"
#include "forms/label.h"
#include "forms/line.h"
#include "forms/optionbutton.h"
#include "forms/shape.h"
#include "forms/statusbar.h"
#include "forms/textbox.h"

namespace forms {

namespace {

// A caption as one readable text: its lines, without the blanks that only lay it out.
QString readable(const QString& caption) {
  QStringList lines = displayText(caption).split(QLatin1Char('\n'));
  for (QString& line : lines) line = line.simplified();
  lines.removeAll(QString());
  return lines.join(QLatin1Char('\n'));
}

// A painted control: role and name come from the model, the rest (rectangle, states,
// parent and children) from the widget.
class ControlAccessible : public QAccessibleWidget {
 public:
  ControlAccessible(QWidget* widget, Control* control, QAccessible::Role role)
      : QAccessibleWidget(widget, role), m_control(control) {}
  QString text(QAccessible::Text t) const override {
    if (t == QAccessible::Name) return accessibleName(*m_control);
    return QAccessibleWidget::text(t);
  }

 protected:
  Control* m_control;
};

// A button, or a picture that takes clicks: pressing it is a click by the child, at once.
class PressableAccessible : public ControlAccessible {
 public:
  using ControlAccessible::ControlAccessible;
  QAccessible::Role role() const override {
    if (auto* image = dynamic_cast<Image*>(m_control))
      return image->takesClicks() ? QAccessible::Button : QAccessible::Graphic;
    return QAccessible::Button;
  }
  QAccessible::State state() const override {
    QAccessible::State s = ControlAccessible::state();
    if (isCovered(widget())) s.invisible = true;
    return s;
  }
  QStringList actionNames() const override {
    if (role() != QAccessible::Button) return QAccessibleWidget::actionNames();
    return QStringList{pressAction()} + QAccessibleWidget::actionNames();
  }
  void doAction(const QString& action) override {
    if (action != pressAction()) return QAccessibleWidget::doAction(action);
    if (isCovered(widget())) return;  // the child cannot reach it either
    if (auto* button = dynamic_cast<CommandButton*>(m_control)) button->click();
    if (auto* image = dynamic_cast<Image*>(m_control); image && image->takesClicks())
      image->click();
  }
};

// A label's caption is also its text, so a screen reader can read it and move through it.
class LabelAccessible : public ControlAccessible, public QAccessibleTextInterface {
 public:
  LabelAccessible(QWidget* widget, Control* control)
      : ControlAccessible(widget, control, QAccessible::StaticText) {}
  void* interface_cast(QAccessible::InterfaceType type) override {
    if (type == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
    return ControlAccessible::interface_cast(type);
  }
  QString text(QAccessible::Text t) const override { return ControlAccessible::text(t); }
  QString text(int start, int end) const override { return caption().mid(start, end - start); }
  int characterCount() const override { return static_cast<int>(caption().size()); }
  void selection(int, int* start, int* end) const override { *start = *end = 0; }
  int selectionCount() const override { return 0; }
  void addSelection(int, int) override {}
  void removeSelection(int) override {}
  void setSelection(int, int, int) override {}
  int cursorPosition() const override { return 0; }
  void setCursorPosition(int) override {}
  QRect characterRect(int) const override { return {}; }
  int offsetAtPoint(const QPoint&) const override { return -1; }
  void scrollToSubstring(int, int) override {}
  QString attributes(int offset, int* start, int* end) const override {
    *start = *end = offset;
    return {};
  }

 private:
  QString caption() const { return accessibleName(*m_control); }
};

class OptionAccessible : public ControlAccessible {
 public:
  OptionAccessible(QWidget* widget, OptionButton* option)
      : ControlAccessible(widget, option, QAccessible::RadioButton), m_option(option) {}
  QAccessible::State state() const override {
    QAccessible::State s = ControlAccessible::state();
    s.checkable = true;
    s.checked = m_option->value();
    return s;
  }
  QStringList actionNames() const override {
    return QStringList{pressAction()} + QAccessibleWidget::actionNames();
  }
  void doAction(const QString& action) override {
    if (action == pressAction())
      m_option->click();
    else
      QAccessibleWidget::doAction(action);
  }

 private:
  OptionButton* m_option;
};

// A screen: a window named by its caption (a child screen is a pane of the main window).
class FormAccessible : public QAccessibleWidget {
 public:
  explicit FormAccessible(Form* form)
      : QAccessibleWidget(
            form, form->kind() == Form::Kind::Child ? QAccessible::Pane : QAccessible::Window),
        m_form(form) {}
  QString text(QAccessible::Text t) const override {
    if (t == QAccessible::Name) return readable(m_form->caption());
    return QAccessibleWidget::text(t);
  }

 private:
  Form* m_form;
};

QAccessibleInterface* interfaceFor(const QString&, QObject* object) {
  if (!object || !object->isWidgetType()) return nullptr;
  auto* widget = static_cast<QWidget*>(object);
  if (auto* form = qobject_cast<Form*>(widget)) return new FormAccessible(form);
  Control* control = Control::of(widget);
  if (!control) return nullptr;
  if (dynamic_cast<Label*>(control)) return new LabelAccessible(widget, control);
  if (dynamic_cast<CommandButton*>(control) || dynamic_cast<Image*>(control))
    return new PressableAccessible(widget, control, QAccessible::Button);
  if (auto* option = dynamic_cast<OptionButton*>(control))
    return new OptionAccessible(widget, option);
  if (dynamic_cast<Frame*>(control))
    return new ControlAccessible(widget, control, QAccessible::Grouping);
  if (dynamic_cast<Shape*>(control))
    return new ControlAccessible(widget, control, QAccessible::Graphic);
  if (dynamic_cast<Line*>(control))
    return new ControlAccessible(widget, control, QAccessible::Separator);
  if (dynamic_cast<StatusBar*>(control))
    return new ControlAccessible(widget, control, QAccessible::StatusBar);
  return nullptr;  // text boxes and the progress bar are Qt's own widgets
}

}  // namespace

void installAccessibility() {
  static const bool installed = [] {
    QAccessible::installFactory(interfaceFor);
    return true;
  }();
  Q_UNUSED(installed);
}

QString accessibleName(const Control& control) {
  const QWidget* widget = control.widget();
  const QString layoutName = widget ? widget->accessibleName() : QString();
  if (auto* label = dynamic_cast<const Label*>(&control)) return readable(label->caption());
  if (auto* button = dynamic_cast<const CommandButton*>(&control)) {
    if (const QString caption = readable(button->caption()); !caption.isEmpty()) return caption;
    if (!layoutName.isEmpty()) return layoutName;
    if (!button->picture().name().isEmpty()) return button->picture().name();
    return button->toolTipText().simplified();
  }
  if (auto* image = dynamic_cast<const Image*>(&control)) {
    if (!layoutName.isEmpty()) return layoutName;
    if (!image->picture().name().isEmpty()) return image->picture().name();
    return image->toolTipText().simplified();
  }
  if (auto* option = dynamic_cast<const OptionButton*>(&control))
    return readable(option->caption());
  if (auto* frame = dynamic_cast<const Frame*>(&control)) return readable(frame->caption());
  if (auto* bar = dynamic_cast<const StatusBar*>(&control)) {
    // The scrolling panel's whole text, not the part of it in view.
    if (bar->panelCount() == 0) return QString();
    const QString tag = bar->panelTag(1);
    return (tag.isEmpty() ? bar->panelText(1) : tag).simplified();
  }
  return layoutName;
}

void adoptForControl(QWidget* widget) {
  if (!QAccessible::isActive()) return;
  if (QAccessibleInterface* plain = QAccessible::queryAccessibleInterface(widget);
      plain && !dynamic_cast<ControlAccessible*>(plain))
    QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(plain));
}

void announceNameChange(QWidget* widget) {
  if (!widget || !QAccessible::isActive()) return;
  QAccessibleEvent event(widget, QAccessible::NameChanged);
  QAccessible::updateAccessibility(&event);
}

}  // namespace forms
