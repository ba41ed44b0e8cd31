// Main window, welcome screen, chooser and closing screen: the navigation between them.

#include <QAccessible>
#include <QApplication>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QTest>

#include "shell/frminfo.h"
#include "shell/frmkiesbasis.h"
#include "shell/frmmecenaat1.h"
#include "shell/mdiform2.h"
#include "tests/support/harness.h"

using namespace forms;

namespace {

// Stands in for an exercise screen.
class frmfake : public Form {
 public:
  explicit frmfake(const char* name) : Form(name, Kind::Free, name, 6000, 4000, White) {}
};

const char* const kExercises[][2] = {
    {"cmdsplits", "frmsplits2"},      {"cmdsplits1", "frmsplits1"},
    {"cmdmin22", "frmsplitsbeeldB"},  {"cmdbrugmin", "frmsplitsmachine"},
    {"cmdflits", "frmsplitsrijenA"},  {"cmdsplitsrij", "frmsplitsrijenB"},
    {"cmdsplits2", "frmsleepsplits"}, {"cmdsleep4", "frmsleepsplits2"},
    {"cmdsleep5", "frmsleepsplits3"},
};

const char* const kDescribed[] = {"cmdsplits",  "cmdsplits1", "cmdmin22",
                                  "cmdbrugmin", "cmdflits",   "cmdsplitsrij"};

// The chooser open, its window active as the window system makes it, and the board
// showing the background text.
frmkiesbasis& activeChooser() {
  screens::MDIForm2().aftrek2.trigger();
  auto& chooser = screens::frmkiesbasis();
  QApplication::setActiveWindow(&chooser);
  if (!QTest::qWaitForWindowActive(&chooser)) qWarning("the chooser did not become active");
  Harness::moveMouse(chooser, QPoint(5500 / 15, 7400 / 15));  // over Shape1
  return chooser;
}

// Every loaded screen laid out anew at this zoom, as the zoom keys do.
void zoomTo(Program& program, double factor) {
  setZoomFactor(factor);
  for (Form* form : program.forms()) form->relayout();
}

void registerFakes(Program& program) {
  for (const auto& e : kExercises) {
    const char* name = e[1];
    program.registerForm(name, [name] { return new frmfake(name); });
  }
}

}  // namespace

