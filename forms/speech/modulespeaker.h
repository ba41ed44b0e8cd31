#pragma once
// The real voice, kept in a module of its own (splitsen-voice) that is loaded only when
// something is first to be heard. A start with reading aloud off maps none of the voice's
// libraries (espeak-ng, Qt Multimedia, the sound server's), so the first screen appears
// as fast as without them. Loading happens on a thread of its own; no call waits for it.

#include <QLibrary>
#include <QObject>
#include <QString>
#include <QStringList>
#include <memory>
#include <thread>

#include "forms/speech/speaker.h"

namespace forms {

class ModuleSpeaker : public Speaker {
 public:
  // Where the module may be: beside the installed program, then in the build tree.
  static QStringList defaultPlaces();
  explicit ModuleSpeaker(QStringList places = defaultPlaces());
  ~ModuleSpeaker() override;

  // Ready at once when the module is there; loads nothing yet.
  void start(std::function<void(const QString& problem)> ready) override;
  // The first text loads the module and prepares the voice, and is said when both are done.
  void speak(const QString& text) override;
  void silence() override;

 private:
  enum class State { Idle, Loading, Ready, Failed };
  void loaded(bool ok);
  void fail(const QString& problem);

  QStringList m_places;
  std::function<void(const QString&)> m_ready;
  State m_state = State::Idle;
  QString m_waiting;  // said once the voice is ready
  QLibrary m_library;
  std::unique_ptr<Speaker> m_voice;
  std::thread m_loader;
  QObject m_context;  // answers from other threads arrive here, and not after the end
};

}  // namespace forms
