#pragma once
// The class list and the practice state shared with the school's server, run by the
// sender on its own thread over its session once no answers wait:
// - a wipe of practice here ("Wis gegevens") reaches the server first;
// - the practice rows this computer changed (kept in the record with `sent = 0`) go to
//   the server, where a row replaces one that is not newer; sending again changes nothing;
// - now and then, and soon after `pullSoon`, the class list and every child's practice
//   come back into the record: the server's class list replaces this computer's copy,
//   and a practice row of the server replaces an older one here.
// When the server is away the record's copy is all there is, and it stays as it was.
// The practice of the computer's one child (no class list: the name "") stays here.

#include <QString>
#include <QStringList>
#include <atomic>
#include <functional>
#include <memory>

#include "school/problem.h"

namespace school {
class Server;
}

namespace record {

class Database;

class Classroom {
 public:
  // What a pull changed in the record.
  struct Pulled {
    bool classList = false;
    QStringList children;  // whose practice rows changed
  };
  struct Options {
    QString file;
    int pullMs = 30000;  // how often the server's copy is read when nobody asks
    // The program's clock in ms (tests: their own).
    std::function<qint64()> clock;
    // Runs on the sender's thread after a pull changed the record.
    std::function<void(const Pulled&)> pulled;
  };

  explicit Classroom(Options options);
  ~Classroom();
  Classroom(const Classroom&) = delete;
  Classroom& operator=(const Classroom&) = delete;

  // On the sender's thread, with `server` open.
  school::Outcome exchange(school::Server& server);
  // Read the server's copy at the next exchange (a child was chosen). Any thread.
  void pullSoon() { m_pullSoon = true; }

 private:
  Database* connection();
  school::Outcome push(school::Server& server);
  school::Outcome pull(school::Server& server);
  qint64 now() const;

  Options m_options;
  QString m_name;
  std::unique_ptr<Database> m_db;
  std::atomic<bool> m_pullSoon{true};
  qint64 m_lastPull = 0;
};

}  // namespace record
