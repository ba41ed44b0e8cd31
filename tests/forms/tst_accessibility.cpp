// What assistive technology and a child at the keyboard get from the model: roles and
// names of every control kind, press actions, announced name changes, the focus ring
// and the Tab order.

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QImage>
#include <QTest>

#include "forms/program.h"
#include "tests/support/harness.h"

using namespace forms;

namespace {

// A screen with one control of every kind that shows or takes something, declared in
// an order unlike their places, so that the Tab order has to come from the layout.
class frmkinds : public Form {
 public:
  static constexpr const char* Name = "frmkinds";
  frmkinds() : Form(Name, Kind::Free, " Alle soorten ", 9000, 6000, White) {
    cmdlaag.at(4000, 4000, 1200, 600).caption("laag");
    lbltekst.at(120, 120, 3000, 900).caption("  7 = 3 + 4\r\n\r\n 3 + 4 = 7 ");
    cmdfoto.at(2000, 2000, 1200, 600).picture(Picture::svg(":/assets/common/bij.svg")).name("bij");
    cmdstop.at(120, 4000, 1200, 600)
        .colour(0x00000080)
        .picture(Picture::svg(":/assets/common/bij.svg").named("stop"))
        .tooltip("STOP");
    cmdtip.at(5200, 2000, 1200, 600)
        .picture(Picture::svg(":/assets/common/bij.svg"))
        .tooltip(" START ");
    imgklik.at(120, 2000, 1200, 900).picture(Picture::svg(":/assets/common/bij.svg")).name("kat");
    imgversiering.at(7000, 120, 900, 900)
        .picture(Picture::svg(":/assets/common/bij.svg"))
        .tooltip("ster");
    opt1.at(120, 3200, 1200, 400).caption("1");
    opt2.at(1500, 3200, 1200, 400).caption("2");
    txtantwoord.at(4000, 2000, 900, 600).name("het antwoord");
    frvak.at(6000, 3000, 2800, 2800).caption("VAK");
    cmdinvak.at(200, 400, 1200, 600).caption("in het vak");
    shpvlak.at(0, 5000, 9000, 1000).filled(0x0000C000);
    lnstreep.from(0, 1900).to(9000, 1900);
    cmdverborgen.at(3000, 3200, 900, 400).caption("weg").hidden();
    cmduit.at(3000, 4000, 900, 400).caption("uit").disabled();

    imgklik.Click = [this] { clicks << "imgklik"; };
    cmdfoto.Click = [this] { clicks << "cmdfoto"; };
    cmdverborgen.Click = [this] { clicks << "cmdverborgen"; };
    cmdlaag.MouseMove = [this] { clicks << "cmdlaag over"; };
    opt2.Click = [this] { clicks << "opt2"; };
  }

  CommandButton cmdlaag{this, "cmdlaag"};
  Label lbltekst{this, "lbltekst"};
  CommandButton cmdfoto{this, "cmdfoto"};
  CommandButton cmdstop{this, "cmdstop"};
  CommandButton cmdtip{this, "cmdtip"};
  Image imgklik{this, "imgklik"};
  Image imgversiering{this, "imgversiering"};
  OptionButton opt1{this, "opt1"};
  OptionButton opt2{this, "opt2"};
  TextBox txtantwoord{this, "txtantwoord"};
  Frame frvak{this, "frvak"};
  CommandButton cmdinvak{&frvak, "cmdinvak"};
  Shape shpvlak{this, "shpvlak"};
  Line lnstreep{this, "lnstreep"};
  CommandButton cmdverborgen{this, "cmdverborgen"};
  CommandButton cmduit{this, "cmduit"};
  QStringList clicks;
};

QAccessibleInterface* accessible(QObject* control) {
  auto* c = qobject_cast<Control*>(control);
  return QAccessible::queryAccessibleInterface(c ? static_cast<QObject*>(c->widget()) : control);
}

// Shown as the window the keyboard types into: focus events go to active windows only.
void showActive(Form& form) {
  form.Show();
  QApplication::setActiveWindow(&form);
  QVERIFY(QTest::qWaitForWindowActive(&form));
}

void press(QAccessibleInterface* iface) {
  QAccessibleActionInterface* actions = iface->actionInterface();
  QVERIFY(actions);
  QVERIFY(actions->actionNames().contains(QAccessibleActionInterface::pressAction()));
  actions->doAction(QAccessibleActionInterface::pressAction());
}

}  // namespace

