#include "forms/view/programkeys.h"

#include <QCoreApplication>
#include <QKeyEvent>

namespace forms {

namespace {
Qt::KeyboardModifiers significant(Qt::KeyboardModifiers modifiers) {
  return modifiers & ~(Qt::ShiftModifier | Qt::KeypadModifier);
}
}  // namespace

ProgramKeys::ProgramKeys() {
  if (QCoreApplication* app = QCoreApplication::instance()) app->installEventFilter(this);
}

void ProgramKeys::add(QKeyCombination key, std::function<void()> action) {
  m_keys.emplace_back(key, std::move(action));
}

bool ProgramKeys::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::KeyPress) return QObject::eventFilter(watched, event);
  const auto* press = static_cast<QKeyEvent*>(event);
  for (const auto& [key, action] : m_keys) {
    if (press->key() != key.key()) continue;
    if (significant(press->modifiers()) != significant(key.keyboardModifiers())) continue;
    action();
    return true;
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace forms
