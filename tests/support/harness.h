#pragma once
// A whole program on a test clock with scripted draws: tests advance time by hand and
// decide every random draw, so timelines run in milliseconds of real time.

#include <QPoint>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <memory>

#include "forms/program.h"
#include "tests/support/fake_speaker.h"

class Harness {
 public:
  Harness();
  // Draws from `random` instead of a script.
  explicit Harness(std::unique_ptr<forms::RandomSource> random);
  ~Harness();
  forms::Program& program() { return *m_program; }
  forms::TestClock& clock() { return *m_clock; }
  forms::ScriptedRandom& random() {
    Q_ASSERT(m_random);
    return *m_random;
  }
  // Advances the test clock by `ms` milliseconds, firing every tick due.
  void advance(qint64 ms) { m_clock->advance(ms); }

  // This program's preferences file (in a folder of the test's own).
  QString preferencesFile() const { return m_settings.filePath(QStringLiteral("splitsen.conf")); }

  // Starts the program as the user sees it: main window with the welcome screen.
  void start();
  // Starts the program and clicks on through the welcome screen, as a child does (to the
  // chooser, or to "Wie ben jij?" when the record has a class list).
  void startPastWelcome();

  // Screen F on show by itself, on this program.
  template <class F>
  F& show() {
    F& f = m_program->form<F>();
    f.Show();
    return f;
  }
  // Starts the program and opens screen F with the chooser's button `button`, as a child
  // does.
  template <class F>
  F& openFromChooser(const QString& button) {
    m_program->form<F>();
    startPastWelcome();
    click(m_program->form(QStringLiteral("frmkiesbasis")), button);
    return m_program->form<F>();
  }

  // Reading aloud switched on, into a fake speaker that writes down what is said.
  FakeSpeaker& readAloud();

  // Moves the pointer (no button held) to `pos`, in pixels of `form`'s client area; the
  // widget under it gets the move, as from the window system.
  static void moveMouse(forms::Form& form, QPoint pos);

  // The controls Tab visits from `first`, once round the screen, by name ("name(index)"
  // for array members).
  static QStringList tabRound(forms::Form& form, QWidget* first);

  // A mouse click on the named control of `form` (array members by index).
  static void click(forms::Form& form, const QString& name, int index = -1);

  // The named control of a screen (array members by index).
  template <class T>
  static T& control(forms::Form& form, const QString& name, int index = -1) {
    return *static_cast<T*>(find(form, name, index));
  }

 private:
  static QObject* find(forms::Form& form, const QString& name, int index);
  forms::TestClock* m_clock;
  forms::ScriptedRandom* m_random;
  QTemporaryDir m_settings;
  std::unique_ptr<forms::Program> m_program;
};