class TestAccessibility : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void everyKindHasItsRoleAndName_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<int>("role");
    QTest::addColumn<QString>("name");
    const int button = QAccessible::Button;
    QTest::newRow("label: its caption, a line each, blanks of the layout dropped")
        << "lbltekst" << int(QAccessible::StaticText) << "7 = 3 + 4\n3 + 4 = 7";
    QTest::newRow("button with a caption") << "cmdlaag" << button << "laag";
    QTest::newRow("picture button named in the layout") << "cmdfoto" << button << "bij";
    QTest::newRow("stop picture: its own name before the tooltip") << "cmdstop" << button << "stop";
    QTest::newRow("picture button with a tooltip only") << "cmdtip" << button << "START";
    QTest::newRow("picture that takes clicks") << "imgklik" << button << "kat";
    QTest::newRow("decoration: a graphic with its tooltip")
        << "imgversiering" << int(QAccessible::Graphic) << "ster";
    QTest::newRow("option") << "opt2" << int(QAccessible::RadioButton) << "2";
    QTest::newRow("text box: what it asks for")
        << "txtantwoord" << int(QAccessible::EditableText) << "het antwoord";
    QTest::newRow("frame") << "frvak" << int(QAccessible::Grouping) << "VAK";
    QTest::newRow("button inside a frame") << "cmdinvak" << button << "in het vak";
    QTest::newRow("shape") << "shpvlak" << int(QAccessible::Graphic) << "";
    QTest::newRow("line") << "lnstreep" << int(QAccessible::Separator) << "";
  }
  void everyKindHasItsRoleAndName() {
    QFETCH(QString, control);
    QFETCH(int, role);
    QFETCH(QString, name);
    Harness h;
    auto& f = h.program().form<frmkinds>();
    QAccessibleInterface* iface = accessible(f.findChild<QObject*>(control));
    QVERIFY(iface);
    QCOMPARE(int(iface->role()), role);
    QCOMPARE(iface->text(QAccessible::Name), name);
  }

  void screenIsAWindowNamedByItsCaption() {
    Harness h;
    auto& f = h.program().form<frmkinds>();
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(&f);
    QCOMPARE(iface->role(), QAccessible::Window);
    QCOMPARE(iface->text(QAccessible::Name), QStringLiteral("Alle soorten"));
  }

  void pressActionClicksAtOnceButNotWhatTheChildCannotReach() {
    Harness h;
    auto& f = h.program().form<frmkinds>();
    f.Show();
    press(accessible(&f.cmdfoto));
    press(accessible(&f.imgklik));
    press(accessible(&f.cmdverborgen));  // hidden: nothing happens
    QCOMPARE(f.clicks, QStringList({"cmdfoto", "imgklik"}));
    QVERIFY(!accessible(&f.imgversiering)
                 ->actionInterface()
                 ->actionNames()
                 .contains(QAccessibleActionInterface::pressAction()));
  }

  void optionIsCheckedThroughItsPressAction() {
    Harness h;
    auto& f = h.program().form<frmkinds>();
    f.Show();
    QAccessibleInterface* iface = accessible(&f.opt2);
    QVERIFY(iface->state().checkable);
    QVERIFY(!iface->state().checked);
    press(iface);
    QVERIFY(iface->state().checked);
    QVERIFY(f.opt2.value());
    QCOMPARE(f.clicks, QStringList({"opt2"}));
  }

  // The announcement itself needs a real accessibility bridge: the AT-SPI walk listens
  // for it. Here: the name follows every change of the caption.
  void nameFollowsTheCaption() {
    Harness h;
    auto& f = h.program().form<frmkinds>();
    QAccessibleInterface* label = accessible(&f.lbltekst);
    f.lbltekst.setCaption("8 = 4 + 4");
    f.cmdlaag.setCaption("hoog");
    f.setCaption("Nieuw");
    QCOMPARE(label->text(QAccessible::Name), QStringLiteral("8 = 4 + 4"));
    QCOMPARE(accessible(&f.cmdlaag)->text(QAccessible::Name), QStringLiteral("hoog"));
    QCOMPARE(QAccessible::queryAccessibleInterface(&f)->text(QAccessible::Name),
             QStringLiteral("Nieuw"));
  }

  void textWrittenByAssistiveTechnologyRaisesChange() {
    Harness h;
    auto& f = h.program().form<frmkinds>();
    QStringList changes;
    f.txtantwoord.Change = [&] { changes << f.txtantwoord.text(); };
    f.Show();
    QAccessibleEditableTextInterface* edit = accessible(&f.txtantwoord)->editableTextInterface();
    QVERIFY(edit);
    edit->insertText(0, QStringLiteral("4"));
    QCOMPARE(changes, QStringList({"4"}));
  }

  void tabGoesInReadingOrderSkippingWhatCannotBeUsed() {
    Harness h;
    auto& f = h.program().form<frmkinds>();
    showActive(f);
    QCOMPARE(Harness::tabRound(f, f.imgklik.widget()),
             QStringList({"imgklik", "cmdfoto", "txtantwoord", "cmdtip", "opt1", "opt2", "cmdinvak",
                          "cmdstop", "cmdlaag"}));
  }

  void spaceAndEnterClickAFocusedPicture() {
    Harness h;
    auto& f = h.program().form<frmkinds>();
    showActive(f);
    f.imgklik.widget()->setFocus(Qt::OtherFocusReason);
    QTest::keyClick(f.imgklik.widget(), Qt::Key_Space);
    QTest::keyClick(f.imgklik.widget(), Qt::Key_Return);
    QTest::keyClick(f.imgklik.widget(), Qt::Key_A);  // other keys do nothing
    QCOMPARE(f.clicks, QStringList({"imgklik", "imgklik"}));
  }

  void tabOntoAButtonIsPointingAtItButOpeningFocusIsNot() {
    Harness h;
    auto& f = h.program().form<frmkinds>();
    showActive(f);
    f.cmdlaag.SetFocus();
    QCOMPARE(f.clicks, QStringList());
    f.cmdstop.SetFocus();
    QTest::keyClick(f.cmdstop.widget(), Qt::Key_Tab);
    QCOMPARE(f.clicks, QStringList({"cmdlaag over"}));
    QTest::keyClick(f.cmdlaag.widget(), Qt::Key_Tab);
    QTest::keyClick(f.focusWidget(), Qt::Key_Backtab);
    QCOMPARE(f.clicks, QStringList({"cmdlaag over", "cmdlaag over"}));
  }

  void focusRingIsWhiteOutsideBlackOnEveryBackground_data() {
    QTest::addColumn<QString>("control");
    QTest::newRow("button on dark red") << "cmdstop";
    QTest::newRow("button on the default face") << "cmdlaag";
    QTest::newRow("picture that takes clicks") << "imgklik";
    QTest::newRow("option") << "opt1";
    QTest::newRow("text box") << "txtantwoord";
  }
  void focusRingIsWhiteOutsideBlackOnEveryBackground() {
    QFETCH(QString, control);
    Harness h;
    auto& f = h.program().form<frmkinds>();
    showActive(f);
    QWidget* w = f.findChild<Control*>(control)->widget();
    f.cmdfoto.SetFocus();  // the focus is elsewhere
    const QImage before = w->grab().toImage();
    w->setFocus(Qt::OtherFocusReason);
    QVERIFY(w->hasFocus());
    const QImage after = w->grab().toImage();
    const int mid = w->height() / 2;
    const double ratio = after.devicePixelRatio();
    auto at = [&](const QImage& image, int x, int y) {
      return QColor(image.pixel(int(x * ratio), int(y * ratio)));
    };
    // Two pixels of white outside, three of black inside, on all four sides.
    for (const QPoint p : {QPoint(0, mid), QPoint(w->width() - 1, mid), QPoint(w->width() / 2, 0),
                           QPoint(w->width() / 2, w->height() - 1)}) {
      QCOMPARE(at(after, p.x(), p.y()), QColor(Qt::white));
    }
    for (const QPoint p : {QPoint(3, mid), QPoint(w->width() - 4, mid), QPoint(w->width() / 2, 3),
                           QPoint(w->width() / 2, w->height() - 4)}) {
      QCOMPARE(at(after, p.x(), p.y()), QColor(Qt::black));
    }
    // Without the focus there is no ring.
    QVERIFY(at(before, 3, mid) != QColor(Qt::black) || at(before, 0, mid) != QColor(Qt::white));
  }
};

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
