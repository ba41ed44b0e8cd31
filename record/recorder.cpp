#include "record/recorder.h"

#include <QHash>
#include <memory>

#include "forms/program.h"
#include "record/database.h"
#include "record/frmwiebenjij.h"
#include "record/writer.h"

namespace record {

namespace {

struct Recorder {
  Options options;
  std::unique_ptr<Writer> writer;
  QHash<QString, qint64> readyAt;  // per exercise: when its question was ready
  QString child;
  std::unique_ptr<Database> reader;  // this thread's own connection, opened on first use
  bool readerTried = false;
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

}  // namespace

void start(Options options) {
  stop();
  if (options.file.isEmpty()) options.file = Database::defaultFile();
  auto recorder = std::make_unique<Recorder>();
  recorder->options = std::move(options);
  recorder->writer = std::make_unique<Writer>(Writer::Options{
      recorder->options.file, recorder->options.batchMs, recorder->options.maxPageCount});
  g_recorder = std::move(recorder);
}

void stop() {
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

void setChild(const QString& name) {
  if (g_recorder) g_recorder->child = name;
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

QString file() {
  return g_recorder ? g_recorder->options.file : Database::defaultFile();
}

Database* database() {
  if (!g_recorder) return nullptr;
  Recorder& r = *g_recorder;
  if (!r.readerTried) {
    r.readerTried = true;
    // The writer opens (and if need be repairs and migrates) the file first.
    r.writer->status();
    auto reader = std::make_unique<Database>(r.options.file, QStringLiteral("record-screens"));
    if (reader->open(false).on) r.reader = std::move(reader);
  }
  return r.reader.get();
}

QList<Child> classList() {
  Database* db = database();
  return db ? db->children() : QList<Child>();
}

void showChooser() {
  forms::Program& program = forms::Program::current();
  if (classList().isEmpty())
    program.form(QStringLiteral("frmkiesbasis")).Show();
  else
    program.form<frmwiebenjij>().Show();
}

}  // namespace record
