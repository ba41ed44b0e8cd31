// The built program from the command line, as a teacher runs it on a fresh computer: a
// home of its own, no display. --help, --version, --export and wrong options need no
// display; the export reads the record where the program records; no record, a record
// that cannot be read and a file that cannot be written each give one line and status 1
// and change nothing; a record at the earlier place is brought along.

#include <QDirIterator>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include "record/database.h"
#include "tests/record/record_test_support.h"

namespace {

struct Run {
  QProcess::ExitStatus status = QProcess::CrashExit;
  int exitCode = -1;
  QByteArray out;
  QByteArray error;
};

// Every record file below `folder`.
QStringList recordsBelow(const QString& folder) {
  QStringList found;
  QDirIterator it(folder, {QStringLiteral("*.sqlite")}, QDir::Files | QDir::Hidden,
                  QDirIterator::Subdirectories);
  while (it.hasNext()) found << it.next();
  return found;
}

// The CSV lines (after the header) of `child`.
int exportedLines(const QString& csv, const QString& child) {
  return int(recordtest::bytes(csv).count((QLatin1Char(';') + child + QLatin1Char(';')).toUtf8()));
}

}  // namespace

class ExportCommandLineTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<QTemporaryDir> m_home;

  QString home(const QString& path) const { return m_home->filePath(path); }
  // Where the program keeps its record, and where an earlier version kept it.
  QString place() const {
    return home(QStringLiteral(".local/share/splitsen/splitsen/splitsen.sqlite"));
  }
  QString earlierPlace() const {
    return home(QStringLiteral(".local/share/splitsen/splitsen.sqlite"));
  }

  // The environment of a user whose home is the temporary folder, without a display.
  QProcessEnvironment environment() const {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "XDG_DATA_HOME",
                             "XDG_CONFIG_HOME", "XDG_DATA_DIRS"})
      env.remove(QLatin1String(name));
    env.insert(QStringLiteral("HOME"), m_home->path());
    return env;
  }

  Run run(const QStringList& arguments) {
    QProcess p;
    p.setProcessEnvironment(environment());
    p.start(QStringLiteral(SPLITSEN_PROGRAM), arguments);
    p.waitForFinished(60000);
    return {p.exitStatus(), p.exitCode(), p.readAllStandardOutput(), p.readAllStandardError()};
  }

  // Starts the program with its windows (offscreen) until its record is open, then ends it.
  bool startWithWindows() {
    QProcess p;
    QProcessEnvironment env = environment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    p.setProcessEnvironment(env);
    p.start(QStringLiteral(SPLITSEN_PROGRAM), QStringList());
    if (!p.waitForStarted()) return false;
    bool opened = false;
    for (int i = 0; i < 600 && !opened; ++i) {
      if (p.waitForFinished(100)) return false;  // ended by itself
      opened = QFileInfo::exists(place());
    }
    p.terminate();
    if (!p.waitForFinished(30000)) p.kill();
    p.waitForFinished();
    return opened;
  }

  static void verifyOneLine(const Run& r) {
    QCOMPARE(r.status, QProcess::NormalExit);
    QCOMPARE(r.out, QByteArray());
    QVERIFY2(r.error.startsWith("splitsen: ") && r.error.count('\n') == 1, r.error.constData());
  }

 private Q_SLOTS:
  void init() { m_home = std::make_unique<QTemporaryDir>(); }

  void worksWithoutADisplay_data() {
    QTest::addColumn<QString>("argument");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("says");  // on stdout with 0, on stderr otherwise
    QTest::newRow("help") << "--help" << 0 << "--export=";
    QTest::newRow("version") << "--version" << 0 << "splitsen ";
    QTest::newRow("zoom out of range") << "--zoom=9" << 2 << "van 0,5 tot 4";
    QTest::newRow("unknown option") << "--kleur=rood" << 2 << "--kleur=rood";
  }
  void worksWithoutADisplay() {
    QFETCH(QString, argument);
    QFETCH(int, exitCode);
    QFETCH(QString, says);
    const Run r = run({argument});
    QCOMPARE(r.status, QProcess::NormalExit);
    QCOMPARE(r.exitCode, exitCode);
    if (exitCode == 0) {
      QVERIFY2(r.out.contains(says.toUtf8()), r.out.constData());
      QCOMPARE(r.error, QByteArray());
    } else {
      verifyOneLine(r);
      QVERIFY2(r.error.contains(says.toUtf8()), r.error.constData());
    }
    // Nothing is written to a home that only asked a question.
    QVERIFY(!QFileInfo::exists(home(QStringLiteral(".local/share/splitsen"))));
  }

  // The program with its windows records in one place; the export reads that place. A
  // record an earlier version left is brought along by either.
  void exportFindsWhatTheProgramRecorded_data() {
    QTest::addColumn<int>("earlierSaved");  // -1: no earlier record
    QTest::addColumn<int>("earlierInLog");
    QTest::newRow("a fresh computer") << -1 << 0;
    QTest::newRow("a record at the earlier place") << 2 << 1;
  }
  void exportFindsWhatTheProgramRecorded() {
    QFETCH(int, earlierSaved);
    QFETCH(int, earlierInLog);
    if (earlierSaved >= 0)
      QVERIFY(recordtest::writeRecord(earlierPlace(), QStringLiteral("Oud"), earlierSaved,
                                      earlierInLog));
    QVERIFY(startWithWindows());
    QCOMPARE(recordsBelow(m_home->path()), QStringList{place()});
    {
      record::Database db(place(), QStringLiteral("fill"));
      QVERIFY(db.open(false).on);
      QCOMPARE(db.insert({recordtest::answer(7, 3, "4", true, 1500, "Noor")}),
               record::Failure::None);
    }
    const QString csv = home(QStringLiteral("uit.csv"));
    const Run r = run({QStringLiteral("--export=") + csv});
    QCOMPARE(r.status, QProcess::NormalExit);
    QCOMPARE(r.exitCode, 0);
    QCOMPARE(r.out, QByteArray());
    QCOMPARE(r.error, QByteArray());
    QVERIFY(recordtest::bytes(csv).contains(";Noor;SPLITSMACHINE;7;3;4;1;1500"));
    QCOMPARE(exportedLines(csv, QStringLiteral("Oud")),
             std::max(earlierSaved, 0) + (earlierSaved >= 0) * earlierInLog);
  }

  // Each fails with one line and status 1; the record stays as it was, no file is made.
  void aFailedExportChangesNothing_data() {
    QTest::addColumn<QString>("record");  // none, answers, garbage
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("named");
    QTest::newRow("no record on this computer") << "none"
                                                << "uit.csv"
                                                << "nog geen resultaten";
    QTest::newRow("a file that cannot be written") << "answers"
                                                   << "gewoon/uit.csv"
                                                   << "gewoon/uit.csv";
    QTest::newRow("a record that is no database") << "garbage"
                                                  << "uit.csv"
                                                  << "beschadigd";
  }
  void aFailedExportChangesNothing() {
    QFETCH(QString, record);
    QFETCH(QString, target);
    QFETCH(QString, named);
    recordtest::write(home(QStringLiteral("gewoon")), "een bestand, geen map");
    if (record == QLatin1String("answers"))
      QVERIFY(recordtest::writeRecord(place(), QStringLiteral("Noor"), 3));
    if (record == QLatin1String("garbage")) {
      QVERIFY(QDir().mkpath(QFileInfo(place()).absolutePath()));
      recordtest::write(place(), QByteArray(4096, 'x'));
    }
    const QByteArray before = recordtest::bytes(place());

    const Run r = run({QStringLiteral("--export=") + home(target)});
    QCOMPARE(r.exitCode, 1);
    verifyOneLine(r);
    QVERIFY2(r.error.contains(named.toUtf8()), r.error.constData());
    QVERIFY(!QFileInfo::exists(home(target)));
    QCOMPARE(recordtest::bytes(place()), before);
    if (record == QLatin1String("none")) QCOMPARE(recordsBelow(m_home->path()), QStringList());
    if (record == QLatin1String("answers"))
      QCOMPARE(recordtest::answers(place(), QStringLiteral("Noor")), 3);
  }
};

QTEST_GUILESS_MAIN(ExportCommandLineTest)
#include "tst_export_command_line.moc"
