// What each exercise puts in the record when a child works in it: the number, the part
// shown, the answer as typed or clicked, the verdict and the time since the question was
// on screen; the walk-through screens only the number that was chosen.

#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "app/all_screens.h"
#include "exercises/click_and_split/frmsleepsplits.h"
#include "exercises/look_and_split/frmsplits1.h"
#include "exercises/missing_part_chosen/frmsleepsplits2.h"
#include "exercises/missing_part_score/frmsleepsplits3.h"
#include "exercises/number_image_splitting/frmsplitsbeeldB.h"
#include "exercises/split_friends/frmsplitsrijenB.h"
#include "exercises/split_machine/frmsplitsmachine.h"
#include "exercises/split_memorising/frmsplits2.h"
#include "exercises/split_series/frmsplitsrijenA.h"
#include "record/database.h"
#include "record/exercises.h"
#include "record/recorder.h"
#include "shell/frmkiesbasis.h"
#include "shell/mdiform2.h"
#include "tests/record/record_test_support.h"
#include "tests/support/harness.h"

using namespace forms;
using record::Entry;

class ScreensRecordTest : public QObject {
  Q_OBJECT

 private:
  recordtest::RecordedProgram m_run;
  Harness& h() { return m_run.h(); }
  std::vector<Entry> entries() { return m_run.entries(); }

  // Missing values: shown -1, given "<none>", right -1, ms -1.
  static void verify(const Entry& e, const char* exercise, int number, int shown,
                     const QString& given, int right, qint64 ms) {
    QCOMPARE(e.exercise, QString::fromLatin1(exercise));
    QCOMPARE(e.number, number);
    QCOMPARE(e.shown.value_or(-1), shown);
    QCOMPARE(e.given.value_or(QStringLiteral("<none>")), given);
    QCOMPARE(e.right ? int(*e.right) : -1, right);
    QCOMPARE(e.ms.value_or(-1), ms);
  }
  static void type(TextBox& box, const QString& keys) { QTest::keyClicks(box.widget(), keys); }

 private Q_SLOTS:
  void init() { m_run.begin(); }
  void cleanup() { m_run.end(); }

  void the_teacher_reads_each_exercise_under_its_title_with_its_chooser_picture_data() {
    QTest::addColumn<QString>("key");
    for (const record::Exercise& e : record::exercises()) QTest::newRow(e.key) << e.key;
  }
  void the_teacher_reads_each_exercise_under_its_title_with_its_chooser_picture() {
    QFETCH(QString, key);
    registerAllScreens(h().program());
    const QString name = record::exerciseName(key);
    // The screen's title, with a word in parentheses only where screens share a title.
    const QString title = h().program().form(key).caption().trimmed();
    int sharing = 0, named = 0;
    for (const record::Exercise& e : record::exercises()) {
      sharing += h().program().form(QString::fromLatin1(e.key)).caption().trimmed() == title;
      named += record::exerciseName(QString::fromLatin1(e.key)) == name;
    }
    QCOMPARE(named, 1);
    if (sharing == 1)
      QVERIFY2(name.compare(title, Qt::CaseInsensitive) == 0, qPrintable(name));
    else
      QVERIFY2(name.startsWith(title + QStringLiteral(" (")) && name.endsWith(QLatin1Char(')')),
               qPrintable(name));
    // The chooser's button that opens this screen wears the same picture.
    h().start();
    auto& chooser = h().program().form<frmkiesbasis>();
    QString worn;
    for (CommandButton* button : chooser.findChildren<CommandButton*>()) {
      if (button->objectName() == QLatin1String("cmdstop")) continue;
      chooser.Show();
      for (const record::Exercise& e : record::exercises())
        h().program().form(QString::fromLatin1(e.key)).Hide();
      button->click();
      if (h().program().form(key).isVisible()) worn = button->picture().key();
    }
    QVERIFY(!worn.isEmpty());
    QCOMPARE(Picture::svg(record::exercisePicture(key)).key(), worn);
  }

  void split_machine_times_from_the_open_lid_and_keeps_what_was_typed() {
    auto& f = h().program().form<frmsplitsmachine>();
    f.Show();
    h().random().then({drawFor(2, 6)});  // 7 as 3 + 4
    f.cmd(7).click();
    h().advance(700);  // the lid opens: the question is on screen
    h().advance(1300);
    type(f.txtmult2, "5");
    f.cmdcontrole.click();
    h().advance(400);
    type(f.txtmult2, "4");
    f.cmdcontrole.click();
    const auto rows = entries();
    QCOMPARE(rows.size(), size_t(2));
    verify(rows[0], "frmsplitsmachine", 7, 3, "5", false, 1300);
    verify(rows[1], "frmsplitsmachine", 7, 3, "4", true, 400);
  }

  void split_machine_answer_typed_before_the_lid_opens_counts_from_the_start() {
    auto& f = h().program().form<frmsplitsmachine>();
    f.Show();
    h().random().then({drawFor(0, 3)});  // 4 as 1 + 3
    f.cmd(4).click();
    h().advance(500);
    type(f.txtmult2, "3");
    f.cmdcontrole.click();  // freezes the run: the lid never opens
    const auto rows = entries();
    QCOMPARE(rows.size(), size_t(1));
    verify(rows[0], "frmsplitsmachine", 4, 1, "3", true, 500);
  }

