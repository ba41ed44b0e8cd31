#include "record/location.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <cstdio>

#include "record/database.h"

namespace record {

namespace {

// SQLite keeps what is not yet in the database itself in these files beside it.
constexpr const char* Companions[] = {"-wal", "-journal", "-shm"};

QString native(const QString& path) {
  return QDir::toNativeSeparators(path);
}

// A free name beside `file` for the record from the earlier place.
QString asideName(const QString& file, const QDateTime& now) {
  const QFileInfo info(file);
  const QString stamp = now.toString(QStringLiteral("yyyy-MM-dd-HHmmss"));
  for (int n = 1;; ++n) {
    const QString name = info.absolutePath() + QLatin1Char('/') + info.completeBaseName() +
                         QStringLiteral("-oude-plek-") + stamp +
                         (n > 1 ? QStringLiteral("-%1").arg(n) : QString()) + QLatin1Char('.') +
                         info.suffix();
    bool free = !QFileInfo::exists(name);
    for (const char* companion : Companions)
      free = free && !QFileInfo::exists(name + QLatin1String(companion));
    if (free) return name;
  }
}

// Renames the database and its companions; on failure puts back what was moved.
bool moveRecord(const QString& from, const QString& to, QString* why) {
  QStringList moved;
  auto undo = [&] {
    for (const QString& companion : moved) QFile::rename(to + companion, from + companion);
  };
  for (const char* c : Companions) {
    const QString companion = QLatin1String(c);
    if (!QFileInfo::exists(from + companion)) continue;
    if (QFileInfo::exists(to + companion) || !QFile::rename(from + companion, to + companion)) {
      *why = QStringLiteral("%1 kan niet worden verplaatst").arg(native(from + companion));
      undo();
      return false;
    }
    moved << companion;
  }
  QFile database(from);
  if (!database.rename(to)) {
    *why = database.errorString();
    undo();
    return false;
  }
  return true;
}

}  // namespace

QString recordFile() {
  return Database::defaultFile();
}

QString earlierRecordFile() {
  return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QLatin1Char('/') +
         QCoreApplication::applicationName() + QStringLiteral("/splitsen.sqlite");
}

QString Adoption::message() const {
  switch (kind) {
    case Kind::Nothing:
      return QString();
    case Kind::Moved:
      return QStringLiteral("de resultaten uit %1 staan nu in %2").arg(native(from), native(to));
    case Kind::SetAside:
      return QStringLiteral(
                 "er stonden ook oudere resultaten in %1; die zijn bewaard als %2, naast de "
                 "resultaten van nu")
          .arg(native(from), native(to));
    case Kind::Failed:
      return QStringLiteral("de oudere resultaten in %1 blijven daar staan (%2)")
          .arg(native(from), why);
  }
  return QString();
}

Adoption adoptEarlierRecord(const QString& earlier, const QString& file, const QDateTime& now) {
  Adoption adoption;
  adoption.from = earlier;
  if (!QFileInfo::exists(earlier) || QFileInfo(earlier) == QFileInfo(file)) return adoption;
  const QString folder = QFileInfo(file).absolutePath();
  if (!QDir().mkpath(folder)) {
    adoption.kind = Adoption::Kind::Failed;
    adoption.why = QStringLiteral("de map %1 kan niet worden gemaakt").arg(native(folder));
    return adoption;
  }
  const bool both = QFileInfo::exists(file);
  adoption.to = both ? asideName(file, now) : file;
  if (!moveRecord(earlier, adoption.to, &adoption.why)) {
    adoption.kind = Adoption::Kind::Failed;
    adoption.to.clear();
    return adoption;
  }
  adoption.kind = both ? Adoption::Kind::SetAside : Adoption::Kind::Moved;
  return adoption;
}

void adoptEarlierRecord() {
  const Adoption adoption =
      adoptEarlierRecord(earlierRecordFile(), recordFile(), QDateTime::currentDateTime());
  if (adoption.kind != Adoption::Kind::Nothing)
    std::fprintf(stderr, "splitsen: %s\n", adoption.message().toLocal8Bit().constData());
}

}  // namespace record
