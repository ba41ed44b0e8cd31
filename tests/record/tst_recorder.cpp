// What the screens' three calls put in the record: response times from the program's
// clock, the child, the walk-through rows; that nothing queued is lost at the end; and
// that another program holding the file, or a newer program's file, holds up no screen.

#include <QLabel>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimeZone>

#include "record/csv.h"
#include "record/database.h"
#include "record/recorder.h"
#include "record/splitgrid.h"
#include "record/teacherview.h"
#include "tests/record/record_test_support.h"
#include "tests/support/harness.h"

using namespace record;
using recordtest::bytes;

class RecorderTest : public QObject {
  Q_OBJECT

 private:
  recordtest::RecordedProgram m_program;
  const QString& m_file = m_program.file();
  std::vector<Entry> entries() { return m_program.entries(); }

  // Starts again on the same file, trying again soon after a failure.
  void restart() {
    stop();
    Options options;
    options.file = m_file;
    options.retryMs = 20;
    options.busyTimeoutMs = 20;
    start(options);
  }

  // Another program that holds the file until it is told to let go.
  struct Holder {
    QProcess process;
    explicit Holder(const QString& file, bool whole) {
      process.start(QStringLiteral(RECORD_DRIVER),
                    {file, QStringLiteral("hold"), whole ? QStringLiteral("whole") : QString()});
    }
    bool holds() {
      return process.waitForReadyRead(10000) && process.readLine().trimmed() == "held";
    }
    bool letGo() {
      process.write("\n");
      process.closeWriteChannel();
      return process.waitForFinished(10000) && process.exitCode() == 0;
    }
  };

 private Q_SLOTS:
  void init() {
    Options options;
    options.wallClock = [] {
      return QDateTime(QDate(2026, 3, 5), QTime(9, 41, 7, 250), QTimeZone(3600));
    };
    m_program.begin(options);
  }
  void cleanup() { m_program.end(); }

  void the_time_runs_from_ready_to_verdict_and_a_retry_from_the_last_verdict() {
    ready(QStringLiteral("frmsplitsmachine"));
    m_program.h().advance(1500);
    answer(QStringLiteral("frmsplitsmachine"), 7, 3, QStringLiteral("5"), false);
    m_program.h().advance(700);
    answer(QStringLiteral("frmsplitsmachine"), 7, 3, QStringLiteral("4"), true);
    const auto rows = entries();
    QCOMPARE(rows.size(), size_t(2));
    QCOMPARE(*rows[0].ms, 1500);
    QVERIFY(!*rows[0].right);
    QCOMPARE(*rows[0].given, QStringLiteral("5"));
    QCOMPARE(*rows[1].ms, 700);
    QVERIFY(*rows[1].right);
    QCOMPARE(*rows[1].shown, 3);
    QCOMPARE(rows[1].time, QStringLiteral("2026-03-05T09:41:07.250+01:00"));
  }

  void each_exercise_keeps_its_own_ready_moment() {
    ready(QStringLiteral("frmsplits1"));
    m_program.h().advance(300);
    ready(QStringLiteral("frmsplitsrijenB"));
    m_program.h().advance(200);
    answer(QStringLiteral("frmsplits1"), 5, 2, QStringLiteral("2+3"), true);
    answer(QStringLiteral("frmsplitsrijenB"), 5, 1, QStringLiteral("4"), true);
    const auto rows = entries();
    QCOMPARE(*rows[0].ms, 500);
    QCOMPARE(*rows[1].ms, 200);
  }

  void an_answer_without_a_ready_question_has_no_time() {
    answer(QStringLiteral("frmsleepsplits3"), 6, 2, QStringLiteral("4"), true);
    const auto rows = entries();
    QCOMPARE(rows.size(), size_t(1));
    QVERIFY(!rows[0].ms);
  }

  void a_practised_number_has_no_part_answer_verdict_or_time() {
    practised(QStringLiteral("frmsplits2"), 8);
    const auto rows = entries();
    QCOMPARE(rows.size(), size_t(1));
    QCOMPARE(rows[0].number, 8);
    QVERIFY(!rows[0].shown && !rows[0].given && !rows[0].right && !rows[0].ms);
  }

  void the_chosen_child_is_on_every_later_answer() {
    practised(QStringLiteral("frmsplits2"), 3);
    setChild(QStringLiteral("Noor"));
    practised(QStringLiteral("frmsplits2"), 4);
    const auto rows = entries();
    QCOMPARE(rows[0].child, QString());
    QCOMPARE(rows[1].child, QStringLiteral("Noor"));
  }

  void nothing_queued_is_lost_when_recording_stops() {
    for (int i = 0; i < 500; ++i)
      answer(QStringLiteral("frmsplitsmachine"), 9, i % 10, QString::number(i), true);
    stop();
    Database db(m_file, QStringLiteral("check"));
    QVERIFY(db.open(false).on);
    int count = 0;
    db.forEachEntry(QString(), [&](const Entry&) { ++count; });
    QCOMPARE(count, 500);
  }

