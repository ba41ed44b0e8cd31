#pragma once
// Where the answers wait that the school's server has not yet acknowledged. The sender
// takes them from here on its own thread; the record adds to it on its own. Every member
// may be called from any thread.

#include <QUuid>
#include <mutex>
#include <vector>

#include "school/answer.h"

namespace school {

class Outbox {
 public:
  virtual ~Outbox() = default;
  // Up to `max` waiting answers, oldest first.
  virtual std::vector<Answer> pending(int max) = 0;
  // The server has committed these. False when they could not be marked: they are then
  // sent again, and the server keeps its one copy.
  virtual bool markSent(const std::vector<QUuid>& ids) = 0;
  virtual int waiting() = 0;
};

// An outbox in memory (a computer without a record of its own, and simulations).
class MemoryOutbox : public Outbox {
 public:
  void add(Answer answer);
  std::vector<Answer> pending(int max) override;
  bool markSent(const std::vector<QUuid>& ids) override;
  int waiting() override;

 private:
  std::mutex m_mutex;
  std::vector<Answer> m_waiting;
};

}  // namespace school
