#include "forms/speech/speech.h"

#include <QCoreApplication>
#include <QSignalBlocker>

#include "forms/form.h"
#include "forms/program.h"
#include "forms/speech/spoken.h"

namespace forms {

namespace {

const QString SettingsKey = QStringLiteral("voorlezen");
const QString Starting = QStringLiteral("Voorlezen wordt klaargezet.");
const QString NoVoice = QStringLiteral("Voorlezen kan niet: er is geen stem.");
const QString Usable = QStringLiteral("Opdrachten en splitsingen hardop voorlezen (Ctrl+L)");

// What a label added: only the new lines when its old lines stay on top (a list that
// grows), else its whole caption.
QString added(const QString& before, const QString& now) {
  const QString prefix = before + CrLf;
  if (!before.isEmpty() && now.startsWith(prefix)) return now.mid(prefix.size());
  return now;
}

QString captionOf(const Control& label) {
  return label.property("Caption").toString();
}

bool shownOnScreen(const Control& label) {
  const QWidget* widget = label.widget();
  return label.visible() && widget && widget->isVisible();
}

}  // namespace

Speech::Speech(ProgramKeys& keys) : m_action(QStringLiteral("Voorlezen")) {
  m_action.setObjectName(QStringLiteral("voorlezen"));
  m_action.setCheckable(true);
  m_action.setEnabled(false);
  m_action.setToolTip(NoVoice);
  m_problem = NoVoice;
  // Shown beside the item; the key itself is one of the program's keys, since the main
  // window is disabled while the exercises are open.
  m_action.setText(QStringLiteral("Voorlezen\tCtrl+L"));
  connect(&m_action, &QAction::toggled, this, &Speech::switched);
  keys.add(QKeyCombination(Qt::ControlModifier, Qt::Key_L), [this] {
    if (m_action.isEnabled()) m_action.toggle();
  });
  Control::addListener(this);
}

Speech::~Speech() {
  Control::removeListener(this);
}

void Speech::setSpeaker(std::unique_ptr<Speaker> speaker) {
  m_speaker = std::move(speaker);
  m_ready = false;
  m_starting = true;
  m_problem = Starting;
  m_action.setEnabled(false);
  m_action.setToolTip(Starting);
  {
    const QSignalBlocker quiet(&m_action);
    m_action.setChecked(Program::current().preferences().value(SettingsKey, false).toBool());
  }
  QPointer<Speech> self(this);
  Speaker* speakerNow = m_speaker.get();
  m_speaker->start([self, speakerNow](const QString& problem) {
    if (self && self->m_speaker.get() == speakerNow) self->ready(problem);
  });
}

void Speech::ready(const QString& problem) {
  m_problem = problem.isEmpty() ? QString() : QStringLiteral("Voorlezen kan niet: ") + problem;
  m_ready = problem.isEmpty();
  m_starting = false;
  m_action.setEnabled(m_ready);
  m_action.setToolTip(m_ready ? Usable : m_problem);
  if (!m_ready) {
    qWarning("splitsen: %s", qUtf8Printable(m_problem));
    m_held.clear();
    return;
  }
  if (on() && !m_held.isEmpty() && !m_stopped) m_speaker->speak(m_held);
  m_held.clear();
}

void Speech::switched(bool nowOn) {
  if (!m_ready) return;
  Program::current().preferences().setValue(SettingsKey, nowOn);
  if (nowOn) {
    queue({nullptr, {}, QStringLiteral("voorlezen aan")});
    sayVisibleLabels();
  } else {
    m_pending.clear();
    m_speaker->silence();
  }
}

void Speech::say(const QString& shown) {
  if (!m_action.isChecked() || m_stopped) return;
  queue({nullptr, {}, shown});
}

void Speech::marked(Control& label) {
  m_labels.emplace_back(&label);
  QObject* screen = label.form();
  for (const auto& s : m_screens)
    if (s == screen) return;
  m_screens.emplace_back(screen);
  screen->installEventFilter(this);
}

void Speech::changed(Control& label, const QString& before) {
  if (!m_action.isChecked() || m_stopped) return;
  queue({&label, before, {}});
}

void Speech::appeared(Control& label) {
  if (!m_action.isChecked() || m_stopped) return;
  queue({&label, {}, {}});
}

void Speech::stop() {
  m_stopped = true;
  m_pending.clear();
  m_held.clear();
  if (m_speaker) m_speaker->silence();
}

bool Speech::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::Show && !event->spontaneous() && m_action.isChecked()) {
    // A screen appears: its read-aloud labels, in layout order.
    for (const auto& label : m_labels)
      if (label && label->form() == watched) appeared(*label);
  }
  return QObject::eventFilter(watched, event);
}

void Speech::queue(Pending pending) {
  if (pending.label) {
    for (Pending& p : m_pending)
      if (p.label == pending.label) return;  // keeps the caption from the turn's start
  }
  m_pending.push_back(std::move(pending));
  if (m_flushQueued) return;
  m_flushQueued = true;
  QMetaObject::invokeMethod(this, &Speech::flush, Qt::QueuedConnection);
}

void Speech::sayVisibleLabels() {
  for (const auto& label : m_labels)
    if (label && shownOnScreen(*label)) appeared(*label);
}

void Speech::flush() {
  m_flushQueued = false;
  std::vector<Pending> pending;
  pending.swap(m_pending);
  if (!m_action.isChecked() || m_stopped || !m_speaker) return;
  QStringList sentences;
  for (const Pending& p : pending) {
    QString shown = p.text;
    if (p.label) {
      if (!shownOnScreen(*p.label)) continue;
      shown = added(p.before, captionOf(*p.label));
    }
    const QString words = spoken(shown);
    if (words.isEmpty()) continue;
    sentences << (words.back().isPunct() ? words : words + u'.');
  }
  if (sentences.isEmpty()) return;
  const QString text = sentences.join(u' ');
  if (m_ready)
    m_speaker->speak(text);
  else if (m_starting)
    m_held = text;
}

void say(const QString& shown) {
  Program::current().speech().say(shown);
}

void say(std::initializer_list<const Control*> row) {
  QStringList captions;
  for (const Control* label : row) captions << captionOf(*label);
  say(captions.join(u' '));
}

}  // namespace forms
