#pragma once
// The running program: its screens (each created on first use and kept until the end),
// its clock and its random source, and End.

#include <QHash>
#include <QSize>
#include <QString>
#include <functional>
#include <memory>
#include <vector>

#include "forms/clock.h"
#include "forms/form.h"
#include "forms/speech/speech.h"
#include "forms/view/preferences.h"
#include "forms/view/programkeys.h"
#include "forms/view/zoom.h"

namespace forms {

class Program {
 public:
  // Real precise timers and a clock-seeded generator.
  Program();
  // A clock and a random source of the caller's (tests pass TestClock, ScriptedRandom).
  Program(std::unique_ptr<Clock> clock, std::unique_ptr<RandomSource> random);
  ~Program();
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;

  static Program& current();

  using Factory = std::function<Form*()>;
  // `client` is the screen's client area in twips (for fitting the zoom to the display
  // before the screen exists); `inMainWindow` for child screens. Registering a name again
  // replaces its entry.
  void registerForm(const QString& name, Factory factory, QSize client = {},
                    bool inMainWindow = false);
  // The main window: created when a child screen first needs the client area that holds it.
  void registerMainWindow(const QString& name, Factory factory);
  struct Layout {
    QString name;
    QSize client;  // empty for the main window, which takes the display
    bool inMainWindow;
  };
  // Every registered screen, in the order of registration.
  const std::vector<Layout>& layouts() const { return m_layouts; }
  QStringList screenNames() const;

  // The screen of that name, created on first use (its Load runs before this returns).
  Form& form(const QString& name);
  template <class F>
  F& form() {
    if (!m_factories.contains(QString::fromLatin1(F::Name)))
      registerForm(QString::fromLatin1(F::Name), [] { return new F; });
    return dynamic_cast<F&>(form(QString::fromLatin1(F::Name)));
  }
  Form* loaded(const QString& name) const;
  // Destroys a loaded screen's window; the next use creates it anew.
  void unload(const QString& name);
  std::vector<Form*> forms() const;
  // Every shown screen whose focused control was hidden or disabled gives the focus to
  // where the child acts next.
  void settleFocus();

  // The main window's client area, which holds the child screens.
  QWidget* mdiClient();
  // The main window, once it exists.
  Form* mainWindow() const;
  void setMdiClient(QWidget* client) { m_mdiClient = client; }

  // Ends the program at once: every window closes, no timer or handler runs after it.
  void End();
  bool ended() const { return m_ended; }
  // Called once End has run (production quits the event loop).
  std::function<void()> onEnd;

  ZoomControl& zoom() { return *m_zoom; }
  // The user's preferences, opened on first use (tests may give their own first).
  Preferences& preferences();
  void setPreferences(std::unique_ptr<Preferences> preferences);
  ProgramKeys& keys() { return *m_keys; }
  Clock& clock() { return *m_clock; }
  TimerHub& timers() { return *m_timers; }
  RandomSource& random() { return *m_random; }
  // Reading aloud; silent once the program has ended.
  forms::Speech& speech() { return *m_speech; }

 private:
  std::unique_ptr<Clock> m_clock;
  std::unique_ptr<TimerHub> m_timers;
  std::unique_ptr<RandomSource> m_random;
  std::unique_ptr<ProgramKeys> m_keys;
  std::unique_ptr<forms::Speech> m_speech;
  std::unique_ptr<ZoomControl> m_zoom;
  std::unique_ptr<Preferences> m_preferences;
  QHash<QString, Factory> m_factories;
  QString m_mainWindowName;
  std::vector<Layout> m_layouts;
  std::vector<std::pair<QString, std::unique_ptr<Form>>> m_forms;  // in creation order
  QWidget* m_mdiClient = nullptr;
  bool m_ended = false;
};

// Randomize reseeds the generator from the clock; Rnd draws a value in [0, 1).
void Randomize();
float Rnd();

}  // namespace forms