class TestShellScreens : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void startShowsTheWelcomeScreenInAnEnabledMainWindow() {
    Harness h;
    h.start();
    QVERIFY(screens::MDIForm2().isVisible());
    QVERIFY(screens::MDIForm2().isEnabled());
    QVERIFY(screens::frmmecenaat1().isVisible());
    QVERIFY(screens::frmmecenaat1().Frame1[1].visible());
    QVERIFY(!h.program().loaded("frminfo"));
    QVERIFY(!h.program().loaded("frmkiesbasis"));
  }

  void welcomeButtonOpensTheChooserAndDisablesTheMainWindow() {
    Harness h;
    h.start();
    QTest::mouseClick(screens::frmmecenaat1().cmdkombinnen.widget(), Qt::LeftButton);
    QVERIFY(!screens::frmmecenaat1().isVisible());
    QVERIFY(screens::frmkiesbasis().isVisible());
    QVERIFY(!screens::MDIForm2().isEnabled());
    QVERIFY(screens::frmkiesbasis().isEnabled());
    QCOMPARE(screens::frmkiesbasis().lblbord.caption(), QString());
  }

  void menuIsUnusableWhileTheMainWindowIsDisabled() {
    Harness h;
    h.start();
    screens::MDIForm2().aftrek2.trigger();  // the menu item "&Basis"
    QVERIFY(screens::frmkiesbasis().isVisible());
    screens::frmkiesbasis().Hide();
    screens::MDIForm2().aftrek2.trigger();  // refused: the main window is disabled
    QVERIFY(!screens::frmkiesbasis().isVisible());
    QVERIFY(!screens::MDIForm2().aftrek.isEnabled());  // "OPENEN " is greyed out
  }

  void boardDescribesWhatIsUnderThePointer() {
    Harness h;
    h.start();
    auto& chooser = screens::frmkiesbasis();
    screens::MDIForm2().aftrek2.trigger();
    Harness::moveMouse(chooser, chooser.cmdbrugmin.widget()->geometry().center());
    const QString machine = chooser.lblbord.caption();
    QVERIFY(machine.startsWith(" splitsmachine \r\n\r\nkies een cijfer \r\n"));
    Harness::moveMouse(
        chooser, chooser.cmdsleep4.widget()->geometry().center());  // no description: text stays
    QCOMPARE(chooser.lblbord.caption(), machine);
    const QPoint overShape1(5500 / 15, 7400 / 15);
    QCOMPARE(chooser.childAt(overShape1), nullptr);  // shapes take no mouse events
    Harness::moveMouse(chooser, overShape1);         // over Shape1: the background
    QCOMPARE(chooser.lblbord.caption(),
             QString("\r\n\r\nOefeningen voor het eerste leerjaar\r\n\r\n de muis op een tekening "
                     "plaatsen\r\n lees wat er geoefend wordt\r\n\r\n met een klik kun je dat "
                     "deeltje inoefenen "));
    QVERIFY(chooser.lblbord.caption().startsWith("\r\n\r\nOefeningen voor het eerste leerjaar"));
  }

  void everyDescriptionIsTheBoardTextWordForWord_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("cmdsplits") << "cmdsplits"
                               << QStringList{" splitsing", "", " zeg elke splitsing hardop ",
                                              "memoriseer elke splitsing "};
    QTest::newRow("cmdsplits1") << "cmdsplits1"
                                << QStringList{" kijk en splits",
                                               "",
                                               " kies welk getal je wilt splitsen ",
                                               "je ziet het getal splitsen in twee delen ",
                                               "  klik voor elk deel op het juiste cijfer ",
                                               "",
                                               " de splitsing wordt geschreven ",
                                               " je krijgt ook de voorstelling met + ",
                                               " Kies om hetzelfde getal te splitsen ",
                                               "",
                                               " of kies om een ander getal te splitsen "};
    QTest::newRow("cmdmin22") << "cmdmin22"
                              << QStringList{" splitsingen ", "",
                                             "kijk hoe elk getalbeeld gesplitst wordt"};
    QTest::newRow("cmdbrugmin") << "cmdbrugmin"
                                << QStringList{" splitsmachine ",
                                               "",
                                               "kies een cijfer ",
                                               " typ het cijfer van het verborgen aantal ",
                                               " klik op de auto als controle ",
                                               " start opnieuw en oefen hetzelfde cijfer  ",
                                               "",
                                               " klik stop en kies een ander cijfer "};
    QTest::newRow("cmdflits") << "cmdflits"
                              << QStringList{" splitsingen ", "", "automatiseren ", "",
                                             "memoriseren"};
    QTest::newRow("cmdsplitsrij") << "cmdsplitsrij"
                                  << QStringList{" splitsen",
                                                 "",
                                                 " klik en je ziet een getal ",
                                                 "vul het vriendje van het linkse getal in ",
                                                 "  controleer ",
                                                 "",
                                                 " je ziet de splisting met stippen ",
                                                 " je leest alle bewerkingen  "};
  }
  void everyDescriptionIsTheBoardTextWordForWord() {
    QFETCH(QString, button);
    QFETCH(QStringList, lines);
    Harness h;
    h.start();
    auto& chooser = screens::frmkiesbasis();
    screens::MDIForm2().aftrek2.trigger();
    auto& target = Harness::control<CommandButton>(chooser, button);
    Harness::moveMouse(chooser, target.widget()->geometry().center());
    QCOMPARE(chooser.lblbord.caption(), lines.join("\r\n"));
  }

  void sixClicksOnTheDecorationBringBackTheGirl() {
    Harness h;
    h.start();
    auto& chooser = screens::frmkiesbasis();
    screens::MDIForm2().aftrek2.trigger();
    Image* ring[] = {&chooser.imgmeisje, &chooser.imgwit,    &chooser.imgchinees,
                     &chooser.imgkleur,  &chooser.imgkleur2, &chooser.imgkleur3};
    for (int i = 0; i < 6; ++i) {
      QVERIFY(ring[i]->visible());
      QTest::mouseClick(ring[i]->widget(), Qt::LeftButton);
      for (int j = 0; j < 6; ++j) QCOMPARE(ring[j]->visible(), j == (i + 1) % 6);
    }
  }

  // The free screens belong to the main window (the window system keeps them above it), and
  // its Enabled false blocks only its own screens and "OPENEN ".
  void disabledMainWindowBlocksOnlyItsScreensAndTheOpenMenu() {
    Harness h;
    registerFakes(h.program());
    h.start();
    auto& main = screens::MDIForm2();
    auto* client = main.findChild<QWidget*>(QStringLiteral("MDIClient"));
    main.aftrek2.trigger();
    auto& chooser = screens::frmkiesbasis();
    QVERIFY(!main.isEnabled());
    QVERIFY(!main.property("Enabled").toBool());
    QVERIFY(!client->isEnabled() && !main.aftrek.isEnabled() && !main.aftrek2.isEnabled());
    QVERIFY(main.beeld.isEnabled() && main.groter.isEnabled());
    QCOMPARE(chooser.parentWidget(), &main);
    QVERIFY(chooser.isWindow() && chooser.isEnabled() && chooser.cmdstop.widget()->isEnabled());
    QVERIFY(
        !(chooser.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
    // BEELD works while the main window is disabled; "&Basis" does not.
    const double before = h.program().zoom().factor();
    main.kleiner.trigger();
    QVERIFY(h.program().zoom().factor() < before);
    chooser.cmdbrugmin.click();
    Form& exercise = h.program().form(QStringLiteral("frmsplitsmachine"));
    QCOMPARE(exercise.parentWidget(), &main);
    main.aftrek2.trigger();
    QVERIFY(!chooser.isVisible());
    // The main window's controls found by name are still those of each screen itself.
    QCOMPARE(Harness::control<CommandButton>(chooser, "cmdstop").form(), &chooser);
    exercise.Hide();
    chooser.Show();
    chooser.cmdstop.click();
    QVERIFY(main.isEnabled() && client->isEnabled() && main.aftrek.isEnabled());
  }

  // Minimising a free screen, or the main window while a free screen is up, would leave
  // the child without a screen: it comes back. On the welcome screen a minimise stays.
  void minimisingNeverHidesTheScreenTheChildWorksIn_data() {
    QTest::addColumn<QString>("minimised");
    QTest::addColumn<bool>("chooserOpen");
    QTest::addColumn<bool>("comesBack");
    // clang-format off
    QTest::newRow("the chooser") << "frmkiesbasis" << true << true;
    QTest::newRow("the main window under the chooser") << "MDIForm2" << true << true;
    QTest::newRow("the main window on the welcome screen") << "MDIForm2" << false << false;
    // clang-format on
  }
  void minimisingNeverHidesTheScreenTheChildWorksIn() {
    QFETCH(QString, minimised);
    QFETCH(bool, chooserOpen);
    QFETCH(bool, comesBack);
    Harness h;
    h.start();
    if (chooserOpen) screens::MDIForm2().aftrek2.trigger();
    Form& window = h.program().form(minimised);
    window.setWindowState(Qt::WindowMinimized);
    QCoreApplication::processEvents();
    QCOMPARE(window.isMinimized(), !comesBack);
    if (chooserOpen)
      QVERIFY(screens::frmkiesbasis().isVisible() && !screens::frmkiesbasis().isMinimized());
  }

  void stopOpensTheClosingScreenInTheReenabledMainWindow() {
    Harness h;
    h.start();
    screens::MDIForm2().aftrek2.trigger();
    screens::frmkiesbasis().cmdstop.click();
    QVERIFY(screens::MDIForm2().isEnabled());
    QVERIFY(screens::frminfo().isVisible());
    QVERIFY(!screens::frmkiesbasis().isVisible());
    QVERIFY(screens::frminfo().Timer1.enabled());
  }

  // The menu BEELD as a person reads it, each item with its key; the item and the key do
  // the same, on the main window and while an exercise's window has the keys.
  void viewMenuItemsAndTheirKeysDoTheSame_data() {
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QKeySequence>("key");
    QTest::newRow("larger") << "groter"
                            << "Groter\tCtrl++" << QKeySequence("Ctrl+=");
    QTest::newRow("smaller") << "kleiner"
                             << "Kleiner\tCtrl+-" << QKeySequence("Ctrl+-");
    QTest::newRow("fit") << "passend"
                         << "Passend\tCtrl+0" << QKeySequence("Ctrl+0");
    QTest::newRow("full screen") << "volledigscherm"
                                 << "Volledig scherm\tF11" << QKeySequence(Qt::Key_F11);
  }
  void viewMenuItemsAndTheirKeysDoTheSame() {
    QFETCH(QString, item);
    QFETCH(QString, shown);
    QFETCH(QKeySequence, key);
    QStringList states;
    for (const bool byKey : {false, true}) {
      Harness h;
      h.start();
      auto& main = screens::MDIForm2();
      ZoomControl& zoom = h.program().zoom();
      auto state = [&] {
        return QStringLiteral("%1 %2 %3")
            .arg(zoom.factor())
            .arg(zoom.isFitted())
            .arg(bool(main.windowState() & Qt::WindowFullScreen));
      };
      zoom.smaller();
      zoom.smaller();  // room to grow and something to fit back to
      const QString before = state();
      auto* action = main.findChild<QAction*>(item);
      QVERIFY(main.beeld.menu()->actions().contains(action));
      QCOMPARE(action->text(), shown);
      if (byKey)
        QTest::keySequence(&main, key);
      else
        action->trigger();
      QVERIFY2(state() != before, qPrintable(before));
      states << state();
    }
    QCOMPARE(states[1], states[0]);
  }

  // Full screen, switched by F11 or the menu, on and off, on the chooser's window as on
  // the main window; the choice is remembered for the next start, and --fullscreen starts
  // in it without changing what is remembered.
  void fullScreenIsSwitchedAndRemembered_data() {
    QTest::addColumn<bool>("byKey");
    QTest::addColumn<int>("switches");
    QTest::newRow("F11 once") << true << 1;
    QTest::newRow("menu once") << false << 1;
    QTest::newRow("F11 twice") << true << 2;
    QTest::newRow("menu twice") << false << 2;
  }
  void fullScreenIsSwitchedAndRemembered() {
    QFETCH(bool, byKey);
    QFETCH(int, switches);
    const bool on = switches % 2 == 1;
    QTemporaryDir kept;
    const QString settings = kept.filePath(QStringLiteral("splitsen.conf"));
    // Each program remembers in `settings`, as the program does in the user's file.
    auto remembering = [&settings](Harness& h, bool commandLine) {
      h.program().setPreferences(std::make_unique<Preferences>(settings));
      h.program().zoom().restore(&h.program().preferences(), std::nullopt, commandLine);
      h.start();
    };
    {
      Harness h;
      remembering(h, false);
      auto& main = screens::MDIForm2();
      main.aftrek2.trigger();  // the chooser open: the main window disabled
      for (int i = 0; i < switches; ++i)
        if (byKey)
          QTest::keyClick(&screens::frmkiesbasis(), Qt::Key_F11);
        else
          main.volledigscherm.trigger();
      QCOMPARE(bool(main.windowState() & Qt::WindowFullScreen), on);
      QCOMPARE(bool(main.windowState() & Qt::WindowMaximized), !on);
      QVERIFY(screens::frmkiesbasis().isVisible());
    }
    for (const bool commandLine : {false, true}) {
      Harness next;
      remembering(next, commandLine);
      QCOMPARE(bool(screens::MDIForm2().windowState() & Qt::WindowFullScreen), on || commandLine);
    }
  }

  // Closing the main window (its close button, or the window manager) ends the program
  // once, with every screen gone.
  void closingTheMainWindowEndsTheProgram() {
    Harness h;
    int ends = 0;
    h.program().onEnd = [&ends] { ++ends; };
    h.start();
    screens::MDIForm2().aftrek2.trigger();
    screens::MDIForm2().close();
    QCOMPARE(ends, 1);
    QVERIFY(h.program().ended());
    for (Form* form : h.program().forms())
      QVERIFY2(!form->isVisible(), qPrintable(form->objectName()));
  }

  // Every line of every description is on the board, whole, at every size.
  void boardShowsEveryDescriptionWhole_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<double>("factor");
    for (const char* button : kDescribed)
      for (double z : {0.5, 0.9, 1.0, 1.7, 2.25, 4.0})
        QTest::newRow(qPrintable(QStringLiteral("%1 at %2").arg(button).arg(z)))
            << QString::fromLatin1(button) << z;
  }
  void boardShowsEveryDescriptionWhole() {
    QFETCH(QString, button);
    QFETCH(double, factor);
    Harness h;
    h.start();
    auto& chooser = screens::frmkiesbasis();
    screens::MDIForm2().aftrek2.trigger();
    zoomTo(h.program(), factor);
    auto& target = Harness::control<CommandButton>(chooser, button);
    Harness::moveMouse(chooser, target.widget()->geometry().center());
    const QRectF board(QPointF(0, 0), QSizeF(chooser.lblbord.widget()->size()) / factor);
    const QRectF text = chooser.lblbord.captionBounds();
    QVERIFY2(board.adjusted(-0.5, -0.5, 0.5, 0.5).contains(text),
             qPrintable(QStringLiteral("text %1 x %2 on a board of %3 x %4")
                            .arg(text.width())
                            .arg(text.height())
                            .arg(board.width())
                            .arg(board.height())));
    // Fitting keeps the text large: it still fills more than a quarter of the board.
    QVERIFY(text.height() > board.height() / 4);
  }

  void boardTextIsReadByAssistiveTechnology() {
    Harness h;
    h.start();
    auto& chooser = screens::frmkiesbasis();
    screens::MDIForm2().aftrek2.trigger();
    Harness::moveMouse(chooser, chooser.cmdsplits.widget()->geometry().center());
    QAccessibleInterface* board = QAccessible::queryAccessibleInterface(chooser.lblbord.widget());
    QVERIFY(board);
    QCOMPARE(board->role(), QAccessible::StaticText);
    QVERIFY(board->text(QAccessible::Name).contains(QStringLiteral("memoriseer elke splitsing")));
    QAccessibleTextInterface* text = board->textInterface();
    QVERIFY(text);
    QCOMPARE(text->text(0, text->characterCount()), board->text(QAccessible::Name));
  }

  // The board describes a button the focus reaches only when the child moved it with
  // the keys; the focus that moves on by itself leaves the board as it was.
  void boardDescribesOnlyWhenTheKeysMoveTheFocus_data() {
    QTest::addColumn<QString>("route");
    QTest::addColumn<QString>("describes");  // the button described, or none
    // clang-format off
    QTest::newRow("Tab from the picture") << "tab" << "cmdsplits";
    QTest::newRow("Shift+Tab") << "backtab" << "cmdsplits";
    QTest::newRow("arrow right") << "right" << "cmdsplits1";
    QTest::newRow("sixth click on the picture ring") << "ring" << "";
    QTest::newRow("shown again from the menu") << "menu" << "";
    QTest::newRow("back from an exercise") << "exercise" << "";
    // clang-format on
  }
  void boardDescribesOnlyWhenTheKeysMoveTheFocus() {
    QFETCH(QString, route);
    QFETCH(QString, describes);
    Harness h;
    registerFakes(h.program());
    h.start();
    frmkiesbasis& chooser = activeChooser();
    const QString before = chooser.lblbord.caption();
    QCOMPARE(before, frmkiesbasis::backgroundText());
    const auto key = [&chooser](Qt::Key k) {
      QTest::keyClick(chooser.focusWidget() ? chooser.focusWidget() : &chooser, k);
    };
    if (route == "tab") {
      chooser.imgmeisje.widget()->setFocus();
      key(Qt::Key_Tab);
    } else if (route == "backtab") {
      chooser.cmdsplits1.SetFocus();
      key(Qt::Key_Backtab);
    } else if (route == "right") {
      chooser.cmdsplits.SetFocus();
      key(Qt::Key_Right);
    } else if (route == "ring") {
      for (int i = 0; i < 6; ++i)
        for (Image* picture : chooser.findChildren<Image*>())
          if (picture->visible() && picture->takesClicks() && picture->widget()->isVisible()) {
            QTest::mouseClick(picture->widget(), Qt::LeftButton);
            break;
          }
      QVERIFY(chooser.imgmeisje.visible());
    } else if (route == "menu") {
      QTest::mouseClick(chooser.cmdstop.widget(), Qt::LeftButton);
      screens::MDIForm2().aftrek2.trigger();
      QVERIFY(chooser.isVisible());
    } else if (route == "exercise") {
      QTest::mouseClick(chooser.cmdsleep5.widget(), Qt::LeftButton);
      chooser.Show();
      h.program().form(QStringLiteral("frmsleepsplits3")).Hide();
    }
    QCOMPARE(chooser.lblbord.caption(),
             describes.isEmpty() ? before : frmkiesbasis::descriptionOf(describes));
    if (route == "menu" || route == "exercise")
      QVERIFY(!chooser.cmdstop.widget()->hasFocus() && !chooser.cmdsleep5.widget()->hasFocus());
  }

  // Centred on the display, but a screen larger than the display keeps its top-left corner
  // on it.
  void chooserLiesOnTheDisplayAtEveryZoom_data() {
    QTest::addColumn<double>("factor");
    for (double z : {0.5, 1.0, 2.0, 4.0}) QTest::newRow(qPrintable(QString::number(z))) << z;
  }
  void chooserLiesOnTheDisplayAtEveryZoom() {
    QFETCH(double, factor);
    Harness h;
    h.start();
    screens::MDIForm2().aftrek2.trigger();
    zoomTo(h.program(), factor);
    auto& chooser = screens::frmkiesbasis();
    const int room = Form::screenWidth() - chooser.clientWidth();
    QCOMPARE(chooser.left(), room >= 0 ? CInt(room / 2.0) : 0);
    QVERIFY(chooser.left() >= 0 && chooser.top() >= 0);
    QVERIFY(chooser.geometry().left() >= 0 && chooser.geometry().top() >= 0);
  }

  void countdownEndsTheProgramAfterTheBarIsFull() {
    Harness h;
    h.start();
    screens::MDIForm2().aftrek2.trigger();
    screens::frmkiesbasis().cmdstop.click();
    auto& info = screens::frminfo();
    h.advance(150 * 75);
    QCOMPARE(info.ProgressBar1.value(), 150);
    QVERIFY(!h.program().ended());
    h.advance(75);
    QVERIFY(h.program().ended());
    QVERIFY(!screens::MDIForm2().isVisible());
  }

  void menuReopensTheChooserDuringTheCountdownAndTheEndStillComes() {
    Harness h;
    h.start();
    screens::MDIForm2().aftrek2.trigger();
    screens::frmkiesbasis().cmdstop.click();
    h.advance(3000);
    screens::MDIForm2().aftrek2.trigger();
    QVERIFY(screens::frmkiesbasis().isVisible());
    QVERIFY(!screens::MDIForm2().isEnabled());
    h.advance(9000);
    QVERIFY(h.program().ended());
    QVERIFY(!screens::frmkiesbasis().isVisible());
  }

  void secondActivationKeepsTheCounterButResetsTheBar() {
    Harness h;
    h.start();
    screens::MDIForm2().aftrek2.trigger();
    screens::frmkiesbasis().cmdstop.click();
    auto& info = screens::frminfo();
    h.advance(75 * 40);
    info.Hide();
    info.Show();
    QCOMPARE(info.teller, 40);
    QCOMPARE(info.ProgressBar1.value(), 0);
    h.advance(75);
    QCOMPARE(info.ProgressBar1.value(), 41);
  }

  void statusTextScrollsInFromTheRight() {
    Harness h;
    h.start();
    screens::MDIForm2().aftrek2.trigger();
    screens::frmkiesbasis().cmdstop.click();
    auto& info = screens::frminfo();
    const QString text = "Splitsen - oefenen met splitsen van getallen tot 10";
    h.advance(75);
    const QString tag = info.StatusBar1.panelTag(1);
    QVERIFY(tag.endsWith(text));
    const int blanks = tag.size() - text.size();
    QVERIFY(blanks > 10);
    QCOMPARE(info.StatusBar1.panelText(1), tag.mid(1));
    h.advance(75 * 100);
    QCOMPARE(info.StatusBar1.panelText(1), tag.mid(101));
    // Scrolled out: it starts over from the padded text.
    info.StatusBar1.setPanelText(1, "");
    h.advance(75);
    QCOMPARE(info.StatusBar1.panelText(1), tag);
  }

  void progressBarSitsInTheSecondPanel() {
    Harness h;
    h.start();
    screens::MDIForm2().aftrek2.trigger();
    screens::frmkiesbasis().cmdstop.click();
    auto& info = screens::frminfo();
    QCOMPARE(info.ProgressBar1.widget()->parentWidget(), info.StatusBar1.widget());
    QCOMPARE(info.ProgressBar1.widget()->geometry(), info.StatusBar1.panelRect(1));
  }
};

QTEST_MAIN(TestShellScreens)
#include "tst_shell_screens.moc"
