#include "tests/support/fake_speaker.h"

#include <QCoreApplication>

void FakeSpeaker::start(std::function<void(const QString& problem)> ready) {
  m_ready = std::move(ready);
  if (m_start == Start::Ready) becomeReady();
}

void FakeSpeaker::becomeReady() {
  if (m_ready) m_ready(m_problem);
}

QStringList FakeSpeaker::said() {
  QCoreApplication::sendPostedEvents(nullptr, QEvent::MetaCall);
  return m_said;
}
