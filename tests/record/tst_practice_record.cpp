// Adaptive practice in the record: every answer is recorded like the other exercises',
// what the child knows is kept per child and found again by a new program, "Wis gegevens"
// clears it, and rows that cannot be read or a file that cannot take them lose nothing.

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

#include "exercises/adaptive_practice/frmopmaat.h"
#include "record/practicestore.h"
#include "record/recorder.h"
#include "tests/record/record_test_support.h"
#include "tests/support/harness.h"

using recordtest::scalar;

namespace {

// The missing part of the waiting question.
int missingPart(const frmopmaat& f) {
  const QStringList parts = f.lblvraag.caption().split(QLatin1Char(' '));
  if (parts.size() != 5) return -1;
  const QString shown = parts[2] == QLatin1String("?") ? parts[4] : parts[2];
  return parts[0].toInt() - shown.toInt();
}

// Plays `play` on the screen: per letter, 'r' right after 2 s, 'w' wrong, '?' I don't know,
// 't' the time running out; each followed by the verdict's time.
void play(Harness& h, frmopmaat& f, const QString& steps) {
  for (const QChar step : steps) {
    const int right = missingPart(f);
    if (step == u'r' || step == u'w') {
      h.advance(2000);
      f.cmdantwoord[step == u'r' ? right : (right + 1) % 11].click();
    } else if (step == u'?') {
      f.cmdweetniet.click();
    } else {
      h.advance(frmopmaat::Munten * 1000);
    }
    h.advance(3000);
  }
}

int rows(const QString& file, const QString& table, const QString& where = QString()) {
  return scalar(file, QStringLiteral("SELECT count(*) FROM %1 %2").arg(table, where)).toInt();
}

}  // namespace

class TestPracticeRecord : public QObject {
  Q_OBJECT

  QTemporaryDir m_dir;
  QString m_file;
  int m_run = 0;

  void startRecord(int busyMs = record::Database::BusyTimeoutMs, int retryMs = 2000) {
    record::Options options;
    options.file = m_file;
    options.busyTimeoutMs = busyMs;
    options.retryMs = retryMs;
    record::start(options);
    record::status();  // opened
  }

  // The screen of a fresh program for `child`, its record started on this test's file.
  static frmopmaat& openFor(Harness& h, const QString& child) {
    record::setChild(child);
    frmopmaat& f = h.program().form<frmopmaat>();
    f.Show();
    return f;
  }

 private Q_SLOTS:
  void init() { m_file = m_dir.filePath(QStringLiteral("run%1.sqlite").arg(++m_run)); }
  void cleanup() { record::stop(); }

  void answersAreRecordedAsTheOtherExercises() {
    startRecord();
    Harness h;
    frmopmaat& f = openFor(h, QString());
    play(h, f, QStringLiteral("rw?t"));
    record::flush();
    QCOMPARE(rows(m_file, "answers", "WHERE exercise = 'frmopmaat'"), 4);
    QCOMPARE(rows(m_file, "answers", "WHERE given = '' AND right = 0"), 2);  // "?" and time-out
    QCOMPARE(rows(m_file, "answers", "WHERE right = 1 AND ms = 2000"), 1);
    QCOMPARE(rows(m_file, "answers", "WHERE shown + CAST(given AS INTEGER) = number"), 1);
  }

  // A child continues at its level: a new program finds what it knows, and so does a
  // second child, apart from the first.
  void keptAcrossANewProgram_data() {
    QTest::addColumn<QString>("child");
    QTest::addColumn<QString>("steps");
    QTest::newRow("the computer's one child") << QString() << "rrrrrrrrwr";
    QTest::newRow("a child of the class list") << "Noor"
                                               << "rrw?rrrt";
  }
  void keptAcrossANewProgram() {
    QFETCH(QString, child);
    QFETCH(QString, steps);
    startRecord();
    practice::ChildState known;
    practice::Difficulties difficulties;
    {
      Harness h;
      frmopmaat& f = openFor(h, child);
      play(h, f, steps);
      known = f.kind;
      difficulties = f.moeilijkheden;
      f.cmdstop.click();
    }
    QCOMPARE(known.answers, int(steps.size()));
    record::stop();
    startRecord();
    Harness h;
    {
      frmopmaat& other = openFor(h, QStringLiteral("Daan"));  // another child starts anew
      QCOMPARE(other.kind.answers, 0);
      QCOMPARE(other.kind.ability, practice::kStartAbility);
      other.cmdstop.click();
    }
    frmopmaat& f = openFor(h, child);
    QCOMPARE(f.kind, known);
    QCOMPARE(f.moeilijkheden.questions.size(), difficulties.questions.size());
    for (size_t i = 0; i < difficulties.questions.size(); ++i) {
      QCOMPARE(f.moeilijkheden.questions[i].answers, difficulties.questions[i].answers);
      QVERIFY(qFuzzyCompare(1.0 + f.moeilijkheden.questions[i].difficulty,
                            1.0 + difficulties.questions[i].difficulty));
    }
  }

