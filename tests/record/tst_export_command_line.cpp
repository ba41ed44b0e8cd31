// splitsen --export=FILE: nothing on screen or stdout and status 0 on success; one line
// on stderr naming the place and status 1 when it cannot be written. Runs the program
// itself with its data folder in a temporary place.

#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include "record/database.h"
#include "tests/record/record_test_support.h"

class ExportCommandLineTest : public QObject {
  Q_OBJECT

 private:
  QTemporaryDir m_home;

  QProcess* run(const QString& argument) {
    auto* p = new QProcess(this);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_DATA_HOME"), m_home.path());
    env.remove(QStringLiteral("DISPLAY"));  // works without a display
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    p->setProcessEnvironment(env);
    p->start(QStringLiteral(SPLITSEN_PROGRAM), {argument});
    p->waitForFinished(20000);
    return p;
  }

 private Q_SLOTS:
  void initTestCase() {
    record::Database db(m_home.filePath(QStringLiteral("splitsen/splitsen.sqlite")),
                        QStringLiteral("fill"));
    QVERIFY(db.open(true).on);
    QCOMPARE(db.insert({recordtest::answer(7, 3, "4", true, 1500, "Noor")}), record::Failure::None);
  }

  void a_writable_place_gets_the_record_silently() {
    const QString out = m_home.filePath(QStringLiteral("uit.csv"));
    QProcess* p = run(QStringLiteral("--export=") + out);
    QCOMPARE(p->exitStatus(), QProcess::NormalExit);
    QCOMPARE(p->exitCode(), 0);
    QCOMPARE(p->readAllStandardOutput(), QByteArray());
    QCOMPARE(p->readAllStandardError(), QByteArray());
    const QList<QByteArray> lines = recordtest::bytes(out).split('\n');
    QCOMPARE(lines.size(), 3);  // header, one answer, the final line end
    QVERIFY(lines[1].contains(";Noor;SPLITSMACHINE;7;3;4;1;1500"));
  }

  void a_place_that_cannot_be_written_is_named_on_one_line() {
    recordtest::write(m_home.filePath(QStringLiteral("gewoon")), "x");
    const QString out = m_home.filePath(QStringLiteral("gewoon/uit.csv"));
    QProcess* p = run(QStringLiteral("--export=") + out);
    QCOMPARE(p->exitCode(), 1);
    QCOMPARE(p->readAllStandardOutput(), QByteArray());
    const QByteArray error = p->readAllStandardError();
    QCOMPARE(error.count('\n'), 1);
    QVERIFY2(error.contains(out.toLocal8Bit()), error.constData());
  }
};

QTEST_GUILESS_MAIN(ExportCommandLineTest)
#include "tst_export_command_line.moc"