  // A record told to open late still opens at once for whatever needs the file.
  void a_late_opening_comes_at_once_when_the_file_is_needed_data() {
    QTest::addColumn<QString>("need");
    for (const char* need : {"answer", "status", "screen", "stop"}) QTest::newRow(need) << need;
  }
  void a_late_opening_comes_at_once_when_the_file_is_needed() {
    QFETCH(QString, need);
    stop();
    Options options;
    options.file = m_file;
    options.openAfterMs = 600000;
    start(options);
    QVERIFY(state().opening);
    if (need == QLatin1String("answer")) {
      answer(QStringLiteral("frmsplitsmachine"), 7, 3, QStringLiteral("4"), true);
      record::flush();
      QCOMPARE(entries().size(), size_t{1});
    } else if (need == QLatin1String("status")) {
      QVERIFY(status().on);
    } else if (need == QLatin1String("screen")) {
      bool opened = false;
      whenOpened([&opened] { opened = true; });
      QTRY_VERIFY(opened);
    } else {
      answer(QStringLiteral("frmsplitsmachine"), 7, 3, QStringLiteral("4"), true);
      stop();
      QCOMPARE(entries().size(), size_t{1});
    }
  }

  void without_a_started_record_the_calls_do_nothing() {
    stop();
    ready(QStringLiteral("frmsplitsmachine"));
    answer(QStringLiteral("frmsplitsmachine"), 7, 3, QStringLiteral("4"), true);
    practised(QStringLiteral("frmsplits2"), 8);
    record::flush();
    QVERIFY(!status().on);
    QVERIFY(entries().empty());
  }

  // The lock is held until the test lets go of it: a screen that waited for it would wait
  // for ever. Answers, the teacher's view and its state all go on meanwhile.
  void a_lock_held_by_another_program_holds_up_no_screen_and_loses_nothing_data() {
    QTest::addColumn<bool>("whole");
    QTest::newRow("its write lock") << false;
    QTest::newRow("the whole file") << true;
  }
  void a_lock_held_by_another_program_holds_up_no_screen_and_loses_nothing() {
    QFETCH(bool, whole);
    practised(QStringLiteral("frmsplits2"), 4);
    stop();  // the file exists, at the current version
    Holder holder(m_file, whole);
    QVERIFY(holder.holds());
    restart();
    TeacherView view;
    for (int i = 0; i < 30; ++i)
      answer(QStringLiteral("frmsplitsmachine"), 8, i % 9, QString::number(i), true);
    QTRY_VERIFY(!view.busy());
    QTRY_COMPARE(state().failure, Failure::Busy);
    QVERIFY(!state().on);
    view.refresh();
    QTRY_VERIFY(!view.busy());
    QVERIFY2(view.state()->text().contains(QStringLiteral("bezet")),
             qPrintable(view.state()->text()));
    QVERIFY(holder.letGo());
    QTRY_VERIFY(state().on);  // by itself
    const auto rows = entries();
    QCOMPARE(rows.size(), size_t(31));
    for (int i = 0; i < 30; ++i) QCOMPARE(*rows[size_t(i) + 1].given, QString::number(i));
  }

  void a_newer_programs_record_is_left_untouched_and_said_so() {
    practised(QStringLiteral("frmsplits2"), 4);
    stop();
    QVERIFY(recordtest::exec(m_file, {QStringLiteral("PRAGMA user_version = 99")}));
    const QByteArray before = bytes(m_file);
    restart();
    answer(QStringLiteral("frmsplitsmachine"), 7, 3, QStringLiteral("4"), true);
    TeacherView view;
    QTRY_VERIFY(!view.busy());
    QVERIFY2(view.state()->text().contains(QStringLiteral("nieuwere versie")),
             qPrintable(view.state()->text()));
    // Neither export claims that all is kept.
    const QString out = m_program.path(QStringLiteral("nieuwer%1.csv").arg(m_program.run()));
    QSignalSpy exported(&view, &TeacherView::exported);
    view.exportInBackground(out);
    QTRY_COMPARE(exported.size(), 1);
    QVERIFY2(exported[0][1].toString().contains(QStringLiteral("nieuwere versie")),
             qPrintable(exported[0][1].toString()));
    QString error;
    QVERIFY(!exportCsv(out, &error, m_file));
    QVERIFY(error.contains(QStringLiteral("nieuwere versie")));
    QVERIFY(!QFileInfo::exists(out));
    stop();
    QCOMPARE(bytes(m_file), before);
  }

  void the_view_says_bezig_until_it_has_read_the_record() {
    answer(QStringLiteral("frmsplitsmachine"), 7, 3, QStringLiteral("4"), true);
    TeacherView view;
    QVERIFY(view.busy());
    QVERIFY(view.state()->text().contains(QStringLiteral("Bezig")));
    QSignalSpy loaded(&view, &TeacherView::loaded);
    QVERIFY(loaded.wait());
    QVERIFY(!view.busy());
    QVERIFY(!view.state()->text().contains(QStringLiteral("Bezig")));
    QCOMPARE(view.grid()->summary().cell(7, 3).answers, 1);
  }

  void time_stamps_carry_their_offset_data() {
    QTest::addColumn<int>("offset");
    QTest::addColumn<QString>("text");
    QTest::newRow("UTC") << 0 << "2026-03-05T09:41:07.250+00:00";
    QTest::newRow("Brussels in winter") << 3600 << "2026-03-05T09:41:07.250+01:00";
    QTest::newRow("Newfoundland") << -12600 << "2026-03-05T09:41:07.250-03:30";
  }
  void time_stamps_carry_their_offset() {
    QFETCH(int, offset);
    QFETCH(QString, text);
    QCOMPARE(isoWithOffset(QDateTime(QDate(2026, 3, 5), QTime(9, 41, 7, 250), QTimeZone(offset))),
             text);
  }
};

QTEST_MAIN(RecorderTest)
#include "tst_recorder.moc"
