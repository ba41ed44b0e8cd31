// A record that an earlier version left one folder higher is brought to the record's one
// place: moved with its log when that place has none, set aside beside the record when
// both have one, left where it was when it cannot be moved. Never an answer lost.

#include <QTemporaryDir>
#include <QTest>

#include "record/location.h"
#include "tests/record/record_test_support.h"

using record::Adoption;
using Kind = Adoption::Kind;

namespace {

const QString Earlier = QStringLiteral("Oud");  // the child in the earlier record
const QString Here = QStringLiteral("Nu");      // the child in the record at the one place
const QDateTime Now(QDate(2026, 3, 5), QTime(9, 41, 7));
const QString Aside = QStringLiteral("splitsen-oude-plek-2026-03-05-094107");

// The answers of `child` in the record at `file`, 0 when there is none.
int count(const QString& file, const QString& child) {
  return std::max(recordtest::answers(file, child), 0);
}

}  // namespace

class RecordLocationTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void theEarlierRecordIsKept_data() {
    QTest::addColumn<int>("earlierSaved");  // -1: no record at the earlier place
    QTest::addColumn<int>("earlierInLog");
    QTest::addColumn<int>("hereSaved");  // -1: none at the one place
    QTest::addColumn<QString>("obstacle");
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<QString>("aside");  // the set-aside name, without .sqlite

    QTest::newRow("nothing earlier") << -1 << 0 << 2 << "" << Kind::Nothing << "";
    QTest::newRow("nothing anywhere") << -1 << 0 << -1 << "" << Kind::Nothing << "";
    QTest::newRow("moved") << 3 << 0 << -1 << "" << Kind::Moved << "";
    QTest::newRow("moved with its log") << 2 << 2 << -1 << "" << Kind::Moved << "";
    QTest::newRow("a move interrupted after the log")
        << 2 << 1 << -1 << "log already moved" << Kind::Moved << "";
    QTest::newRow("both: set aside") << 2 << 1 << 4 << "" << Kind::SetAside << Aside;
    QTest::newRow("both, the dated name taken")
        << 1 << 0 << 1 << "dated name taken" << Kind::SetAside << Aside + QStringLiteral("-2");
    QTest::newRow("a foreign log at the one place")
        << 2 << 1 << -1 << "foreign log" << Kind::Failed << "";
    QTest::newRow("the one place cannot be made")
        << 2 << 1 << -1 << "folder is a file" << Kind::Failed << "";
  }
  void theEarlierRecordIsKept() {
    QFETCH(int, earlierSaved);
    QFETCH(int, earlierInLog);
    QFETCH(int, hereSaved);
    QFETCH(QString, obstacle);
    QFETCH(Kind, kind);
    QFETCH(QString, aside);

    QTemporaryDir data;
    const QString earlier = data.filePath(QStringLiteral("splitsen/splitsen.sqlite"));
    QString here = data.filePath(QStringLiteral("splitsen/splitsen/splitsen.sqlite"));
    if (earlierSaved >= 0)
      QVERIFY(recordtest::writeRecord(earlier, Earlier, earlierSaved, earlierInLog));
    if (hereSaved >= 0) QVERIFY(recordtest::writeRecord(here, Here, hereSaved));
    if (obstacle == QLatin1String("log already moved")) {
      QVERIFY(QDir().mkpath(QFileInfo(here).absolutePath()));
      QVERIFY(QFile::rename(earlier + QStringLiteral("-wal"), here + QStringLiteral("-wal")));
    } else if (obstacle == QLatin1String("dated name taken")) {
      recordtest::write(
          data.filePath(QStringLiteral("splitsen/splitsen/") + Aside + QStringLiteral(".sqlite")),
          "bezet");
    } else if (obstacle == QLatin1String("foreign log")) {
      QVERIFY(QDir().mkpath(QFileInfo(here).absolutePath()));
      recordtest::write(here + QStringLiteral("-wal"), "van iemand anders");
    } else if (obstacle == QLatin1String("folder is a file")) {
      recordtest::write(data.filePath(QStringLiteral("blocked")), "x");
      here = data.filePath(QStringLiteral("blocked/splitsen/splitsen.sqlite"));
    }

    const Adoption adoption = record::adoptEarlierRecord(earlier, here, Now);
    QCOMPARE(adoption.kind, kind);
    QVERIFY2(!adoption.message().contains(QLatin1Char('\n')), qPrintable(adoption.message()));
    QCOMPARE(adoption.message().isEmpty(), kind == Kind::Nothing);
    if (kind != Kind::Nothing)
      QVERIFY2(adoption.message().contains(QDir::toNativeSeparators(earlier)),
               qPrintable(adoption.message()));

    // Nothing lost: every earlier answer is somewhere, and the one place keeps its own.
    const QString asideFile =
        QFileInfo(here).absolutePath() + QLatin1Char('/') + aside + QStringLiteral(".sqlite");
    const int earlierAnswers = std::max(earlierSaved, 0) + earlierInLog * (earlierSaved >= 0);
    const int whereNow = kind == Kind::Moved      ? count(here, Earlier)
                         : kind == Kind::SetAside ? count(asideFile, Earlier)
                                                  : count(earlier, Earlier);
    QCOMPARE(whereNow, earlierAnswers);
    QCOMPARE(count(here, Here), std::max(hereSaved, 0));
    if (kind == Kind::Moved || kind == Kind::SetAside) {
      QCOMPARE(adoption.to, kind == Kind::Moved ? here : asideFile);
      for (const char* suffix : {"", "-wal", "-shm"})
        QVERIFY2(!QFileInfo::exists(earlier + QLatin1String(suffix)), suffix);
    }
    if (kind == Kind::SetAside) QCOMPARE(count(here, Earlier), 0);
    if (obstacle == QLatin1String("foreign log"))
      QCOMPARE(recordtest::bytes(here + QStringLiteral("-wal")), QByteArray("van iemand anders"));
  }
};

QTEST_GUILESS_MAIN(RecordLocationTest)
#include "tst_record_location.moc"
