// Reading aloud: what the speech service says for the labels and texts of a screen, and
// that the program keeps going without a voice or a sound device.

#include <QKeyEvent>
#include <QTest>

#include "forms/program.h"
#include "tests/support/harness.h"

using namespace forms;

namespace {

class frmprobe : public Form {
 public:
  static constexpr const char* Name = "frmprobe";
  frmprobe() : Form(Name, Kind::Free, "probe", 6000, 4000, White) {
    lblles.at(120, 120, 3000, 495).caption("kies een cijfer").readAloud();
    lblsom.at(120, 720, 3000, 1495).readAloud();
    lblstil.at(120, 2400, 3000, 495).caption("niet voorgelezen");
    frame.at(3240, 120, 2400, 2400);
    lblkader.at(120, 120, 1200, 495).caption("in het kader").readAloud();
  }
  Label lblles{this, "lblles"};
  Label lblsom{this, "lblsom"};
  Label lblstil{this, "lblstil"};
  Frame frame{this, "frame"};
  Label lblkader{&frame, "lblkader"};
};

void pressCtrlL(QWidget* target) {
  QKeyEvent press(QEvent::KeyPress, Qt::Key_L, Qt::ControlModifier, QStringLiteral("\x0c"));
  QCoreApplication::sendEvent(target, &press);
}

}  // namespace

