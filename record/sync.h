#pragma once
// The record's side of the school's server: the outbox kept in the record's file, read
// and marked by the sender on its own thread with a connection of its own, and where the
// server's name comes from.

#include <QString>
#include <memory>
#include <mutex>
#include <optional>

#include "record/database.h"
#include "record/summary.h"
#include "school/address.h"
#include "school/outbox.h"
#include "school/problem.h"

namespace record {

// The answers in the record's file that the server has not yet acknowledged. Opens its
// connection on the first call, on the thread of that call (the sender's), once the
// writer has opened and migrated the file; until then nothing waits.
class RecordOutbox : public school::Outbox {
 public:
  explicit RecordOutbox(QString file);
  ~RecordOutbox() override;
  std::vector<school::Answer> pending(int max) override;
  bool markSent(const std::vector<QUuid>& ids) override;
  int waiting() override;

 private:
  Database* connection();  // with the lock held

  QString m_file;
  QString m_name;
  std::mutex m_mutex;
  std::unique_ptr<Database> m_db;
};

// The school's server named by the key server/connection in the user's or the
// system-wide splitsen.conf. Nothing when none is named; a name that cannot be read is
// nothing too, with the reason (without a password) in `error`.
std::optional<school::Address> configuredServer(QString* error = nullptr);

// The role that reads every computer's answers and keeps the class list.
inline const char* TeacherRole = "splitsen_leerkracht";

// The whole class as the server holds it, for the teacher's view: the children in the
// class list and in the answers, the summary of `child` (null: everyone) and its answers
// per day, newest first. Connects with `teacher` on the calling thread (a time-out of a
// few seconds when the server is away).
struct ClassRead {
  QStringList names;
  Summary summary;
  std::vector<Database::DayCount> days;
};
school::Outcome readClass(const school::Address& teacher, const QString& child, ClassRead* out);

}  // namespace record
