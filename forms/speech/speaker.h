#pragma once
// Something that can say a text aloud: the Dutch voice on the sound device, or a fake
// that only writes down what it was asked to say. The program's speech service decides
// what to say and when; a speaker only says it.

#include <QString>
#include <functional>

namespace forms {

class Speaker {
 public:
  virtual ~Speaker() = default;
  // Gets ready without making the caller wait, then calls `ready` on the UI thread: with
  // an empty text when it can speak, or with why it cannot (in Dutch).
  virtual void start(std::function<void(const QString& problem)> ready) = 0;
  // Says `text` instead of whatever it is saying now. Returns at once.
  virtual void speak(const QString& text) = 0;
  // Stops at once; nothing is heard afterwards until the next speak.
  virtual void silence() = 0;
};

}  // namespace forms