class TestReadingAloud : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void offByDefaultAndNothingIsSpoken() {
    Harness h;
    auto speaker = std::make_unique<FakeSpeaker>();
    FakeSpeaker& fake = *speaker;
    h.program().speech().setSpeaker(std::move(speaker));
    QVERIFY(h.program().speech().action()->isEnabled());
    QVERIFY(!h.program().speech().action()->isChecked());
    auto& f = h.program().form<frmprobe>();
    f.Show();
    f.lblsom.setCaption("3 + 4 = 7");
    h.program().speech().say("dat is goed !");
    QCOMPARE(fake.said(), QStringList());
  }

  void aScreenThatAppearsReadsItsLabelsInLayoutOrder() {
    Harness h;
    FakeSpeaker& fake = h.readAloud();
    auto& f = h.program().form<frmprobe>();
    QCOMPARE(fake.said(), QStringList());  // loaded, not yet shown
    f.Show();
    QCOMPARE(fake.said(), QStringList{"kies een cijfer. in het kader."});
  }

  // Each row: what a handler does to the shown screen, and the one utterance it causes.
  void changesOfOneTurnAreOneUtterance_data() {
    QTest::addColumn<std::function<void(frmprobe&)>>("handler");
    QTest::addColumn<QStringList>("said");
    using H = std::function<void(frmprobe&)>;
    QTest::newRow("a sum appears") << H([](frmprobe& f) { f.lblsom.setCaption("3 + 4 = 7"); })
                                   << QStringList{"drie plus vier is zeven."};
    QTest::newRow("two labels, in the order they changed") << H([](frmprobe& f) {
      f.lblsom.setCaption("7 = 3 + 4");
      f.lblles.setCaption("dat is goed !");
    }) << QStringList{"zeven is drie en vier. dat is goed!"};
    QTest::newRow("emptied, then written: the final caption") << H([](frmprobe& f) {
      f.lblles.setCaption("");
      f.lblles.setCaption("kies een ander" + CrLf + " cijfer ");
    }) << QStringList{"kies een ander, cijfer."};
    QTest::newRow("written back as it was: said again") << H([](frmprobe& f) {
      f.lblles.setCaption("");
      f.lblles.setCaption("kies een cijfer");
    }) << QStringList{"kies een cijfer."};
    QTest::newRow("unknown part: silent")
        << H([](frmprobe& f) { f.lblsom.setCaption("7 = 3 + . " + CrLf + "3 + .  = 7"); })
        << QStringList();
    QTest::newRow("emptied: silent")
        << H([](frmprobe& f) { f.lblles.setCaption(""); }) << QStringList();
    QTest::newRow("label not read aloud: silent")
        << H([](frmprobe& f) { f.lblstil.setCaption("3 + 4 = 7"); }) << QStringList();
    QTest::newRow("hidden label: silent") << H([](frmprobe& f) {
      f.lblsom.setVisible(false);
      f.lblsom.setCaption("3 + 4 = 7");
    }) << QStringList();
    QTest::newRow("label in a hidden frame: silent") << H([](frmprobe& f) {
      f.frame.setVisible(false);
      f.lblkader.setCaption("3 + 4 = 7");
    }) << QStringList();
    QTest::newRow("label that appears") << H([](frmprobe& f) {
      f.lblsom.setVisible(false);
      f.lblsom.setCaption("5 = 5 + 0");
      QCoreApplication::sendPostedEvents();
      f.lblsom.setVisible(true);
    }) << QStringList{"vijf is vijf en nul."};
    QTest::newRow("a list that grows: only the new line") << H([](frmprobe& f) {
      f.lblsom.setCaption("5 = 0 + 5");
      QCoreApplication::sendPostedEvents();
      f.lblsom.setCaption("5 = 0 + 5" + CrLf + "5 = 1 + 4");
    }) << QStringList{"vijf is nul en vijf.", "vijf is één en vier."};
    QTest::newRow("a text said directly joins the turn") << H([](frmprobe& f) {
      f.lblsom.setCaption("3 + 4 = 7");
      Program::current().speech().say(" 3  +  4 ");
    }) << QStringList{"drie plus vier is zeven. drie en vier."};
    QTest::newRow("screen hidden in the same turn: silent") << H([](frmprobe& f) {
      f.lblsom.setCaption("3 + 4 = 7");
      f.Hide();
    }) << QStringList();
  }
  void changesOfOneTurnAreOneUtterance() {
    QFETCH(std::function<void(frmprobe&)>, handler);
    QFETCH(QStringList, said);
    Harness h;
    auto& f = h.program().form<frmprobe>();
    f.Show();
    FakeSpeaker& fake = h.readAloud();
    handler(f);
    QCOMPARE(fake.said(), said);
  }

  void switchingOnReadsWhatIsShownAndOffSilencesAtOnce() {
    Harness h;
    auto speaker = std::make_unique<FakeSpeaker>();
    FakeSpeaker& fake = *speaker;
    h.program().speech().setSpeaker(std::move(speaker));
    auto& f = h.program().form<frmprobe>();
    f.Show();
    QAction* action = h.program().speech().action();
    action->setChecked(true);
    QCOMPARE(fake.said(), QStringList{"voorlezen aan. kies een cijfer. in het kader."});
    f.lblsom.setCaption("3 + 4 = 7");
    action->setChecked(false);
    QCOMPARE(fake.said().size(), 1);  // the sum queued before the switch went off is dropped
    QCOMPARE(fake.silences(), 1);
  }

  void ctrlLTogglesOnEveryScreenAndIsRemembered() {
    {
      Harness h;
      auto& f = h.program().form<frmprobe>();
      h.program().speech().setSpeaker(std::make_unique<FakeSpeaker>());
      f.Show();
      pressCtrlL(&f);
      QVERIFY(h.program().speech().on());
      QVERIFY(h.program().preferences().value("voorlezen").toBool());
      pressCtrlL(f.lblles.widget());  // from any widget of any screen
      QVERIFY(!h.program().speech().on());
      QCOMPARE(h.program().preferences().value("voorlezen").toBool(), false);
      pressCtrlL(&f);
      // The next start finds the switch as it was left.
      QVERIFY(Preferences(h.preferencesFile()).value("voorlezen").toBool());
    }
  }

  void withoutVoiceOrSoundTheSwitchIsDisabledAndSaysWhy_data() {
    QTest::addColumn<QString>("problem");
    QTest::newRow("no sound device") << "deze computer heeft geen geluidsuitgang.";
    QTest::newRow("no Dutch voice")
        << "er is geen Nederlandse stem geïnstalleerd (espeak-ng-data).";
  }
  void withoutVoiceOrSoundTheSwitchIsDisabledAndSaysWhy() {
    QFETCH(QString, problem);
    Harness h;
    h.program().preferences().setValue("voorlezen", true);  // it was on at the last run
    auto speaker = std::make_unique<FakeSpeaker>(problem);
    FakeSpeaker& fake = *speaker;
    QTest::ignoreMessage(QtWarningMsg, qPrintable("splitsen: Voorlezen kan niet: " + problem));
    h.program().speech().setSpeaker(std::move(speaker));
    QAction* action = h.program().speech().action();
    QVERIFY(!action->isEnabled());
    QCOMPARE(action->toolTip(), "Voorlezen kan niet: " + problem);
    QVERIFY(!h.program().speech().on());
    auto& f = h.program().form<frmprobe>();
    f.Show();
    pressCtrlL(&f);
    f.lblsom.setCaption("3 + 4 = 7");
    QCOMPARE(fake.said(), QStringList());
    QCOMPARE(f.lblsom.caption(), "3 + 4 = 7");                       // the screen goes on as ever
    QVERIFY(h.program().preferences().value("voorlezen").toBool());  // kept for one with sound
  }

  void withoutAnySpeakerTheSwitchIsDisabled() {
    Harness h;
    QAction* action = h.program().speech().action();
    QVERIFY(!action->isEnabled());
    QVERIFY(action->toolTip().startsWith("Voorlezen kan niet"));
    auto& f = h.program().form<frmprobe>();
    f.Show();
    pressCtrlL(&f);
    QVERIFY(!action->isChecked());
  }

  // Said while the voice is still loading: heard once it is ready, not lost.
  void whatIsSaidBeforeTheVoiceIsReadyIsHeardWhenItIs() {
    Harness h;
    h.program().preferences().setValue("voorlezen", true);
    auto speaker = std::make_unique<FakeSpeaker>(QString(), FakeSpeaker::Start::Later);
    FakeSpeaker& fake = *speaker;
    h.program().speech().setSpeaker(std::move(speaker));
    QVERIFY(!h.program().speech().action()->isEnabled());
    h.program().form<frmprobe>().Show();
    QCOMPARE(fake.said(), QStringList());
    fake.becomeReady();
    QCOMPARE(fake.said(), QStringList{"kies een cijfer. in het kader."});
  }

  void nothingIsSpokenAfterTheProgramEnds() {
    Harness h;
    auto& f = h.program().form<frmprobe>();
    f.Show();
    FakeSpeaker& fake = h.readAloud();
    f.lblsom.setCaption("3 + 4 = 7");
    h.program().End();
    f.lblsom.setCaption("4 + 3 = 7");
    h.program().speech().say("dat is goed !");
    QCOMPARE(fake.said(), QStringList());
    QVERIFY(fake.silences() >= 1);
  }
};

QTEST_MAIN(TestReadingAloud)
#include "tst_reading_aloud.moc"
