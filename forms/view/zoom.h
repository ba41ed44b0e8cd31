#pragma once
// The one zoom factor of the whole program. By default it fits the display: the largest
// factor at which every screen of the program, with its window frame, lies wholly on the
// display's available area (the whole display in full screen). The user may choose a
// factor (Ctrl+plus, Ctrl+minus, the menu), go back to fitting (Ctrl+0), and switch full
// screen (F11); the choice is remembered for the next start unless the command line
// pinned the zoom. A change re-lays out every loaded screen in place: state, texts,
// focus and running timers stay as they were.

#include <QObject>
#include <QRect>
#include <QSize>
#include <optional>
#include <vector>

namespace forms {

class Preferences;
class Program;

class ZoomControl : public QObject {
  Q_OBJECT

 public:
  explicit ZoomControl(Program& program);

  double factor() const;
  bool isFitted() const { return !m_chosen; }
  bool isFullScreen() const { return m_fullScreen; }
  // The largest factor at which every screen fits the display as it is now.
  double fitFactor() const;
  // The same for a display area of the caller's (in device-independent pixels).
  double fitFactor(const QRect& area) const;

  // From the menu and the keys; each stays within the display and 0.5 to 4.
  void larger();
  void smaller();
  void fit();
  void toggleFullScreen();
  void setFullScreen(bool on);

  // At start, before the first screen appears: the remembered choice, or the command
  // line's factor (pinned: never stored) and full screen.
  void restore(Preferences* preferences, std::optional<double> pinned, bool fullScreen);
  // The main window's menu bar height at zoom 1, for the fit (0 until it exists).
  void setMenuBarHeight(int layoutPixels) { m_menuBarHeight = layoutPixels; }

  // Steps are 10 %, which feel even at every size.
  static constexpr double Step = 1.1;
  // Room for a window's title bar and borders, which are not zoomed.
  static constexpr int FrameWidth = 12;
  static constexpr int FrameHeight = 46;

 Q_SIGNALS:
  void changed();

 private:
  void choose(double factor);
  void apply();
  void store();
  QRect displayArea() const;

  Program& m_program;
  Preferences* m_preferences = nullptr;
  std::optional<double> m_chosen;  // a factor the user chose; none: fit the display
  bool m_pinned = false;
  bool m_fullScreen = false;
  int m_menuBarHeight = 24;
};

}  // namespace forms
