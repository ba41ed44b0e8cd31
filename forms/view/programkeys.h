#pragma once
// Keys that work on every screen of the program, also while the main window is disabled.
// They are taken before any screen sees them, so they never reach a screen's own key
// handling.

#include <QKeyCombination>
#include <QObject>
#include <functional>
#include <vector>

namespace forms {

class ProgramKeys : public QObject {
 public:
  // Watches the whole application's key presses.
  ProgramKeys();
  // `key` with its modifiers (Shift and the keypad do not count, so Ctrl+plus is the
  // same on the main keyboard, with Shift, and on the keypad).
  void add(QKeyCombination key, std::function<void()> action);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  std::vector<std::pair<QKeyCombination, std::function<void()>>> m_keys;
};

}  // namespace forms
