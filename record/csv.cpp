#include "record/csv.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <cstdio>
#include <functional>

#include "record/database.h"
#include "record/exercises.h"
#include "record/location.h"
#include "record/recorder.h"
#include "school/server.h"

namespace record {

QString csvField(const QString& text) {
  static const QString formulaStarts = QStringLiteral("=+-@\t\r");
  QString field = text;
  bool quote = false;
  if (!field.isEmpty() && formulaStarts.contains(field.front())) {
    field.prepend(QLatin1Char('\''));
    quote = true;
  }
  if (field.contains(QLatin1Char(';')) || field.contains(QLatin1Char('"')) ||
      field.contains(QLatin1Char('\n')) || field.contains(QLatin1Char('\r')))
    quote = true;
  if (!quote) return field;
  field.replace(QLatin1Char('"'), QStringLiteral("\"\""));
  return QLatin1Char('"') + field + QLatin1Char('"');
}

QString csvLine(const Entry& e) {
  const QStringList fields = {
      csvField(e.time),
      csvField(e.child),
      csvField(exerciseName(e.exercise)),
      QString::number(e.number),
      e.shown ? QString::number(*e.shown) : QString(),
      e.given ? csvField(*e.given) : QString(),
      e.right ? QString(*e.right ? QLatin1Char('1') : QLatin1Char('0')) : QString(),
      e.ms ? QString::number(*e.ms) : QString(),
  };
  return fields.join(QLatin1Char(';'));
}

namespace {

// Writes the header and every row `rows` visits to `file`, as it reads them: a record of a
// million answers never sits in memory whole (growing one buffer that large holds up
// every thread of the program). `rows` returns empty, or why it could not read them all;
// then the file is not written.
using Rows = std::function<QString(const std::function<void(const Entry&)>& visit)>;
bool writeRows(const QString& file, QString* error, const Rows& rows) {
  QSaveFile out(file);
  if (!out.open(QIODevice::WriteOnly)) {
    if (error)
      *error = QStringLiteral("%1 kan niet worden geschreven: %2")
                   .arg(QDir::toNativeSeparators(file), out.errorString());
    return false;
  }
  QByteArray text("\xEF\xBB\xBF");
  text += CsvHeader;
  text += "\r\n";
  const QString unread = rows([&](const Entry& e) {
    text += csvLine(e).toUtf8();
    text += "\r\n";
    if (text.size() >= (1 << 16)) {
      out.write(text);
      text.clear();
    }
  });
  if (!unread.isEmpty()) {
    out.cancelWriting();
    if (error) *error = unread;
    return false;
  }
  out.write(text);
  if (!out.commit()) {
    if (error)
      *error = QStringLiteral("%1 kan niet worden geschreven: %2")
                   .arg(QDir::toNativeSeparators(file), out.errorString());
    return false;
  }
  return true;
}

}  // namespace

bool writeCsv(Database* db, const QString& why, const QString& file, QString* error) {
  if (!db) {
    if (error)
      *error = why.isEmpty() ? QStringLiteral("Het bestand kan niet worden gelezen.") : why;
    return false;
  }
  return writeRows(file, error, [db](const std::function<void(const Entry&)>& visit) {
    db->forEachEntry(QString(), visit);
    return QString();
  });
}

bool exportServer(const school::Address& server, const QString& file, QString* error) {
  school::Server session(server, QStringLiteral("record-export-server"));
  school::Outcome outcome = session.open();
  const auto why = [&] {
    return QStringLiteral(
               "de resultaten van de klas kunnen niet van de server %1 worden gelezen: %2")
        .arg(server.display(), school::describe(outcome.problem));
  };
  if (!outcome.ok()) {
    if (error) *error = why();
    return false;
  }
  return writeRows(file, error, [&](const std::function<void(const Entry&)>& visit) {
    outcome = session.forEachAnswer([&](const school::Answer& a) {
      Entry e;
      e.id = a.id;
      e.time = a.time;
      e.child = a.child;
      e.exercise = a.exercise;
      e.number = a.number;
      e.shown = a.shown;
      e.given = a.given;
      e.right = a.right;
      e.ms = a.ms;
      visit(e);
    });
    return outcome.ok() ? QString() : why();
  });
}

bool exportCsv(const QString& file, QString* error, const QString& database) {
  // Everything the screens have queued is in the file before it is read.
  flush();
  const QString source = database.isEmpty() ? record::file() : database;
  // The running record's own connection when it is that file; else one for the export.
  if (Database* running = started() && source == record::file() ? record::database() : nullptr)
    return writeCsv(running, QString(), file, error);
  if (!QFileInfo::exists(source)) {
    Database none(source, QStringLiteral("record-export"));
    return writeCsv(&none, QString(), file, error);  // an empty table
  }
  Database db(source, QStringLiteral("record-export"));
  // Read as it is when it can be (also read-only); an older version is brought up to date.
  Status opened = db.attach();
  if (!opened.on && opened.failure != Failure::Newer) opened = db.open(false);
  if (!opened.on) {
    QString why = opened.why;
    if (!why.isEmpty()) why.front() = why.front().toUpper();
    return writeCsv(nullptr, why, file, error);
  }
  return writeCsv(&db, QString(), file, error);
}

bool exportRecord(const QString& database, const QString& file, QString* error) {
  if (!QFileInfo::exists(database)) {
    *error = QStringLiteral(
                 "er zijn op deze computer nog geen resultaten (geen %1); %2 is niet "
                 "gemaakt")
                 .arg(QDir::toNativeSeparators(database), QDir::toNativeSeparators(file));
    return false;
  }
  {
    // Read without repair: a damaged or newer record is reported, never touched.
    Database db(database, QStringLiteral("record-export-check"));
    const Status status = db.open(false);
    if (!status.on) {
      *error = QStringLiteral("de resultaten kunnen niet worden gelezen: %1").arg(status.why);
      return false;
    }
  }
  return exportCsv(file, error, database);
}

int exportFromCommandLine(const QString& file, const std::optional<school::Address>& server) {
  QString error;
  bool written;
  if (server) {
    written = exportServer(*server, file, &error);
  } else {
    adoptEarlierRecord();
    written = exportRecord(recordFile(), file, &error);
  }
  if (!written) {
    std::fprintf(stderr, "splitsen: %s\n", error.toLocal8Bit().constData());
    return 1;
  }
  return 0;
}

}  // namespace record