  void look_and_split_records_both_digits_and_only_the_exact_split_is_right_data() {
    QTest::addColumn<int>("left");
    QTest::addColumn<int>("right");
    QTest::addColumn<bool>("verdict");
    QTest::newRow("right") << 2 << 4 << true;
    QTest::newRow("swapped") << 4 << 2 << false;
    QTest::newRow("wrong") << 1 << 1 << false;
  }
  void look_and_split_records_both_digits_and_only_the_exact_split_is_right() {
    QFETCH(int, left);
    QFETCH(int, right);
    QFETCH(bool, verdict);
    auto& f = h().program().form<frmsplits1>();
    f.Show();
    Harness::control<Image>(f, QStringLiteral("imgzes")).click();
    h().random().then({drawFor(2, 6)});  // 6 as 2 + 4
    f.cmdzes.click();
    h().advance(2500);
    Harness::control<CommandButton>(f, QStringLiteral("cmdlinks%1").arg(left)).click();
    Harness::control<CommandButton>(f, QStringLiteral("cmdrechts%1").arg(right)).click();
    const auto rows = entries();
    QCOMPARE(rows.size(), size_t(1));
    verify(rows[0], "frmsplits1", 6, 2, QStringLiteral("%1+%2").arg(left).arg(right), int(verdict),
           2500);
  }

  void split_friends_records_each_row_with_its_left_number() {
    auto& f = h().program().form<frmsplitsrijenB>();
    f.Show();
    h().random().then({drawFor(6, 9)});  // 7
    f.cmdstart.click();
    h().advance(3000);
    type(f.txtsplis[0], "5");  // 2 + 5
    f.cmdeen[0].click();
    h().advance(1000);
    type(f.txtsplis[1], "x");  // 1 + ?, not a number: judged as 0
    f.cmdeen[1].click();
    const auto rows = entries();
    QCOMPARE(rows.size(), size_t(2));
    verify(rows[0], "frmsplitsrijenB", 7, 2, "5", true, 3000);
    verify(rows[1], "frmsplitsrijenB", 7, 1, "0", false, 1000);
  }

  void missing_part_with_a_chosen_number() {
    auto& f = h().program().form<frmsleepsplits2>();
    f.Show();
    h().random().then({drawFor(3, 10)});  // 8 as 3 + ?
    f.cmdsplits8.click();
    h().advance(2200);
    type(f.txtantwoord, "6");
    f.cmdcontroleer.click();
    h().advance(800);
    type(f.txtantwoord, "05");
    f.cmdcontroleer.click();
    const auto rows = entries();
    QCOMPARE(rows.size(), size_t(2));
    verify(rows[0], "frmsleepsplits2", 8, 3, "6", false, 2200);
    verify(rows[1], "frmsleepsplits2", 8, 3, "05", true, 800);
  }

  void missing_part_with_score() {
    auto& f = h().program().form<frmsleepsplits3>();
    f.Show();
    h().random().then({drawFor(3, 10), drawFor(8, 10)});  // 9 as 4 + ?
    f.cmdstart.click();
    h().advance(1800);
    type(f.txtantwoord, "5");
    f.cmdcontroleer.click();
    const auto rows = entries();
    QCOMPARE(rows.size(), size_t(1));
    verify(rows[0], "frmsleepsplits3", 9, 4, "5", true, 1800);
  }

  void walk_through_screens_record_the_chosen_number() {
    h().program().form<frmsplits2>().Show();
    h().program().form<frmsplits2>().cmd(6).click();
    h().program().form<frmsleepsplits>().Show();
    h().program().form<frmsleepsplits>().cmdsplits9.click();
    h().program().form<frmsplitsrijenA>().Show();
    h().program().form<frmsplitsrijenA>().cmdgetal[4].click();
    h().program().form<frmsplitsbeeldB>().Show();
    h().program().form<frmsplitsbeeldB>().cmd1topplus.click();
    const auto rows = entries();
    QCOMPARE(rows.size(), size_t(4));
    verify(rows[0], "frmsplits2", 6, -1, "<none>", -1, -1);
    verify(rows[1], "frmsleepsplits", 9, -1, "<none>", -1, -1);
    verify(rows[2], "frmsplitsrijenA", 4, -1, "<none>", -1, -1);
    verify(rows[3], "frmsplitsbeeldB", 10, -1, "<none>", -1, -1);
  }

  // Closing the main window ends the program as a user starts and leaves it: every answer
  // given up to then is in the record, and the file is whole. (Last: it starts the
  // program's own way, record and quit included.)
  void closing_the_main_window_leaves_every_answer_in_a_whole_record() {
    m_run.end();
    QTemporaryDir data;
    qputenv("XDG_DATA_HOME", data.path().toLocal8Bit());
    Harness h;
    startSplitsen(h.program(), {}, nullptr);
    auto& f = h.show<frmsplitsmachine>();
    for (int deel = 1; deel <= 3; ++deel) {
      h.random().then({drawFor(deel - 1, 6)});
      f.cmd(7).click();
      h.advance(1000);
      type(f.txtmult2, QString::number(7 - deel));
      f.cmdcontrole.click();
    }
    QTimer::singleShot(0, [] { screens::MDIForm2().close(); });
    QCOMPARE(QCoreApplication::exec(), 0);
    const QString file = record::file();
    QVERIFY(file.startsWith(data.path()));
    QCOMPARE(recordtest::scalar(file, QStringLiteral("PRAGMA quick_check")).toString(), "ok");
    QCOMPARE(recordtest::scalar(file, QStringLiteral("SELECT count(*) FROM answers")).toInt(), 3);
    qunsetenv("XDG_DATA_HOME");
  }
};

QTEST_MAIN(ScreensRecordTest)
#include "tst_screens_record.moc"
