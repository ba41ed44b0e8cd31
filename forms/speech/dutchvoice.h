#pragma once
// The Dutch voice of espeak-ng: text in, 16-bit mono PCM out, without any sound device.
// espeak-ng keeps one global state, so one voice exists at a time, used from the one
// thread that made it.

#include <QByteArray>
#include <QString>
#include <functional>

namespace forms {

class DutchVoice {
 public:
  // Loads espeak-ng's data and the voice (Dutch unless a test names another).
  explicit DutchVoice(const char* voiceName = "nl");
  ~DutchVoice();
  DutchVoice(const DutchVoice&) = delete;
  DutchVoice& operator=(const DutchVoice&) = delete;

  // Empty when the voice can speak; otherwise why not, in Dutch, for the switch's tooltip.
  QString problem() const { return m_problem; }
  int sampleRate() const { return m_sampleRate; }

  // The sound of `text`. Stops early, keeping what it has, once `cancelled` returns true.
  QByteArray synthesize(const QString& text, const std::function<bool()>& cancelled = {});

 private:
  QString m_problem;
  int m_sampleRate = 0;
  bool m_owner = false;
};

}  // namespace forms
