// The form and control model: the places where Qt behaves differently from the model
// the screens are written against.

#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <memory>
#include <utility>

#include "forms/mainform.h"
#include "forms/program.h"
#include "tests/support/harness.h"

using namespace forms;

namespace {

// A free screen that records its events.
class frmprobe : public Form {
 public:
  static constexpr const char* Name = "frmprobe";
  frmprobe() : Form(Name, Kind::Free, "probe", 6000, 4000, White) {
    txt.at(120, 120, 1200, 495);
    txt.Change = [this] { changes << txt.text(); };
    tmr1.Tick = [this] {
      ticks << QStringLiteral("tmr1@%1").arg(Program::current().clock().now());
    };
    tmr2.Tick = [this] {
      ticks << QStringLiteral("tmr2@%1").arg(Program::current().clock().now());
    };
    opt1.at(120, 720, 1200, 300).caption("1");
    opt2.at(120, 1080, 1200, 300).caption("2");
    opt1.Click = [this] { clicks << "opt1"; };
    opt2.Click = [this] { clicks << "opt2"; };
    cmd.at(2400, 120, 1200, 495).caption("ok");
    cmd.Click = [this] { clicks << "cmd"; };
  }
  void Form_Load() override { ++loads; }
  void Form_Activate() override { ++activates; }

  TextBox txt{this, "txt"};
  Timer tmr1{this, "tmr1", 300};
  Timer tmr2{this, "tmr2", 300};
  OptionButton opt1{this, "opt1"};
  OptionButton opt2{this, "opt2"};
  CommandButton cmd{this, "cmd"};
  int loads = 0;
  int activates = 0;
  QStringList changes, ticks, clicks;
};

// A main window with two menus, the second with a separator and its tooltips shown.
class mainprobe : public MainForm {
 public:
  static constexpr const char* Name = "mainprobe";
  mainprobe() : MainForm(Name, "main", 9000, 6000, Sand) {
    menu(open, {&first});
    menu(view, {&larger, nullptr, &smaller}, Tips::Shown);
  }
  MenuItem open{this, "open", "OPEN"};
  MenuItem first{this, "first", "&Eerste"};
  MenuItem view{this, "view", "VIEW"};
  MenuItem larger{this, "larger", "Groter", "Ctrl++"};
  MenuItem smaller{this, "smaller", "Kleiner", "Ctrl+-"};
};

// Writes down what a caption listener hears, as "marked", "changed from X", "appeared".
struct HeardCaptions : CaptionListener {
  HeardCaptions() { Control::addListener(this); }
  ~HeardCaptions() { Control::removeListener(this); }
  void marked(Control&) override { heard << QStringLiteral("marked"); }
  void changed(Control&, const QString& before) override { heard << "changed from " + before; }
  void appeared(Control&) override { heard << QStringLiteral("appeared"); }
  QStringList heard;
};

}  // namespace

