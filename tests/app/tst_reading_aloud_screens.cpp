// Reading aloud on every screen, with a fake speaker: which texts are heard after which
// actions of the child. Each turn of the event loop is one utterance, so every list
// below holds what was heard, utterance by utterance.

#include <QTest>

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
#include "shell/frmkiesbasis.h"
#include "shell/frmmecenaat1.h"
#include "tests/support/every_screen.h"
#include "tests/support/harness.h"

using namespace forms;

namespace {

// A program with every screen and reading aloud on; `heard` collects the utterances.
struct Aloud {
  Harness h;
  FakeSpeaker& speaker;
  QStringList heard;
  Aloud() : speaker((registerAllScreens(h.program()), h.readAloud())) {}
  template <class F>
  F& show() {
    F& f = h.program().form<F>();
    f.Show();
    return f;
  }
  // What was said since the last call.
  QStringList said() {
    const QStringList all = speaker.said();
    speaker.forget();
    return all;
  }
};

CommandButton& button(Form& f, const QString& name) {
  return Harness::control<CommandButton>(f, name);
}

}  // namespace

class TestReadingAloudScreens : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void welcomeAndChooser() {
    Aloud a;
    a.h.start();
    QCOMPARE(a.said(), QStringList{"klik hier en start!"});
    screens::frmmecenaat1().cmdkombinnen.click();
    QCOMPARE(a.said(), QStringList());  // the board is empty until the pointer moves
    frmkiesbasis& kies = screens::frmkiesbasis();
    kies.cmdbrugmin.MouseMove();
    QCOMPARE(a.said(),
             QStringList{"splitsmachine. kies een cijfer, typ het cijfer van het verborgen "
                         "aantal, klik op de auto als controle, start opnieuw en oefen "
                         "hetzelfde cijfer. klik stop en kies een ander cijfer."});
    kies.cmdbrugmin.MouseMove();  // the pointer moves on over the same picture
    QCOMPARE(a.said(), QStringList());
    kies.cmdflits.MouseMove();
    QCOMPARE(a.said(), QStringList{"splitsingen. automatiseren. memoriseren."});
  }

  // Switched on at the last run: the first instruction is heard as soon as the voice
  // is ready, although the welcome screen appeared before that.
  void rememberedOnTheWelcomeIsHeardAtStart() {
    Harness h;
    h.program().preferences().setValue("voorlezen", true);
    auto speaker = std::make_unique<FakeSpeaker>(QString(), FakeSpeaker::Start::Later);
    FakeSpeaker& fake = *speaker;
    startSplitsen(h.program(), {}, std::move(speaker));
    QVERIFY(screens::frmmecenaat1().isVisible());
    QCOMPARE(fake.said(), QStringList());
    fake.becomeReady();
    QCOMPARE(fake.said(), QStringList{"klik hier en start!"});
  }

  void splitMachine() {
    Aloud a;
    auto& f = a.show<frmsplitsmachine>();
    QCOMPARE(a.said(), QStringList{"kies een cijfer."});
    a.h.random().then({drawFor(2, 6)});  // 7 with 3 in the left bin
    f.cmd(7).click();
    a.h.advance(2000);  // the board shows 7 = 3 + . while the part is hidden
    QCOMPARE(a.said(), QStringList());
    QTest::keyClicks(f.txtmult2.widget(), "5");
    f.cmdcontrole.click();  // wrong: yellow box, nothing said
    QCOMPARE(a.said(), QStringList());
    QTest::keyClicks(f.txtmult2.widget(), "4");
    f.cmdcontrole.click();
    QCOMPARE(a.said(), QStringList{"zeven is drie en vier. drie plus vier is zeven."});
    a.h.random().then({drawFor(0, 6)});
    f.cmdnieuw(7).click();  // START: a new split, the sum is gone
    QCOMPARE(a.said(), QStringList());
    f.cmdstop1.click();
    QCOMPARE(a.said(), QStringList{"kies een cijfer, of stop."});
  }

  // The walk says each split of the list as the board reaches it, and stops with it.
  void splitMemorisingWalk() {
    Aloud a;
    auto& f = a.show<frmsplits2>();
    QCOMPARE(a.said(), QStringList{"klik een cijfer, kijk en zeg mee."});
    f.opt(3).click();
    QCOMPARE(a.said(), QStringList());
    a.h.advance(10);
    QCOMPARE(a.said(), QStringList{"nul en drie."});
    a.h.advance(1250);
    QCOMPARE(a.said(), QStringList{"één en twee."});
    a.h.advance(2500);
    QCOMPARE(a.said(), QStringList{"twee en één."});
    a.h.advance(3750);
    QCOMPARE(a.said(), QStringList{"drie en nul."});
    a.h.advance(60000);
    QCOMPARE(a.said(), QStringList());  // the walk rests on 3 + .
    f.cmd(5).click();
    QCOMPARE(a.said(), QStringList{"leer alle splitsingen van vijf."});
  }

  void clickAndSplit() {
    Aloud a;
    auto& f = a.show<frmsleepsplits>();
    QCOMPARE(a.said(), QStringList());
    f.cmdsplits3.click();
    QCOMPARE(a.said(), QStringList());
    QStringList heard;
    f.cmdstart[0].click();
    heard << a.said();
    for (int i = 0; i < 3; ++i) {
      f.cmdstart[1].click();
      heard << a.said();
    }
    QCOMPARE(heard, (QStringList{"nul plus drie is drie.", "één plus twee is drie.",
                                 "twee plus één is drie.", "drie plus nul is drie."}));
    f.cmdcontroleer.click();  // the board is cleared: nothing to say
    QCOMPARE(a.said(), QStringList());
  }

  // Both sums once the second digit is clicked; a sum that does not add up is read as the
  // crossed-out equals signs show it.
  void lookAndSplit_data() {
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("second");
    QTest::addColumn<QString>("heard");
    QTest::newRow("right") << 3 << 4 << "zeven is drie en vier. drie plus vier is zeven.";
    QTest::newRow("swapped, still adds up")
        << 4 << 3 << "zeven is vier en drie. vier plus drie is zeven.";
    QTest::newRow("wrong") << 2 << 4 << "zeven is niet twee en vier. twee plus vier is niet zeven.";
  }
  void lookAndSplit() {
    QFETCH(int, first);
    QFETCH(int, second);
    QFETCH(QString, heard);
    Aloud a;
    auto& f = a.show<frmsplits1>();
    Harness::control<Image>(f, "imgzeven").click();
    a.h.random().then({drawFor(3, 7)});
    button(f, "cmdzeven").click();
    button(f, QStringLiteral("cmdlinks%1").arg(first)).click();
    QCOMPARE(a.said(), QStringList());  // "7 = 3 +": not yet a sum
    button(f, QStringLiteral("cmdrechts%1").arg(second)).click();
    QCOMPARE(a.said(), QStringList{heard});
  }

  // The list grows by one split per click: only the new one is said.
  void splitSeries() {
    Aloud a;
    auto& f = a.show<frmsplitsrijenA>();
    QCOMPARE(a.said(), QStringList{"kies en klik. klik en splits."});
    f.cmdgetal[5].click();
    QCOMPARE(a.said(), QStringList());
    QStringList heard;
    for (int i = 0; i <= 5; ++i) {
      f.cmdstart[i].click();
      heard << a.said();
    }
    QCOMPARE(heard, (QStringList{"vijf is nul en vijf.", "vijf is één en vier.",
                                 "vijf is twee en drie.", "vijf is drie en twee.",
                                 "vijf is vier en één.", "vijf is vijf en nul."}));
  }

  void splitFriends() {
    Aloud a;
    auto& f = a.show<frmsplitsrijenB>();
    QCOMPARE(a.said(), QStringList());
    a.h.random().then({drawFor(6, 9)});  // 7
    f.cmdstart.click();
    QCOMPARE(a.said(), QStringList());
    const int row = 0;  // its left number is 2
    QCOMPARE(f.lblsplits[row].caption(), "2");
    QTest::keyClicks(f.txtsplis[row].widget(), "4");
    f.cmdeen[row].click();  // wrong: a red box, nothing said
    QCOMPARE(a.said(), QStringList());
    f.txtsplis[row].Click();
    QTest::keyClicks(f.txtsplis[row].widget(), "5");
    f.cmdeen[row].click();
    QCOMPARE(a.said(), QStringList{"twee plus vijf is zeven. vijf plus twee is zeven. zeven "
                                   "is vijf en twee. zeven is twee en vijf. twee is zeven min "
                                   "vijf. vijf is zeven min twee."});
  }

  void numberImageSplitting() {
    Aloud a;
    auto& f = a.show<frmsplitsbeeldB>();
    QCOMPARE(a.said(), QStringList{"kies een, getal, klik en kijk, onderaan, hoe het getal, "
                                   "gesplitst kan worden."});
    f.cmd7topplus.click();
    QCOMPARE(a.said(), QStringList());
    button(f, "cmd7d").click();
    QCOMPARE(a.said(), QStringList{"zeven is drie en vier."});
    button(f, "cmd7h").click();
    QCOMPARE(a.said(), QStringList{"zeven is zeven en nul."});
  }

  void missingPartChosen() {
    Aloud a;
    auto& f = a.show<frmsleepsplits2>();
    QCOMPARE(a.said(), QStringList{"kies."});
    a.h.random().then({drawFor(3, 10)});
    f.cmdsplits(7).click();
    QCOMPARE(a.said(), QStringList());  // 3 + ? = 7
    QTest::keyClicks(f.txtantwoord.widget(), "5");
    f.cmdcontroleer.click();
    QCOMPARE(a.said(), QStringList());
    QTest::keyClicks(f.txtantwoord.widget(), "4");
    f.cmdcontroleer.click();
    QCOMPARE(a.said(), QStringList{"drie plus vier is zeven. dat is goed!"});
    f.cmdreeks.click();
    QCOMPARE(a.said(), QStringList{"kies."});
  }

  void missingPartScore() {
    Aloud a;
    auto& f = a.show<frmsleepsplits3>();
    QCOMPARE(a.said(), QStringList());
    a.h.random().then({drawFor(0, 10), drawFor(1, 10)});  // 1 + ? = 2
    f.cmdstart.click();
    QCOMPARE(a.said(), QStringList());
    f.cmdcontroleer.click();  // empty: wrong
    QCOMPARE(a.said(), QStringList());
    QTest::keyClicks(f.txtantwoord.widget(), "1");
    f.cmdcontroleer.click();
    QCOMPARE(a.said(), QStringList{"één plus één is twee. dat is goed!"});
  }

  // With the switch off (as at a first start) no screen says anything.
  void offMeansSilentEverywhere() {
    WholeProgram h;
    auto speaker = std::make_unique<FakeSpeaker>();
    FakeSpeaker& fake = *speaker;
    h.program().speech().setSpeaker(std::move(speaker));
    h.start();
    screens::frmmecenaat1().cmdkombinnen.click();
    screens::frmkiesbasis().cmdbrugmin.MouseMove();
    auto& machine = h.program().form<frmsplitsmachine>();
    machine.Show();
    h.random().then({drawFor(2, 6)});
    machine.cmd(7).click();
    h.advance(2000);
    QTest::keyClicks(machine.txtmult2.widget(), "4");
    machine.cmdcontrole.click();
    auto& walk = h.program().form<frmsplits2>();
    walk.Show();
    walk.opt(4).click();
    h.advance(20000);
    QCOMPARE(fake.said(), QStringList());
  }
};

QTEST_MAIN(TestReadingAloudScreens)
#include "tst_reading_aloud_screens.moc"
