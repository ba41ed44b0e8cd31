#pragma once
// A speaker for tests: it writes down what it is asked to say and is ready at once (or
// when the test says so), or reports a problem as a missing voice or sound device would.

#include <QString>
#include <QStringList>
#include <functional>

#include "forms/speech/speaker.h"

class FakeSpeaker : public forms::Speaker {
 public:
  enum class Start { Ready, Later };
  explicit FakeSpeaker(QString problem = {}, Start start = Start::Ready)
      : m_problem(std::move(problem)), m_start(start) {}

  void start(std::function<void(const QString& problem)> ready) override;
  void speak(const QString& text) override { m_said << text; }
  void silence() override { ++m_silences; }

  // A speaker started with Start::Later gets ready now.
  void becomeReady();
  // What it was asked to say, once the utterances queued so far are handed over.
  QStringList said();
  void forget() { m_said.clear(); }
  int silences() const { return m_silences; }

 private:
  QString m_problem;
  Start m_start;
  std::function<void(const QString&)> m_ready;
  QStringList m_said;
  int m_silences = 0;
};
