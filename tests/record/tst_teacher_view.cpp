// The teacher's side: the grown-up check, the overview of splits and days, the class
// list with its "Wie ben jij?" screen, wiping, and the recording state in every bad case.

#include <QButtonGroup>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimeZone>
#include <QTimer>
#include <QWindow>
#include <functional>

#include "record/classlisteditor.h"
#include "record/exercises.h"
#include "record/grownupcheck.h"
#include "record/recorder.h"
#include "record/splitgrid.h"
#include "record/teachermenu.h"
#include "record/teacherview.h"
#include "shell/frminfo.h"
#include "shell/frmkiesbasis.h"
#include "shell/frmmecenaat1.h"
#include "shell/frmwiebenjij.h"
#include "shell/mdiform2.h"
#include "tests/record/record_test_support.h"
#include "tests/support/harness.h"

using namespace forms;
using record::Knowledge;
using recordtest::settled;

class TeacherViewTest : public QObject {
  Q_OBJECT

 private:
  recordtest::RecordedProgram m_program;
  const QString& m_file = m_program.file();
  QDate m_day{2026, 3, 5};

  Harness& h() { return m_program.h(); }
  QString path(const QString& pattern) const {
    return m_program.path(pattern.arg(m_program.run()));
  }
  static GrownUpCheck* openCheck() {
    for (QWidget* w : QApplication::topLevelWidgets())
      if (auto* c = qobject_cast<GrownUpCheck*>(w); c && c->isVisible()) return c;
    return nullptr;
  }
  // Runs `look` on the message box that `open` brings up, then answers No.
  static void onMessageBox(const std::function<void()>& open,
                           const std::function<void(QMessageBox&)>& look) {
    bool seen = false;
    QTimer::singleShot(0, [&] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      QVERIFY(box);
      seen = true;
      look(*box);
      box->button(QMessageBox::No)->click();
    });
    open();
    QVERIFY(seen);
  }
  void give(const char* exercise, int number, int shown, bool right, qint64 ms) {
    record::ready(QString::fromLatin1(exercise));
    h().advance(ms);
    record::answer(QString::fromLatin1(exercise), number, shown, QStringLiteral("x"), right);
  }

 private Q_SLOTS:
  void init() {
    record::Options options;
    options.wallClock = [this] { return QDateTime(m_day, QTime(9, 0), QTimeZone(3600)); };
    m_program.begin(options);
  }
  void cleanup() {
    // Deleting one window may delete others (a combo box's list): keep guarded pointers.
    QList<QPointer<QWidget>> windows;
    for (QWidget* w : QApplication::topLevelWidgets())
      if (qobject_cast<TeacherView*>(w) || qobject_cast<GrownUpCheck*>(w)) windows << w;
    for (const QPointer<QWidget>& w : windows) delete w.data();
    m_program.end();
  }

  void the_grown_up_check_asks_a_product_of_six_to_nine_data() {
    QTest::addColumn<int>("a");
    QTest::addColumn<int>("b");
    QTest::newRow("6 x 6") << 6 << 6;
    QTest::newRow("7 x 8") << 7 << 8;
    QTest::newRow("9 x 9") << 9 << 9;
  }
  void the_grown_up_check_asks_a_product_of_six_to_nine() {
    QFETCH(int, a);
    QFETCH(int, b);
    h().random().then({drawFor(a - 6, 4), drawFor(b - 6, 4)});
    bool passed = false;
    GrownUpCheck::ask([&] { passed = true; });
    auto* check = QApplication::activeModalWidget()
                      ? qobject_cast<GrownUpCheck*>(QApplication::activeModalWidget())
                      : nullptr;
    if (!check)
      for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* c = qobject_cast<GrownUpCheck*>(w)) check = c;
    QVERIFY(check);
    QCOMPARE(check->expected(), a * b);
    QVERIFY(check->findChild<QLabel*>()->text().contains(QStringLiteral("%1 x %2").arg(a).arg(b)));
    // A guess is refused and the dialog stays; the product opens the view.
    QTest::keyClicks(check->answerBox(), QString::number(a * b + 1));
    QTest::keyClick(check->answerBox(), Qt::Key_Return);
    QVERIFY(!passed);
    QVERIFY(check->isVisible());
    QTest::keyClicks(check->answerBox(), QString::number(a * b));
    QTest::keyClick(check->answerBox(), Qt::Key_Return);
    QVERIFY(passed);
  }

  void the_main_window_has_a_teacher_menu_after_openen() {
    h().start();
    const QList<QAction*> menus = screens::MDIForm2().findChild<QMenuBar*>()->actions();
    QVERIFY(menus.size() >= 2);
    QCOMPARE(menus.front()->text(), QStringLiteral("OPENEN "));
    QCOMPARE(menus.back()->text(), QStringLiteral("LEERKRACHT"));
  }

  void the_grid_colours_each_split_and_its_tooltip_gives_the_counts() {
    give("frmsplitsmachine", 7, 3, true, 1500);
    give("frmsplitsmachine", 7, 3, true, 2500);
    give("frmsplitsmachine", 7, 3, true, 9000);
    give("frmsleepsplits2", 5, 2, true, 6000);
    give("frmsleepsplits2", 5, 2, true, 7000);
    give("frmsplits1", 9, 0, false, 900);
    give("frmsplitsrijenB", 1, 0, true, 900);  // 1 is not in the grid
    TeacherView view;
    QVERIFY(settled(view));
    const record::Summary& s = view.grid()->summary();
    QCOMPARE(s.cell(7, 3).knowledge, Knowledge::RightAndFast);
    QCOMPARE(s.cell(5, 2).knowledge, Knowledge::RightButSlow);
    QCOMPARE(s.cell(9, 0).knowledge, Knowledge::OftenWrong);
    QCOMPARE(s.cell(7, 4).knowledge, Knowledge::NotPractised);
    QCOMPARE(SplitGrid::describe(7, 3, s.cell(7, 3)),
             QStringLiteral("7 = 3 + 4\n3 keer geoefend: 3 goed, 0 fout\nlaatste 3: 0 fout\n"
                            "mediaan tijd (goed): 2,5 s\ngoed en snel"));
  }

  void the_grid_is_drawn_to_any_size_and_finds_its_cells_data() {
    QTest::addColumn<QSize>("size");
    QTest::newRow("small") << QSize(300, 200);
    QTest::newRow("wide") << QSize(1600, 500);
    QTest::newRow("projector") << QSize(1800, 1400);
  }
  void the_grid_is_drawn_to_any_size_and_finds_its_cells() {
    QFETCH(QSize, size);
    SplitGrid grid;
    grid.resize(size);
    const QImage image = grid.grab().toImage();
    QCOMPARE(image.size(), size);
    // Corners of the cells 10 = 10 + 0 and 2 = 0 + 2 map back to their splits.
    bool found10 = false, found2 = false;
    for (int y = 0; y < size.height(); y += 3)
      for (int x = 0; x < size.width(); x += 3) {
        const QPoint c = grid.cellAt({x, y});
        found10 |= c == QPoint(10, 10);
        found2 |= c == QPoint(2, 0);
        QVERIFY(c.x() < 0 || (c.x() >= 2 && c.x() <= 10 && c.y() >= 0 && c.y() <= c.x()));
      }
    QVERIFY(found10 && found2);
  }

  void days_are_listed_newest_first_with_each_exercise() {
    give("frmsplitsmachine", 7, 3, true, 1000);
    m_day = m_day.addDays(1);
    give("frmsplitsmachine", 7, 3, true, 1000);
    give("frmsplitsmachine", 6, 3, true, 1000);
    record::practised(QStringLiteral("frmsplits2"), 8);
    TeacherView view;
    QVERIFY(settled(view));
    const QTableWidget& days = *view.days();
    QCOMPARE(days.rowCount(), 3);  // the newest day has two exercises
    QVERIFY(days.item(0, 0)->text().contains(QStringLiteral("6 mrt")));
    QCOMPARE(days.rowSpan(0, 0), 2);
    QCOMPARE(days.item(0, 3)->text(), QStringLiteral("3"));
    QCOMPARE(days.item(0, 1)->text(), QStringLiteral("Splits"));
    QCOMPARE(days.item(0, 2)->text(), QStringLiteral("1"));
    QCOMPARE(days.item(1, 1)->text(), QStringLiteral("SPLITSMACHINE"));
    QCOMPARE(days.item(1, 2)->text(), QStringLiteral("2"));
    QVERIFY(days.item(2, 0)->text().contains(QStringLiteral("5 mrt")));
    QCOMPARE(days.item(2, 3)->text(), QStringLiteral("1"));
    for (int r = 0; r < days.rowCount(); ++r) QVERIFY(!days.item(r, 1)->icon().isNull());
  }

  void one_child_is_shown_and_wiped_without_touching_the_others() {
    record::setChild(QStringLiteral("Noor"));
    give("frmsplitsmachine", 7, 3, false, 1000);
    record::setChild(QStringLiteral("Daan"));
    give("frmsplitsmachine", 8, 3, true, 1000);
    TeacherView view;
    QVERIFY(settled(view));
    QCOMPARE(view.children()->count(), 3);  // all, Daan, Noor
    view.chooseChild(QStringLiteral("Noor"));
    QVERIFY(settled(view));
    QCOMPARE(view.grid()->summary().cell(7, 3).answers, 1);
    QCOMPARE(view.grid()->summary().cell(8, 3).answers, 0);
    view.wipeChosen();
    QVERIFY(settled(view));
    QCOMPARE(view.children()->count(), 2);
    QCOMPARE(view.chosenChild(), QString());  // back to everyone
    QCOMPARE(view.grid()->summary().cell(8, 3).answers, 1);
    QCOMPARE(view.grid()->summary().cell(7, 3).answers, 0);
  }

  // Adaptive practice: a line per child with its level, ability and automatic splits, and
  // the automatic splits coloured, for everyone only when they are for every child.
  void practice_shows_level_and_automatic_splits_data() {
    QTest::addColumn<QString>("chosen");  // null: everyone
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<bool>("automatic");  // 7 = 3 + 4 and 7 = 4 + 3
    const QString noor = QStringLiteral(
        "<b>Noor (op maat)</b>: niveau 2 (vaardigheid 1,2), 2 van de 63 splitsingen automatisch");
    const QString daan = QStringLiteral(
        "<b>Daan (op maat)</b>: nog geen niveau (vaardigheid -0,5), 0 van de 63 splitsingen "
        "automatisch");
    QTest::newRow("everyone") << QString() << QStringList{daan, noor} << false;
    QTest::newRow("the child who knows it") << "Noor" << QStringList{noor} << true;
    QTest::newRow("the child who does not") << "Daan" << QStringList{daan} << false;
  }
  void practice_shows_level_and_automatic_splits() {
    QFETCH(QString, chosen);
    QFETCH(QStringList, lines);
    QFETCH(bool, automatic);
    recordtest::addChildren({QStringLiteral("Noor"), QStringLiteral("Daan")});
    QVERIFY(recordtest::exec(m_file, {"INSERT INTO practice_child (child, ability, answers) VALUES "
                                      "('Noor', 1.2, 40), ('Daan', -0.5, 3)",
                                      "INSERT INTO practice_split (child, whole, smaller, box, "
                                      "due_day, tries) VALUES ('Noor', 2, 0, 2, 0, '1:900:1'),"
                                      " ('Noor', 2, 1, 3, 0, '1:900:1'),"
                                      " ('Noor', 7, 3, 4, 0, '1:1000:1;1:1000:1;2:1000:1'),"
                                      " ('Daan', 7, 3, 1, 0, '1:1000:0')"}));
    TeacherView view;
    QVERIFY(settled(view));
    if (!chosen.isNull()) {
      view.chooseChild(chosen);
      QVERIFY(settled(view));
    }
    const auto* practice = view.findChild<QLabel*>(QStringLiteral("opmaat"));
    QVERIFY(practice);
    QCOMPARE(practice->text(), lines.join(QStringLiteral("<br>")));
    const record::Summary& s = view.grid()->summary();
    for (const int part : {3, 4})
      QCOMPARE(s.cell(7, part).knowledge == Knowledge::Automatic, automatic);
    QCOMPARE(s.cell(2, 1).knowledge, Knowledge::NotPractised);  // a box is no answer
  }

  void the_export_holds_the_answer_given_just_before_it() {
    TeacherView view;
    give("frmsleepsplits3", 6, 2, true, 1700);  // still queued when the export starts
    QString error;
    const QString out = path(QStringLiteral("export%1.csv"));
    QVERIFY(view.exportTo(out, &error));
    const QList<QByteArray> lines = recordtest::bytes(out).split('\n');
    QCOMPARE(lines.size(), 3);
    QVERIFY(lines[1].endsWith(";Klik en splits (met score);6;2;x;1;1700\r"));
  }

  void the_class_list_saves_good_names_only() {
    TeacherView view;
    QVERIFY(settled(view));
    ClassListEditor& editor = *view.classList();
    editor.nameBox()->setText(QStringLiteral("  Noor "));
    editor.choosePicture(QStringLiteral("vis"));
    editor.add();
    editor.nameBox()->setText(QStringLiteral("NOOR"));
    editor.add();
    QVERIFY(editor.message()->text().contains(QStringLiteral("staat al")));
    editor.nameBox()->setText(QString(41, QLatin1Char('a')));
    editor.add();
    QVERIFY(editor.message()->text().contains(QStringLiteral("hoogstens 40")));
    const QList<record::Child> list = record::classList();
    QCOMPARE(list.size(), 1);
    QCOMPARE(list.front().name, QStringLiteral("Noor"));
    QCOMPARE(list.front().picture, QStringLiteral("vis"));
    // Renaming to a name that breaks the rules saves nothing either.
    editor.list()->setCurrentRow(0);
    editor.nameBox()->setText(QStringLiteral("No\tor"));
    editor.change();
    QCOMPARE(record::classList().front().name, QStringLiteral("Noor"));
    editor.nameBox()->setText(QStringLiteral("Noortje"));
    editor.change();
    QCOMPARE(record::classList().front().name, QStringLiteral("Noortje"));
    QVERIFY(settled(view));
    QCOMPARE(view.children()->count(), 2);
  }

  void the_editor_offers_a_free_picture_and_tells_when_two_share() {
    TeacherView view;
    QVERIFY(settled(view));
    ClassListEditor& editor = *view.classList();
    QStringList offered;
    for (const char* name : {"Noor", "Daan", "Bo"}) {
      offered << editor.findChild<QButtonGroup*>()->checkedButton()->objectName();
      editor.nameBox()->setText(QString::fromLatin1(name));
      editor.add();
      QVERIFY(!editor.message()->text().contains(QStringLiteral("Let op")));
    }
    QCOMPARE(offered, QStringList({"kat", "hond", "vis"}));
    editor.nameBox()->setText(QStringLiteral("Lot"));
    editor.choosePicture(QStringLiteral("hond"));
    editor.add();
    QVERIFY2(editor.message()->text().contains(QStringLiteral("Daan heeft dezelfde prent")),
             qPrintable(editor.message()->text()));
  }

  void names_are_shown_as_typed_never_as_markup() {
    const QString name = QStringLiteral("<b>Jan</b>");
    TeacherView view;
    QVERIFY(settled(view));
    ClassListEditor& editor = *view.classList();
    editor.nameBox()->setText(name);
    editor.add();
    QCOMPARE(editor.message()->textFormat(), Qt::PlainText);
    QVERIFY(editor.message()->text().startsWith(name));
    QVERIFY(settled(view));
    view.chooseChild(name);
    QCOMPARE(view.chosenChild(), name);
    QPushButton* wipe = nullptr;
    for (QPushButton* b : view.findChildren<QPushButton*>())
      if (b->text().startsWith(QStringLiteral("Wis"))) wipe = b;
    QVERIFY(wipe);
    onMessageBox([&] { wipe->click(); },
                 [&](QMessageBox& box) {
                   QCOMPARE(box.textFormat(), Qt::PlainText);
                   QVERIFY(box.text().contains(name));
                 });
    QCOMPARE(record::classList().size(), 1);  // No: nothing wiped, the child stays
  }

  void the_countdown_waits_while_the_teacher_has_a_window_open_data() {
    QTest::addColumn<bool>("view");
    QTest::newRow("the grown-up check") << false;
    QTest::newRow("the teacher's view") << true;
  }
  void the_countdown_waits_while_the_teacher_has_a_window_open() {
    QFETCH(bool, view);
    h().startPastWelcome();
    QTRY_VERIFY(screens::frmkiesbasis().isVisible());  // once the record has been opened
    screens::frmkiesbasis().cmdstop.click();
    QVERIFY(screens::frminfo().isVisible());
    h().advance(5000);
    GrownUpCheck::ask([] { TeacherView::showView(); });
    GrownUpCheck* check = openCheck();
    QVERIFY(check);
    if (view) {
      QTest::keyClicks(check->answerBox(), QString::number(check->expected()));
      QTest::keyClick(check->answerBox(), Qt::Key_Return);
    }
    QWidget* open = view ? static_cast<QWidget*>(TeacherView::showView()) : check;
    h().advance(60000);
    QVERIFY(!h().program().ended());
    QVERIFY(open->isVisible());
    const int waited = screens::frminfo().ProgressBar1.value();
    open->close();
    h().advance(75 * (150 - waited) - 75);
    QVERIFY(!h().program().ended());
    h().advance(2 * 75);
    QVERIFY(h().program().ended());
  }

  void the_teachers_windows_open_above_the_screen_in_front_centred_on_the_main_window() {
    h().startPastWelcome();
    Form& chooser = screens::frmkiesbasis();
    QTRY_VERIFY(chooser.isVisible());  // once the record has been opened
    QVERIFY(!screens::MDIForm2().isEnabled());
    chooser.activateWindow();
    GrownUpCheck::ask([] { TeacherView::showView(); });
    GrownUpCheck* check = openCheck();
    QVERIFY(check && check->isEnabled());
    QCOMPARE(check->windowHandle()->transientParent(), chooser.windowHandle());
    QVERIFY(check->width() >= check->fontMetrics().horizontalAdvance(check->windowTitle()));
    QTest::keyClicks(check->answerBox(), QString::number(check->expected()));
    QTest::keyClick(check->answerBox(), Qt::Key_Return);
    TeacherView* view = TeacherView::showView();
    QVERIFY(view->isVisible() && view->isEnabled());
    QCOMPARE(view->windowType(), Qt::Dialog);
    QCOMPARE(view->windowHandle()->transientParent(), chooser.windowHandle());
    // Wholly on the display, and on each axis centred on the main window or against the
    // display's edge that stops it.
    const QRect frame = view->frameGeometry();
    const QRect display = view->screen()->availableGeometry();
    const QPoint offset = frame.center() - screens::MDIForm2().frameGeometry().center();
    QVERIFY2(display.contains(frame), qPrintable(QStringLiteral("%1,%2 %3x%4 on %5x%6")
                                                     .arg(frame.x())
                                                     .arg(frame.y())
                                                     .arg(frame.width())
                                                     .arg(frame.height())
                                                     .arg(display.width())
                                                     .arg(display.height())));
    // (The window manager's frame is added once the window is shown, around it.)
    const QSize frameExtra = frame.size() - view->size();
    QVERIFY(std::abs(offset.x()) <= frameExtra.width() || frame.left() == display.left() ||
            frame.right() == display.right());
    QVERIFY(std::abs(offset.y()) <= frameExtra.height() || frame.top() == display.top() ||
            frame.bottom() == display.bottom());
  }

  void every_day_shows_its_exercises_whole() {
    for (const record::Exercise& e : record::exercises()) give(e.key, 7, 3, true, 1000);
    TeacherView view;
    view.show();
    QVERIFY(settled(view));
    const QTableWidget& days = *view.days();
    QCOMPARE(days.rowCount(), int(record::exercises().size()));
    for (int r = 0; r < days.rowCount(); ++r) {
      const QString text = days.item(r, 1)->text();
      QVERIFY(days.columnWidth(1) >=
              days.fontMetrics().horizontalAdvance(text) + days.iconSize().width());
    }
  }

  void the_state_says_on_off_and_moved_aside_data() {
    QTest::addColumn<QString>("condition");
    QTest::addColumn<QString>("says");
    QTest::newRow("on") << ""
                        << "Opnemen staat aan";
    QTest::newRow("folder cannot be made") << "unwritable"
                                           << "kan niet worden gemaakt";
    QTest::newRow("damaged file") << "damaged"
                                  << "bewaard als";
    QTest::newRow("full disk") << "full"
                               << "schijf is vol";
  }
  void the_state_says_on_off_and_moved_aside() {
    QFETCH(QString, condition);
    QFETCH(QString, says);
    record::stop();
    QString file = path(QStringLiteral("state%1/splitsen.sqlite"));
    record::Options options;
    if (condition == "unwritable") {
      recordtest::write(path(QStringLiteral("plain%1")), "x");
      file = path(QStringLiteral("plain%1/splitsen/splitsen.sqlite"));
    } else if (condition == "damaged") {
      QDir().mkpath(QFileInfo(file).absolutePath());
      recordtest::write(file, QByteArray(3000, 'z'));
    } else if (condition == "full") {
      // Room for the tables and a few answers.
      const QString empty = path(QStringLiteral("empty%1.sqlite"));
      {
        record::Database db(empty, QStringLiteral("measure"));
        QVERIFY(db.open(false).on);
      }
      options.maxPageCount = recordtest::scalar(empty, "PRAGMA page_count").toInt() + 2;
      options.batchMs = 0;
    }
    options.file = file;
    record::start(options);
    if (condition == "full")
      for (int i = 0; i < 400 && record::status().on; ++i) {
        record::answer(QStringLiteral("frmsplitsmachine"), 7, 3, QString(300, QLatin1Char('4')),
                       true);
        record::flush();
      }
    TeacherView view;
    QVERIFY(settled(view));
    QVERIFY2(view.state()->text().contains(says), qPrintable(view.state()->text()));
    // The child's side goes on as before.
    h().startPastWelcome();
    QTRY_VERIFY(h().program().loaded(QStringLiteral("frmkiesbasis")) &&
                screens::frmkiesbasis().isVisible());
    record::answer(QStringLiteral("frmsplitsmachine"), 7, 3, QStringLiteral("4"), true);
  }
};

QTEST_MAIN(TeacherViewTest)
#include "tst_teacher_view.moc"
