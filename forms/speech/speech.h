#pragma once
// Reading aloud: the program's speech service. A screen marks the labels whose captions
// are read aloud in its layout (lblles.readAloud()) and says the few other things with
// one call (say(text)); the service hears the marked controls through the control base
// (it never is called by a control), turns what is shown into Dutch words, speaks only
// what is visible and only while the switch "Voorlezen" is on, and speaks everything
// that appeared in one turn of the event loop as one utterance that replaces the one
// still being spoken. No call waits for the voice.

#include <QAction>
#include <QObject>
#include <QPointer>
#include <QString>
#include <initializer_list>
#include <memory>
#include <vector>

#include "forms/control.h"
#include "forms/speech/speaker.h"
#include "forms/view/programkeys.h"

namespace forms {

class Speech : public QObject, private CaptionListener {
  Q_OBJECT

 public:
  // Ctrl+L, on every screen, switches reading aloud on and off.
  explicit Speech(ProgramKeys& keys);
  ~Speech() override;

  // Installs the speaker (the real one at start, a fake in tests). The switch stays
  // disabled until the speaker is ready; it is then as it was at the last run.
  void setSpeaker(std::unique_ptr<Speaker> speaker);
  // The switch "Voorlezen": checkable, Ctrl+L on every screen, for a menu of the main window.
  QAction* action() { return &m_action; }
  bool on() const { return m_ready && m_action.isChecked(); }
  // Why reading aloud cannot be switched on (the switch's tooltip), or empty.
  QString problem() const { return m_problem; }

  // Says what a screen shows, in Dutch words (see spoken()).
  void say(const QString& shown);
  // The program ends: silence now and from then on.
  void stop();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  struct Pending {
    QPointer<Control> label;  // null for a text said directly
    QString before;           // the label's caption when this turn began
    QString text;
  };
  // A control whose caption is read aloud when it appears or changes.
  void marked(Control& label) override;
  void changed(Control& label, const QString& before) override;
  void appeared(Control& label) override;
  void ready(const QString& problem);
  void switched(bool on);
  void queue(Pending pending);
  void sayVisibleLabels();
  void flush();

  QAction m_action;
  std::unique_ptr<Speaker> m_speaker;
  bool m_ready = false;
  bool m_starting = false;  // the speaker is getting ready
  bool m_stopped = false;
  bool m_flushQueued = false;
  QString m_problem;
  QString m_held;  // said before the speaker was ready
  std::vector<Pending> m_pending;
  std::vector<QPointer<Control>> m_labels;   // read aloud, in layout order
  std::vector<QPointer<QObject>> m_screens;  // screens watched for being shown
};

// What screens call: says a text the screen shows, or a row of its labels read left to
// right as one line ("7" "=" "3" "+" "4"), through the program's speech service.
void say(const QString& shown);
void say(std::initializer_list<const Control*> row);

}  // namespace forms
