#include "forms/program.h"

#include <QApplication>

#include "forms/accessible/accessibility.h"

namespace forms {

namespace {
Program* g_current = nullptr;
}

Program::Program() : Program(std::make_unique<RealClock>(), std::make_unique<ClockRandom>()) {}

Program::Program(std::unique_ptr<Clock> clock, std::unique_ptr<RandomSource> random)
    : m_clock(std::move(clock)),
      m_timers(std::make_unique<TimerHub>(*m_clock)),
      m_random(std::move(random)),
      m_keys(std::make_unique<ProgramKeys>()),
      m_speech(std::make_unique<forms::Speech>(*m_keys)) {
  installFontSubstitutions();
  setZoomFactor(1.0);
  installAccessibility();
  g_current = this;
  m_zoom = std::make_unique<ZoomControl>(*this);
}

Program::~Program() {
  m_timers->stopAll();
  // Child screens first: they live inside the main window, which is created first.
  while (!m_forms.empty()) m_forms.pop_back();
  setZoomFactor(1.0);
  if (g_current == this) g_current = nullptr;
}

Program& Program::current() {
  Q_ASSERT(g_current);
  return *g_current;
}

void Program::registerForm(const QString& name, Factory factory, QSize client, bool inMainWindow) {
  m_factories.insert(name, std::move(factory));
  std::erase_if(m_layouts, [&name](const Layout& layout) { return layout.name == name; });
  m_layouts.push_back({name, client, inMainWindow});
}

QStringList Program::screenNames() const {
  QStringList names;
  for (const Layout& layout : m_layouts) names << layout.name;
  return names;
}

void Program::registerMainWindow(const QString& name, Factory factory) {
  m_mainWindowName = name;
  registerForm(name, std::move(factory));
}

Preferences& Program::preferences() {
  if (!m_preferences) m_preferences = std::make_unique<Preferences>();
  return *m_preferences;
}

void Program::setPreferences(std::unique_ptr<Preferences> preferences) {
  m_preferences = std::move(preferences);
}

Form* Program::mainWindow() const {
  for (const auto& entry : m_forms)
    if (entry.second->kind() == Form::Kind::Main) return entry.second.get();
  return nullptr;
}

Form* Program::loaded(const QString& name) const {
  for (const auto& [formName, form] : m_forms)
    if (formName == name) return form.get();
  return nullptr;
}

Form& Program::form(const QString& name) {
  if (Form* existing = loaded(name)) return *existing;
  const auto factory = m_factories.value(name);
  if (!factory) qFatal("Program::form: no screen named %s is registered", qPrintable(name));
  Form* created = factory();
  // Registered before Load runs, so Load may refer to its own screen.
  m_forms.emplace_back(name, std::unique_ptr<Form>(created));
  created->load();
  return *created;
}

void Program::unload(const QString& name) {
  std::erase_if(m_forms, [&name](const auto& entry) { return entry.first == name; });
}

std::vector<Form*> Program::forms() const {
  std::vector<Form*> result;
  for (const auto& entry : m_forms) result.push_back(entry.second.get());
  return result;
}

QWidget* Program::mdiClient() {
  if (!m_mdiClient && !m_mainWindowName.isEmpty()) form(m_mainWindowName);
  return m_mdiClient;
}

void Program::settleFocus() {
  for (const auto& entry : m_forms) entry.second->settleFocus();
}

void Program::End() {
  if (m_ended) return;
  m_ended = true;
  m_speech->stop();
  m_timers->stopAll();
  for (auto it = m_forms.rbegin(); it != m_forms.rend(); ++it) it->second->hide();
  if (onEnd) onEnd();
}

void Randomize() {
  Program::current().random().randomize();
}

float Rnd() {
  return Program::current().random().rnd();
}

}  // namespace forms
