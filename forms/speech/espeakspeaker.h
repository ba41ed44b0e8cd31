#pragma once
// The real speaker: espeak-ng's Dutch voice made into sound on a worker thread and played
// through Qt Multimedia's default audio output. Nothing here blocks the UI thread: speak
// hands the text over, and a newer text cancels the one being made or played.

#include <QMutex>
#include <QString>
#include <QThread>
#include <atomic>
#include <memory>

#include "forms/speech/speaker.h"

namespace forms {

class EspeakSpeaker : public Speaker {
 public:
  EspeakSpeaker();
  ~EspeakSpeaker() override;

  void start(std::function<void(const QString& problem)> ready) override;
  void speak(const QString& text) override;
  void silence() override;

 private:
  class Worker;
  QThread m_thread;
  Worker* m_worker = nullptr;  // lives on m_thread
  QMutex m_mutex;
  QString m_text;  // the latest text to say, guarded by m_mutex
  std::atomic<quint64> m_generation{0};
};

}  // namespace forms
