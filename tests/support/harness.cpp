#include "tests/support/harness.h"

#include <QApplication>
#include <QMouseEvent>
#include <QTest>

#include "shell/mdiform2.h"
#include "shell/screens.h"

namespace {
// The offscreen platform cannot stack or resize windows and says so on every show.
QtMessageHandler g_previousHandler = nullptr;
void quietPlatform(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (message.startsWith(QLatin1String("This plugin does not support"))) return;
  if (g_previousHandler) g_previousHandler(type, context, message);
}
}  // namespace

Harness::Harness() : Harness(nullptr) {}

Harness::Harness(std::unique_ptr<forms::RandomSource> source) {
  static const bool installed = [] {
    g_previousHandler = qInstallMessageHandler(quietPlatform);
    return true;
  }();
  Q_UNUSED(installed);
  auto clock = std::make_unique<forms::TestClock>();
  m_clock = clock.get();
  m_random = nullptr;
  if (!source) {
    auto scripted = std::make_unique<forms::ScriptedRandom>();
    m_random = scripted.get();
    source = std::move(scripted);
  }
  m_program = std::make_unique<forms::Program>(std::move(clock), std::move(source));
  // Preferences of tests live apart from the user's, and every test starts from none.
  m_program->setPreferences(std::make_unique<forms::Preferences>(preferencesFile()));
  registerShellScreens(*m_program);
}

Harness::~Harness() = default;

void Harness::start() {
  screens::MDIForm2().Show();
}

void Harness::startPastWelcome() {
  start();
  click(m_program->form(QStringLiteral("frmmecenaat1")), QStringLiteral("cmdkombinnen"));
}

void Harness::click(forms::Form& form, const QString& name, int index) {
  auto* control = qobject_cast<forms::Control*>(find(form, name, index));
  Q_ASSERT(control && control->widget());
  QTest::mouseClick(control->widget(), Qt::LeftButton);
}

FakeSpeaker& Harness::readAloud() {
  auto speaker = std::make_unique<FakeSpeaker>();
  FakeSpeaker& fake = *speaker;
  m_program->speech().setSpeaker(std::move(speaker));
  m_program->speech().action()->setChecked(true);
  fake.said();  // "voorlezen aan" and what is on screen now
  fake.forget();
  return fake;
}

void Harness::moveMouse(forms::Form& form, QPoint pos) {
  QWidget* target = form.childAt(pos);
  if (!target) target = &form;
  const QPoint local = target->mapFrom(&form, pos);
  QMouseEvent move(QEvent::MouseMove, QPointF(local), QPointF(form.mapToGlobal(pos)), Qt::NoButton,
                   Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(target, &move);
}

QStringList Harness::tabRound(forms::Form& form, QWidget* first) {
  first->setFocus(Qt::OtherFocusReason);
  QStringList visited;
  for (int i = 0; i < 200; ++i) {
    forms::Control* focused = form.focusedControl();
    QString name = focused ? focused->objectName() : QStringLiteral("(none)");
    if (focused && focused->index() >= 0) name += QStringLiteral("(%1)").arg(focused->index());
    if (!visited.isEmpty() && name == visited.first()) break;
    visited << name;
    QTest::keyClick(form.focusWidget(), Qt::Key_Tab);
  }
  return visited;
}

QObject* Harness::find(forms::Form& form, const QString& name, int index) {
  for (QObject* o : form.findChildren<QObject*>(name)) {
    const QVariant i = o->property("Index");
    if (index < 0 ? !i.isValid() : (i.isValid() && i.toInt() == index)) return o;
  }
  qFatal("no control %s(%d) on %s", qPrintable(name), index, qPrintable(form.objectName()));
  return nullptr;
}
