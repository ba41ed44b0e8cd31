#include "forms/accessible/keyboardaccess.h"

#include <QCoreApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <algorithm>
#include <vector>

#include "forms/commandbutton.h"
#include "forms/form.h"
#include "forms/image.h"
#include "forms/optionbutton.h"
#include "forms/textbox.h"

namespace forms {

bool isCovered(const QWidget* widget) {
  const QWidget* parent = widget->parentWidget();
  if (!parent) return false;
  bool above = false;
  for (QObject* sibling : parent->children()) {
    if (sibling == widget) {
      above = true;
      continue;
    }
    auto* other = qobject_cast<QWidget*>(sibling);
    if (above && other && other->isVisible() &&
        !other->testAttribute(Qt::WA_TransparentForMouseEvents) &&
        other->geometry().contains(widget->geometry()))
      return true;
  }
  return false;
}

namespace {

// Keys for pictures that take clicks, Tab past covered controls, and Tab onto a button
// that answers the pointer.
class KeyboardAccess : public QObject {
 public:
  static KeyboardAccess& instance() {
    static KeyboardAccess filter;
    return filter;
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    auto* widget = static_cast<QWidget*>(watched);
    Control* control = Control::of(widget);
    if (event->type() == QEvent::FocusIn) {
      const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
      const bool byTab = reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason;
      if (byTab && isCovered(widget) && m_passing < 8) {
        ++m_passing;  // a screen of nothing but covered controls ends somewhere
        QKeyEvent onward(QEvent::KeyPress,
                         reason == Qt::TabFocusReason ? Qt::Key_Tab : Qt::Key_Backtab,
                         Qt::NoModifier);
        QCoreApplication::sendEvent(widget, &onward);
        --m_passing;
        return false;
      }
      // Only a move the child makes with the keys counts: the focus a screen takes as it
      // opens, or that moves on because its control went away, changes nothing on it.
      if (byTab && control && control->form()->steppedByKeyboard())
        if (auto* button = dynamic_cast<CommandButton*>(control)) Control::raise(button->MouseMove);
    } else if (event->type() == QEvent::KeyPress) {
      auto* key = static_cast<QKeyEvent*>(event);
      const bool press = key->key() == Qt::Key_Space || key->key() == Qt::Key_Return ||
                         key->key() == Qt::Key_Enter;
      if (auto* image = dynamic_cast<Image*>(control);
          image && press && !key->isAutoRepeat() && key->modifiers() == Qt::NoModifier) {
        image->click();
        return true;
      }
    }
    return false;
  }

 private:
  int m_passing = 0;
};

bool takesFocus(Control* control) {
  if (dynamic_cast<CommandButton*>(control) || dynamic_cast<OptionButton*>(control) ||
      dynamic_cast<TextBox*>(control))
    return true;
  auto* image = dynamic_cast<Image*>(control);
  return image && image->takesClicks();
}

struct Place {
  QWidget* widget;
  QRect rect;  // in the form's pixels
};

// Rows first: a control whose top lies in the upper half of the row's first control
// belongs to that row; within a row, left to right.
std::vector<QWidget*> readingOrder(std::vector<Place> places) {
  std::stable_sort(places.begin(), places.end(),
                   [](const Place& a, const Place& b) { return a.rect.top() < b.rect.top(); });
  std::vector<QWidget*> order;
  for (auto row = places.begin(); row != places.end();) {
    const int limit = row->rect.top() + row->rect.height() / 2;
    auto end =
        std::find_if(row, places.end(), [limit](const Place& p) { return p.rect.top() > limit; });
    std::stable_sort(row, end,
                     [](const Place& a, const Place& b) { return a.rect.left() < b.rect.left(); });
    for (auto it = row; it != end; ++it) order.push_back(it->widget);
    row = end;
  }
  return order;
}

}  // namespace

void prepareKeyboard(Form& form) {
  std::vector<Place> places;
  for (Control* control : form.findChildren<Control*>()) {
    QWidget* widget = control->widget();
    if (!widget || control->form() != &form || !takesFocus(control)) continue;
    if (dynamic_cast<Image*>(control)) widget->setFocusPolicy(Qt::StrongFocus);
    widget->installEventFilter(&KeyboardAccess::instance());
    places.push_back({widget, QRect(widget->mapTo(&form, QPoint(0, 0)), widget->size())});
  }
  const std::vector<QWidget*> order = readingOrder(std::move(places));
  for (size_t i = 1; i < order.size(); ++i) QWidget::setTabOrder(order[i - 1], order[i]);
  form.setReadingOrder(order);
}

}  // namespace forms
