#include "record/recorder.h"

#include <QCoreApplication>
#include <QHash>
#include <QPointer>
#include <QTimer>
#include <memory>

#include "forms/program.h"
#include "record/classroom.h"
#include "record/database.h"
#include "record/reader.h"
#include "record/sync.h"
#include "record/writer.h"

namespace record {

namespace {

// How long a statement on the screens' thread waits for another program's lock.
constexpr int ScreensBusyTimeoutMs = 200;

struct Recorder {
  Options options;
  // The sender stops after the writer's last commit, and before its outbox goes.
  std::unique_ptr<RecordOutbox> outbox;
  std::unique_ptr<Classroom> classroom;  // the class list and practice shared through it
  std::unique_ptr<school::Sender> sender;
  std::unique_ptr<Writer> writer;
  std::unique_ptr<Reader> reader;  // stops before the writer it uses
  QHash<QString, qint64> readyAt;  // per exercise: when its question was ready
  QString child;
  std::unique_ptr<Database> screens;  // this thread's own connection, opened on first use
  std::vector<std::function<void()>> afterOpening;
};

// Lives on the screens' thread; null when nothing is recorded.
std::unique_ptr<Recorder> g_recorder;

// The record to write to, or null when there is none or recording is off.
Recorder* active() {
  return g_recorder && !g_recorder->writer->off() ? g_recorder.get() : nullptr;
}

qint64 now(const Recorder& r) {
  return r.options.clock ? r.options.clock() : forms::Program::current().clock().now();
}

Entry stamped(const Recorder& r, const QString& exercise, int number) {
  Entry e;
  e.time =
      isoWithOffset(r.options.wallClock ? r.options.wallClock() : QDateTime::currentDateTime());
  e.child = r.child;
  e.exercise = exercise;
  e.number = number;
  return e;
}

void runAfterOpening() {
  if (!g_recorder || g_recorder->writer->current().opening) return;
  std::vector<std::function<void()>> waiting;
  waiting.swap(g_recorder->afterOpening);
  for (const auto& then : waiting) then();
}

}  // namespace

void start(Options options) {
  stop();
  practiceStore().forget(QString());  // a record begun anew is read anew
  if (options.file.isEmpty()) options.file = Database::defaultFile();
  auto recorder = std::make_unique<Recorder>();
  recorder->options = std::move(options);
  Writer::Options writing(recorder->options.file);
  writing.batchMs = recorder->options.batchMs;
  writing.maxPageCount = recorder->options.maxPageCount;
  writing.retryMs = recorder->options.retryMs;
  writing.busyTimeoutMs = recorder->options.busyTimeoutMs;
  writing.startWhenNeeded = recorder->options.openAfterMs > 0;
  if (recorder->options.server) {
    recorder->outbox = std::make_unique<RecordOutbox>(recorder->options.file);
    Classroom::Options sharing;
    sharing.file = recorder->options.file;
    sharing.pullMs = recorder->options.serverPullMs;
    // What came from another computer is read anew when a screen asks for it.
    sharing.pulled = [](const Classroom::Pulled& pulled) {
      if (QCoreApplication* app = QCoreApplication::instance())
        QMetaObject::invokeMethod(
            app,
            [children = pulled.children] {
              for (const QString& child : children) practiceStore().forget(child);
            },
            Qt::QueuedConnection);
    };
    recorder->classroom = std::make_unique<Classroom>(std::move(sharing));
    school::Sender::Options sending;
    sending.address = *recorder->options.server;
    sending.outbox = recorder->outbox.get();
    sending.maxRetryMs = recorder->options.serverMaxRetryMs;
    sending.idleCheckMs = recorder->options.serverIdleCheckMs;
    sending.exchange = [classroom = recorder->classroom.get()](school::Server& server) {
      return classroom->exchange(server);
    };
    recorder->sender = std::make_unique<school::Sender>(std::move(sending));
  }
  school::Sender* sender = recorder->sender.get();
  // What waited from earlier runs goes as soon as the file is open, each answer as soon
  // as it is committed.
  writing.opened = [sender] {
    if (sender) sender->poke();
    if (QCoreApplication* app = QCoreApplication::instance())
      QMetaObject::invokeMethod(app, &runAfterOpening, Qt::QueuedConnection);
  };
  if (sender) writing.committed = [sender] { sender->poke(); };
  recorder->writer = std::make_unique<Writer>(std::move(writing));
  recorder->reader = std::make_unique<Reader>(recorder->options.file, *recorder->writer,
                                              recorder->options.busyTimeoutMs);
  g_recorder = std::move(recorder);
  if (g_recorder->options.openAfterMs > 0)
    if (QCoreApplication* app = QCoreApplication::instance())
      QTimer::singleShot(g_recorder->options.openAfterMs, app, [] {
        if (g_recorder) g_recorder->writer->hurry();
      });
}

void stop() {
  if (g_recorder) practiceStore().forget(QString());
  g_recorder.reset();
}

bool started() {
  return g_recorder != nullptr;
}

void ready(const QString& exercise) {
  if (Recorder* r = active()) r->readyAt.insert(exercise, now(*r));
}

void answer(const QString& exercise, int number, int shown, const QString& given, bool right) {
  if (!active()) return;
  Recorder& r = *g_recorder;
  Entry e = stamped(r, exercise, number);
  e.shown = shown;
  e.given = given;
  e.right = right;
  // The next try at the same question counts from this verdict.
  const qint64 t = now(r);
  const auto it = r.readyAt.find(exercise);
  if (it != r.readyAt.end()) {
    e.ms = t - it.value();
    it.value() = t;
  }
  r.writer->push(std::move(e));
}

void practised(const QString& exercise, int number) {
  if (Recorder* r = active()) r->writer->push(stamped(*r, exercise, number));
}

void keepPractice(const PracticeRows& rows) {
  Recorder* r = active();
  if (!r) return;
  Entry e;
  e.child = rows.child;
  auto stamped = std::make_shared<PracticeRows>(rows);
  if (stamped->changed == 0)
    stamped->changed =
        (r->options.wallClock ? r->options.wallClock() : QDateTime::currentDateTimeUtc())
            .toMSecsSinceEpoch();
  e.practice = std::move(stamped);
  r->writer->push(std::move(e));
}

void setChild(const QString& name) {
  if (!g_recorder) return;
  g_recorder->child = name;
  // The child may have practised on another computer since the last look.
  if (g_recorder->classroom) {
    g_recorder->classroom->pullSoon();
    g_recorder->sender->poke();
  }
}

QString child() {
  return g_recorder ? g_recorder->child : QString();
}

void flush() {
  if (g_recorder) g_recorder->writer->flush();
}

Status status() {
  if (!g_recorder) {
    Status off;
    off.file = file();
    off.why = QStringLiteral("het opnemen is niet gestart.");
    return off;
  }
  return g_recorder->writer->status();
}

Status state() {
  if (!g_recorder) return status();
  return g_recorder->writer->current();
}

void inBackground(QObject* context, Job job) {
  if (!g_recorder) {
    if (std::function<void()> then = job(nullptr)) then();
    return;
  }
  g_recorder->reader->post([job = std::move(job), guard = QPointer<QObject>(context),
                            guarded = context != nullptr](Database* db) {
    std::function<void()> then = job(db);
    QCoreApplication* app = QCoreApplication::instance();
    if (!then || !app) return;
    QMetaObject::invokeMethod(
        app,
        [guard, guarded, then = std::move(then)] {
          if (!guarded || guard) then();
        },
        Qt::QueuedConnection);
  });
}

void whenOpened(std::function<void()> then) {
  if (!g_recorder || !g_recorder->writer->current().opening)
    then();
  else {
    g_recorder->afterOpening.push_back(std::move(then));
    g_recorder->writer->hurry();
  }
}

QString file() {
  return g_recorder ? g_recorder->options.file : Database::defaultFile();
}

std::optional<school::Address> server() {
  if (!g_recorder) return std::nullopt;
  return g_recorder->options.server;
}

std::optional<school::SenderState> serverState() {
  if (!g_recorder || !g_recorder->sender) return std::nullopt;
  return g_recorder->sender->state();
}

Database* database() {
  if (!g_recorder) return nullptr;
  Recorder& r = *g_recorder;
  if (!r.screens) {
    // The writer opens (and if need be repairs and migrates) the file first.
    if (r.writer->current().opening) return nullptr;
    auto db = std::make_unique<Database>(r.options.file, QStringLiteral("record-screens"));
    db->setBusyTimeout(ScreensBusyTimeoutMs);
    if (db->attach().on) r.screens = std::move(db);
  }
  return r.screens.get();
}

QList<Child> classList() {
  Database* db = database();
  return db ? db->children() : QList<Child>();
}

}  // namespace record
