#pragma once
// The practice record as the screens use it: one call when a question is ready, one
// when an answer has been judged, one when a number was practised on a walk-through
// screen. The calls only queue (the writer thread commits); without a running record,
// or with recording off, they do nothing.

#include <QDateTime>
#include <QString>
#include <functional>
#include <optional>

class QObject;

#include "record/database.h"
#include "record/practicestore.h"
#include "record/status.h"
#include "school/address.h"
#include "school/sender.h"

namespace record {

struct Options {
  QString file;  // empty: splitsen.sqlite in the standard data folder
  int batchMs = 100;
  int maxPageCount = 0;  // tests: a page limit that makes the file full
  int retryMs = 2000;    // how soon a file that could not take the answers is tried again
  int busyTimeoutMs = Database::BusyTimeoutMs;  // one try's wait for another program
  // How long the file's first opening waits unless something is asked of it sooner.
  int openAfterMs = 0;
  // The wall clock of the time stamps (tests fix it).
  std::function<QDateTime()> wallClock;
  // The clock of response times in ms (default: the program's clock).
  std::function<qint64()> clock;
  // The school's server the answers are also sent to; none: they stay on this computer.
  std::optional<school::Address> server;
  int serverMaxRetryMs = 4000;   // the longest wait before the server is tried again
  int serverIdleCheckMs = 2000;  // how often an idle sender looks at the connection
  int serverPullMs = 30000;      // how often the class list and practice are read from it
};

// Starts recording; the file is opened on the writer thread, so this returns at once.
void start(Options options = {});
// Commits everything queued and stops recording (at the program's end).
void stop();
bool started();

// The screens' calls; `exercise` is the screen's name.
void ready(const QString& exercise);
void answer(const QString& exercise, int number, int shown, const QString& given, bool right);
void practised(const QString& exercise, int number);
// Queues what adaptive practice keeps after an answer, to be written with the answers.
void keepPractice(const PracticeRows& rows);

// The child whose answers follow ("Wie ben jij?"); empty without a class list.
void setChild(const QString& name);
QString child();

// Waits until every queued entry is committed, or has been tried once more and waits in
// memory (tests, the export from the command line; the screens use `inBackground`).
void flush();
// Whether recording is on, and if not why (waits for the file to be opened).
Status status();
// The same without waiting: `opening` while the file is being opened and checked.
Status state();

// Runs `job` on the record's reading thread with a connection of its own (null when the
// file cannot be read), once the answers queued before have been tried; the function it
// returns then runs on the screens' thread, unless `context` is gone by then.
using Job = std::function<std::function<void()>(Database* db)>;
void inBackground(QObject* context, Job job);
// Runs `then` on the screens' thread once the file has been opened (or found unusable);
// at once when it has.
void whenOpened(std::function<void()> then);
// The record's file (the default, or the one `start` was given).
QString file();

// The file on the screens' thread, for the class list; null when nothing is recorded,
// while the file is still being opened, or when it cannot be read. Never waits for the
// opening; its statements wait for another program only briefly.
Database* database();
// The class list; empty without one (or without a record).
QList<Child> classList();

// The school's server: its name without a password, and the sender's state; nothing
// when no server is named.
std::optional<school::Address> server();
std::optional<school::SenderState> serverState();

}  // namespace record