  void wipingClearsPractice_data() {
    QTest::addColumn<QString>("wiped");  // null: everyone
    QTest::addColumn<int>("childrenLeft");
    QTest::addColumn<bool>("itemsLeft");
    QTest::newRow("one child") << "Noor" << 1 << true;
    QTest::newRow("everyone") << QString() << 0 << false;
  }
  void wipingClearsPractice() {
    QFETCH(QString, wiped);
    QFETCH(int, childrenLeft);
    QFETCH(bool, itemsLeft);
    startRecord();
    Harness h;
    for (const char* name : {"Noor", "Daan"}) {
      frmopmaat& f = openFor(h, QString::fromLatin1(name));
      play(h, f, QStringLiteral("rrw"));
      f.cmdstop.click();
    }
    record::flush();
    QCOMPARE(rows(m_file, "practice_child"), 2);
    {
      record::Database db(m_file, QStringLiteral("teacher"));
      QVERIFY(db.open(false).on);
      QCOMPARE(db.wipe(wiped), record::Failure::None);
    }
    record::practiceStore().forget(wiped);  // as the teacher's view does after wiping
    QCOMPARE(rows(m_file, "practice_child"), childrenLeft);
    QCOMPARE(rows(m_file, "practice_split", "WHERE child = 'Noor'"), 0);
    QCOMPARE(rows(m_file, "practice_split", "WHERE child = 'Daan'") > 0, childrenLeft > 0);
    QCOMPARE(rows(m_file, "practice_item") > 0, itemsLeft);
    frmopmaat& f = openFor(h, QStringLiteral("Noor"));  // the open screen forgets it too
    QCOMPARE(f.kind.answers, 0);
  }

  // Rows that cannot be understood are left out; the child practises on, the rest is
  // kept.
  void unreadableRowsAreLeftOutAndTheRestKept_data() {
    QTest::addColumn<QString>("bad");
    QTest::newRow("ability not a number")
        << "UPDATE practice_child SET ability = 'veel' WHERE child = ''";
    QTest::newRow("split of a whole beyond ten")
        << "INSERT INTO practice_split (child, whole, smaller, box, due_day, tries) VALUES ('', "
           "99, 3, 2, 0, '')";
    QTest::newRow("tries garbled") << "INSERT INTO practice_split (child, whole, smaller, box, "
                                      "due_day, tries) VALUES ('', 9, 4, 3, 0, 'x:y')";
    QTest::newRow("question unknown")
        << "INSERT INTO practice_item (item, difficulty, answers) VALUES ('7=?+?', 1.0, 3)";
    QTest::newRow("difficulty not a number")
        << "INSERT INTO practice_item (item, difficulty, answers) VALUES ('8=?+6', 'zwaar', 3)";
  }
  void unreadableRowsAreLeftOutAndTheRestKept() {
    QFETCH(QString, bad);
    startRecord();
    QVERIFY(recordtest::exec(
        m_file, {"INSERT INTO practice_child (child, ability, answers) VALUES ('', 0.5, 40)",
                 "INSERT INTO practice_split (child, whole, smaller, box, due_day, tries) VALUES "
                 "('', 7, 3, 4, 0, '100:900:1;101:800:1')",
                 bad}));
    Harness h;
    frmopmaat& f = openFor(h, QString());
    const practice::SplitRecord& seven = f.kind.splits[practice::splitIndex({7, 3})];
    QCOMPARE(seven.box, 4);
    QCOMPARE(int(seven.tries.size()), 2);
    QCOMPARE(f.kind.answers, 40);
    play(h, f, QStringLiteral("rw"));  // goes on as ever
    QCOMPARE(f.kind.answers, 42);
    record::flush();
    QCOMPARE(scalar(m_file, "SELECT answers FROM practice_child WHERE child = ''").toInt(), 42);
    QCOMPARE(rows(m_file, "practice_split", "WHERE whole = 7 AND smaller = 3 AND box = 4"), 1);
  }

  // While another program holds the file, what practice keeps waits in memory with the
  // answers, and is written once the file is free again.
  void aFileHeldElsewhereLosesNothing() {
    startRecord(50, 50);
    Harness h;
    frmopmaat& f = openFor(h, QStringLiteral("Noor"));
    {
      QSqlDatabase other = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), "other");
      other.setDatabaseName(m_file);
      QVERIFY(other.open());
      QSqlQuery hold(other);
      QVERIFY(hold.exec(QStringLiteral("BEGIN IMMEDIATE")));
      play(h, f, QStringLiteral("rrw"));
      record::flush();  // tried, and waits
      QCOMPARE(f.kind.answers, 3);
      QVERIFY(!record::state().on);
      QVERIFY(hold.exec(QStringLiteral("ROLLBACK")));
      hold.finish();
      other.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("other"));
    QVERIFY(QTest::qWaitFor([] { return record::state().on; }, 5000));
    record::flush();
    QCOMPARE(scalar(m_file, "SELECT answers FROM practice_child WHERE child = 'Noor'").toInt(), 3);
    QCOMPARE(rows(m_file, "answers", "WHERE exercise = 'frmopmaat'"), 3);
  }
};

QTEST_MAIN(TestPracticeRecord)
#include "tst_practice_record.moc"
