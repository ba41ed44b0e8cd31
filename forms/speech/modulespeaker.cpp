#include "forms/speech/modulespeaker.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QPointer>
#include <QTimer>

namespace forms {

namespace {
using Factory = Speaker* (*)();
const char* const FactoryName = "splitsen_make_speaker";
}  // namespace

QStringList ModuleSpeaker::defaultPlaces() {
  QStringList places{QCoreApplication::applicationDirPath() +
                     QStringLiteral("/../lib/splitsen/splitsen-voice.so")};
#ifdef SPLITSEN_VOICE_BUILT
  places << QStringLiteral(SPLITSEN_VOICE_BUILT);
#endif
  return places;
}

ModuleSpeaker::ModuleSpeaker(QStringList places) : m_places(std::move(places)) {}

ModuleSpeaker::~ModuleSpeaker() {
  if (m_loader.joinable()) m_loader.join();
}

void ModuleSpeaker::start(std::function<void(const QString& problem)> ready) {
  m_ready = std::move(ready);
  for (const QString& place : m_places)
    if (QFileInfo::exists(place)) {
      m_library.setFileName(QDir::cleanPath(place));
      break;
    }
  const QString problem =
      m_library.fileName().isEmpty()
          ? QStringLiteral("de stem is niet ge\u00EFnstalleerd (splitsen-voice.so ontbreekt).")
          : QString();
  if (!problem.isEmpty()) m_state = State::Failed;
  QTimer::singleShot(0, &m_context, [this, problem] { m_ready(problem); });
}

void ModuleSpeaker::speak(const QString& text) {
  switch (m_state) {
    case State::Ready:
      m_voice->speak(text);
      return;
    case State::Failed:
      return;
    case State::Loading:
      m_waiting = text;
      return;
    case State::Idle:
      m_waiting = text;
      m_state = State::Loading;
      m_loader = std::thread([this] {
        const bool ok = m_library.load();
        QMetaObject::invokeMethod(
            &m_context, [this, ok] { loaded(ok); }, Qt::QueuedConnection);
      });
      return;
  }
}

void ModuleSpeaker::silence() {
  m_waiting.clear();
  if (m_state == State::Ready) m_voice->silence();
}

void ModuleSpeaker::loaded(bool ok) {
  m_loader.join();
  const auto make = ok ? reinterpret_cast<Factory>(m_library.resolve(FactoryName)) : nullptr;
  if (!make) {
    // The loader's own words are not Dutch; the file says where to look.
    fail(QStringLiteral("de stem kan niet worden geladen uit %1.").arg(m_library.fileName()));
    return;
  }
  m_voice.reset(make());
  QPointer<QObject> alive(&m_context);
  Speaker* voice = m_voice.get();
  m_voice->start([this, alive, voice](const QString& problem) {
    if (!alive || m_voice.get() != voice) return;
    if (!problem.isEmpty()) {
      fail(problem);
      return;
    }
    m_state = State::Ready;
    if (!m_waiting.isEmpty()) m_voice->speak(m_waiting);
    m_waiting.clear();
  });
}

void ModuleSpeaker::fail(const QString& problem) {
  m_state = State::Failed;
  m_waiting.clear();
  m_ready(problem);
}

}  // namespace forms