class TestFormModel : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void showTwiceLoadsOnceAndActivatesEachTime() {
    Harness h;
    auto& f = h.program().form<frmprobe>();
    QCOMPARE(f.loads, 1);
    QCOMPARE(f.activates, 0);
    f.Show();
    f.Show();  // already visible: no second Activate
    QCOMPARE(f.activates, 1);
    f.Hide();
    f.Show();
    QCOMPARE(f.loads, 1);
    QCOMPARE(f.activates, 2);
  }

  void textChangeIsSynchronousAndSkipsUnchangedText() {
    Harness h;
    auto& f = h.program().form<frmprobe>();
    f.txt.setText("4");
    f.txt.setText("4");
    f.txt.setText("");
    QCOMPARE(f.changes, QStringList({"4", ""}));
  }

  void changeHandlerThatEmptiesTheBoxLeavesItEmpty() {
    Harness h;
    auto& f = h.program().form<frmprobe>();
    f.txt.Change = [&f] {
      if (!IsNumeric(f.txt.text())) f.txt.setText("");
    };
    f.Show();
    f.txt.SetFocus();
    QTest::keyClicks(f.txt.widget(), "4a");
    QCOMPARE(f.txt.text(), QString());
  }

  void timersKeepTheirScheduleAndFireInDeclarationOrder() {
    Harness h;
    auto& f = h.program().form<frmprobe>();
    f.tmr2.setEnabled(true);
    f.tmr1.setEnabled(true);
    h.advance(100);
    f.tmr1.setEnabled(true);  // already running: not restarted
    h.advance(500);
    QCOMPARE(f.ticks, QStringList({"tmr1@300", "tmr2@300", "tmr1@600", "tmr2@600"}));
    f.tmr1.setEnabled(false);
    QVERIFY(!f.tmr1.enabled());
    QVERIFY(f.tmr2.enabled());
  }

  void restartedTimerCountsFromZero() {
    Harness h;
    auto& f = h.program().form<frmprobe>();
    f.tmr1.setEnabled(true);
    h.advance(200);
    f.tmr1.setEnabled(false);
    f.tmr1.setEnabled(true);
    h.advance(299);
    QVERIFY(f.ticks.isEmpty());
    h.advance(1);
    QCOMPARE(f.ticks, QStringList({"tmr1@500"}));
  }

  void optionButtonsFormAGroup() {
    Harness h;
    auto& f = h.program().form<frmprobe>();
    f.Show();
    f.opt1.setValue(true);  // from code: selects and raises Click
    QCOMPARE(f.clicks, QStringList({"opt1"}));
    f.opt1.setValue(true);  // already selected: nothing
    QTest::mouseClick(f.opt2.widget(), Qt::LeftButton);
    QVERIFY(f.opt2.value());
    QVERIFY(!f.opt1.value());
    f.opt2.setValue(false);  // the group may end with no selection
    QVERIFY(!f.opt1.value() && !f.opt2.value());
    QCOMPARE(f.clicks, QStringList({"opt1", "opt2"}));
  }

  void enterAndSpacePressAFocusedButton() {
    Harness h;
    auto& f = h.program().form<frmprobe>();
    f.Show();
    f.cmd.SetFocus();
    QTest::keyClick(f.cmd.widget(), Qt::Key_Return);
    QTest::keyClick(f.cmd.widget(), Qt::Key_Space);
    QCOMPARE(f.clicks, QStringList({"cmd", "cmd"}));
  }

  void hiddenOrDisabledButtonTakesNoClick() {
    Harness h;
    auto& f = h.program().form<frmprobe>();
    f.Show();
    f.cmd.setEnabled(false);
    f.cmd.click();
    f.cmd.setEnabled(true);
    f.cmd.setVisible(false);
    f.cmd.click();
    QVERIFY(f.clicks.isEmpty());
    QVERIFY(!f.cmd.visible());
    QCOMPARE(f.cmd.property("Visible").toBool(), false);
  }

  void endStopsTimersAndHandlers() {
    Harness h;
    auto& f = h.program().form<frmprobe>();
    f.Show();
    f.tmr1.setEnabled(true);
    h.program().End();
    h.advance(1000);
    f.cmd.click();
    QVERIFY(f.ticks.isEmpty());
    QVERIFY(f.clicks.isEmpty());
    QVERIFY(!f.isVisible());
  }

  void closeRequestOnAFreeScreenIsRefused() {
    Harness h;
    auto& f = h.program().form<frmprobe>();
    f.Show();
    QVERIFY(!f.close());
    QVERIFY(f.visible());
  }

  void introspectionSurface() {
    Harness h;
    auto& f = h.program().form<frmprobe>();
    QObject* txt = f.findChild<QObject*>("txt");
    QVERIFY(txt);
    QCOMPARE(txt->property("Left").toInt(), 120);
    QCOMPARE(txt->property("Width").toInt(), 1200);
    QCOMPARE(txt->property("BackColor").toUInt(), 0x00FFFFFFu);
    QCOMPARE(f.property("Caption").toString(), QString("probe"));
    QCOMPARE(f.property("Width").toInt(), 6000);
    QCOMPARE(f.findChild<QObject*>("tmr1")->property("Interval").toInt(), 300);
  }

  void numericTexts_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("numeric");
    QTest::addColumn<double>("value");
    QTest::newRow("digit") << "4" << true << 4.0;
    QTest::newRow("blanks around") << "  4 " << true << 4.0;
    QTest::newRow("leading zero") << "07" << true << 7.0;
    QTest::newRow("decimal comma") << "4,0" << true << 4.0;
    QTest::newRow("letter") << "4a" << false << 0.0;
    QTest::newRow("empty") << "" << false << 0.0;
    QTest::newRow("nan") << "nan" << false << 0.0;
    QTest::newRow("inf") << "inf" << false << 0.0;
    QTest::newRow("overflow") << "1e400" << false << 0.0;
    QTest::newRow("very long") << QString(5000, '9') << false << 0.0;
  }
  void numericTexts() {
    QFETCH(QString, text);
    QFETCH(bool, numeric);
    QFETCH(double, value);
    QLocale::setDefault(QLocale(QLocale::Dutch, QLocale::Netherlands));
    QCOMPARE(IsNumeric(text), numeric);
    QCOMPARE(Val(text), value);
    QLocale::setDefault(QLocale::c());
  }

  void conversions() {
    QCOMPARE(Str(-7), QString("-7"));
    QCOMPARE(Str(10), QString("10"));
    QCOMPARE(CInt(2.5), 2);
    QCOMPARE(CInt(3.5), 4);
    QCOMPARE(CInt(1e12), 32767);
    QCOMPARE(Int(6.99), 6);
    QCOMPARE(toBgr(toQColor(0x00C0FFFF)), 0x00C0FFFFu);
    QCOMPARE(toQColor(0x000000FF), QColor(255, 0, 0));
    QCOMPARE(toPixels(1095), 73);
  }

  // A label tells the listeners about its caption only once it is marked to be read
  // aloud: each step is "caption:TEXT", "hide", "show", "mark" or "deaf" (the listener
  // stops listening).
  void captionListenersHearOnlyMarkedControls_data() {
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QStringList>("heard");
    QTest::newRow("not marked") << QStringList{"caption:b", "hide", "show"} << QStringList{};
    QTest::newRow("marked, new caption")
        << QStringList{"mark", "caption:b", "caption:c"}
        << QStringList{"marked", "changed from a", "changed from b"};
    QTest::newRow("the same caption again")
        << QStringList{"mark", "caption:a"} << QStringList{"marked"};
    QTest::newRow("appears once, when it was hidden")
        << QStringList{"mark", "show", "hide", "show", "show"} << QStringList{"marked", "appeared"};
    QTest::newRow("a listener that left hears nothing")
        << QStringList{"mark", "deaf", "caption:b", "hide", "show"} << QStringList{"marked"};
  }
  void captionListenersHearOnlyMarkedControls() {
    QFETCH(QStringList, steps);
    QFETCH(QStringList, heard);
    Harness h;
    auto& f = h.program().form<frmprobe>();
    Label lbl(&f, "lbl");
    lbl.caption("a");
    auto listener = std::make_unique<HeardCaptions>();
    QStringList heardBeforeLeaving;
    for (const QString& step : steps) {
      if (step == "mark")
        lbl.readAloud();
      else if (step == "hide")
        lbl.setVisible(false);
      else if (step == "show")
        lbl.setVisible(true);
      else if (step == "deaf")
        heardBeforeLeaving = std::exchange(listener, nullptr)->heard;
      else
        lbl.setCaption(step.mid(QStringLiteral("caption:").size()));
    }
    QCOMPARE(listener ? listener->heard : heardBeforeLeaving, heard);
  }

  // A control put on a status bar's panel covers that panel at every zoom.
  void controlOnAPanelCoversIt_data() {
    QTest::addColumn<double>("zoom");
    QTest::newRow("zoom 1") << 1.0;
    QTest::newRow("zoom 2") << 2.0;
  }
  void controlOnAPanelCoversIt() {
    QFETCH(double, zoom);
    Harness h;
    auto& f = h.program().form<frmprobe>();
    StatusBar bar(&f, "bar");
    bar.at(0, 3000, 6000, 375).panels({3600, 2265});
    ProgressBar progress(&f, "progress");
    const Box panel = bar.panelBox(1);
    progress.setParentWindow(&bar);
    progress.Move(panel.left, panel.top, panel.width, panel.height);
    setZoomFactor(zoom);
    f.relayout();
    const QRect shown = progress.widget()->geometry();
    const QRect expected = bar.panelRect(1);
    setZoomFactor(1.0);
    QCOMPARE(progress.widget()->parentWidget(), bar.widget());
    QCOMPARE(shown, QRect(expected.topLeft() * zoom, expected.size() * zoom));
  }

  void mainWindowMenusAndClientArea() {
    Harness h;
    auto& main = h.program().form<mainprobe>();
    const QList<QAction*> titles = main.menuBar().actions();
    QCOMPARE(titles.size(), 2);
    QCOMPARE(titles[0]->property("Caption").toString(), QString("OPEN"));
    QCOMPARE(titles[1]->property("Caption").toString(), QString("VIEW"));
    QCOMPARE(titles[0]->menu()->actions(), QList<QAction*>({&main.first}));
    const QList<QAction*> view = titles[1]->menu()->actions();
    QCOMPARE(view.size(), 3);
    QVERIFY(view[1]->isSeparator());
    QCOMPARE(view[2], &main.smaller);
    QVERIFY(!titles[0]->menu()->toolTipsVisible());
    QVERIFY(titles[1]->menu()->toolTipsVisible());
    // The child screens live in the client area, drawn in the window's back colour.
    QCOMPARE(h.program().mdiClient(), main.client());
    QCOMPARE(main.client()->objectName(), QString("MDIClient"));
    QCOMPARE(main.client()->palette().color(QPalette::Window), toQColor(Sand));
    QCOMPARE(main.kind(), Form::Kind::Main);
  }

  void rndStaysBelowOne() {
    ClockRandom random;
    for (int i = 0; i < 100000; ++i) {
      random.randomize();
      const float r = random.rnd();
      QVERIFY(r >= 0.0f && r < 1.0f);
      QVERIFY(Int(r * 9) + 1 <= 9);
    }
  }
};

QTEST_MAIN(TestFormModel)
#include "tst_form_model.moc"
