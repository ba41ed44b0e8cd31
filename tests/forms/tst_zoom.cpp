// The whole program drawn at one zoom: where controls land on screen, how they are
// drawn and hit, and that nothing the screens see (twips, texts, focus, timelines)
// changes with it.

#include <QPainter>
#include <QPointingDevice>
#include <QTest>
#include <cmath>

#include "app/all_screens.h"
#include "exercises/split_machine/frmsplitsmachine.h"
#include "forms/program.h"
#include "shell/mdiform2.h"
#include "tests/support/every_screen.h"
#include "tests/support/harness.h"

using namespace forms;

namespace {

// A free screen with the control kinds whose drawing and hit testing depend on the zoom.
class frmzoomprobe : public Form {
 public:
  static constexpr const char* Name = "frmzoomprobe";
  frmzoomprobe() : Form(Name, Kind::Free, "zoom", 6000, 4500, White) {
    // Two buttons edge to edge, at twips that fall between pixels at most zooms.
    cmdlinks.at(127, 127, 1193, 497).caption("links");
    cmdrechts.at(1320, 127, 1007, 497).caption("rechts");
    cmdlinks.Click = [this] { clicks << "cmdlinks"; };
    cmdrechts.Click = [this] { clicks << "cmdrechts"; };
    imgklik.at(2520, 127, 1000, 1000)
        .picture(Picture::drawn("zoomprobe-disc", [](QPainter& p, const QRectF& r) {
          p.setBrush(Qt::blue);
          p.drawEllipse(r);
        }));
    imgklik.Click = [this] { clicks << "imgklik"; };
    txtantwoord.at(127, 800, 1200, 495).font({QStringLiteral("Arial"), 12, true, false});
    // An image that takes clicks, partly under a button.
    imgonder.at(127, 1500, 2000, 900)
        .picture(Picture::drawn("zoomprobe-block",
                                [](QPainter& p, const QRectF& r) { p.fillRect(r, Qt::green); }));
    imgonder.Click = [this] { clicks << "imgonder"; };
    cmdboven.at(727, 1700, 800, 500).caption("boven");
    cmdboven.Click = [this] { clicks << "cmdboven"; };
    linrood.from(300, 3000).to(4200, 3000).pen(Red, 3);
  }

  CommandButton cmdlinks{this, "cmdlinks"};
  CommandButton cmdrechts{this, "cmdrechts"};
  Image imgklik{this, "imgklik"};
  TextBox txtantwoord{this, "txtantwoord"};
  Image imgonder{this, "imgonder"};
  CommandButton cmdboven{this, "cmdboven"};
  Line linrood{this, "linrood"};
  QStringList clicks;
};

// The program's zoom set as the zoom control sets it, every loaded screen laid out anew.
void zoomTo(Program& program, double factor) {
  setZoomFactor(factor);
  Picture::clearCache();
  for (Form* form : program.forms()) form->relayout();
}

int px(int twips, double factor) {
  return int(std::lround(twips * factor / TwipsPerPixel));
}

QRect expected(const BoxControl& c, double factor) {
  const int x = px(c.left(), factor), y = px(c.top(), factor);
  return QRect(x, y, px(c.left() + c.width(), factor) - x, px(c.top() + c.height(), factor) - y);
}

QPoint centreOf(const BoxControl& c, double factor) {
  return expected(c, factor).center();
}

void addZooms() {
  QTest::addColumn<double>("factor");
  for (double z : {0.5, 1.0, 1.7, 2.25}) QTest::newRow(qPrintable(QString::number(z))) << z;
}

struct Probe {
  Harness h;
  frmzoomprobe* f = nullptr;
  explicit Probe(double factor) {
    setZoomFactor(factor);
    f = &h.program().form<frmzoomprobe>();
    f->Show();
    QVERIFY(QTest::qWaitForWindowExposed(f));
  }
  ~Probe() { setZoomFactor(1.0); }
};

// Every property a driver reads, by name, on every control of a screen.
QStringList twipsProperties(Form& form) {
  QStringList out;
  for (Control* c : form.findChildren<Control*>()) {
    for (const char* name : {"Left", "Top", "Width", "Height", "X1", "Y1", "X2", "Y2"}) {
      const QVariant v = c->property(name);
      if (v.isValid())
        out << QStringLiteral("%1(%2).%3=%4")
                   .arg(c->objectName())
                   .arg(c->index())
                   .arg(QLatin1String(name), v.toString());
    }
  }
  return out;
}

QStringList stackingOf(Form& form) {
  QStringList out;
  for (QObject* child : form.children())
    if (child->isWidgetType()) out << child->objectName() + QString::number(quintptr(child));
  return out;
}

}  // namespace

class TestZoom : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void controlsLandAtTheZoomedTwips_data() { addZooms(); }
  void controlsLandAtTheZoomedTwips() {
    QFETCH(double, factor);
    Probe p(factor);
    frmzoomprobe& f = *p.f;
    for (BoxControl* c :
         {static_cast<BoxControl*>(&f.cmdlinks), static_cast<BoxControl*>(&f.cmdrechts),
          static_cast<BoxControl*>(&f.imgklik), static_cast<BoxControl*>(&f.txtantwoord),
          static_cast<BoxControl*>(&f.imgonder), static_cast<BoxControl*>(&f.cmdboven)})
      QCOMPARE(c->widget()->geometry(), expected(*c, factor));
    // Adjacent in twips, adjacent on screen: no gap and no overlap.
    QCOMPARE(f.cmdlinks.widget()->geometry().right() + 1, f.cmdrechts.widget()->geometry().left());
    QCOMPARE(f.size(), QSize(px(6000, factor), px(4500, factor)));
    QCOMPARE(f.property("Zoom").toDouble(), factor);
  }

  void textBoxFontsScaleWithTheZoom_data() { addZooms(); }
  void textBoxFontsScaleWithTheZoom() {
    QFETCH(double, factor);
    Probe p(factor);
    // 12 points at 96 dpi is 16 pixels of the layout.
    QCOMPARE(p.f->txtantwoord.widget()->font().pixelSize(), int(std::lround(16 * factor)));
  }

  // Drawn, not only placed: the red line covers its ends and its width, and no more.
  void linesAreDrawnAtTheZoomedEndsAndWidth_data() { addZooms(); }
  void linesAreDrawnAtTheZoomedEndsAndWidth() {
    QFETCH(double, factor);
    Probe p(factor);
    const QImage image = p.f->grab().toImage();
    const double y = 3000 * factor / TwipsPerPixel, half = 3 * factor / 2;
    const double x1 = 300 * factor / TwipsPerPixel, x2 = 4200 * factor / TwipsPerPixel;
    auto red = [&image](double x, double y) {
      const QColor c = image.pixelColor(int(std::floor(x)), int(std::floor(y)));
      return c.red() > 200 && c.green() < 90 && c.blue() < 90;
    };
    QVERIFY(red((x1 + x2) / 2, y));
    QVERIFY(red(x1 + 1, y) && red(x2 - 1, y));
    QVERIFY(!red((x1 + x2) / 2, y - half - 2) && !red((x1 + x2) / 2, y + half + 2));
    QVERIFY(!red(x1 - half - 2, y) && !red(x2 + half + 2, y));
    if (half >= 1.5) QVERIFY(red((x1 + x2) / 2, y - half + 1) && red((x1 + x2) / 2, y + half - 1));
  }

  // Real clicks and taps at the zoomed centres reach what is drawn there.
  void clicksAndTapsReachWhatIsDrawnThere_data() {
    QTest::addColumn<double>("factor");
    QTest::addColumn<bool>("touch");
    for (double z : {0.5, 1.0, 1.7, 2.25}) {
      QTest::newRow(qPrintable(QStringLiteral("click at %1").arg(z))) << z << false;
      if (z == 1.0 || z == 1.7)
        QTest::newRow(qPrintable(QStringLiteral("tap at %1").arg(z))) << z << true;
    }
  }
  void clicksAndTapsReachWhatIsDrawnThere() {
    QFETCH(double, factor);
    QFETCH(bool, touch);
    Probe p(factor);
    frmzoomprobe& f = *p.f;
    static QPointingDevice* screen = QTest::createTouchDevice();
    auto hit = [&](QPoint pos) {
      if (touch) {
        QTest::touchEvent(&f, screen).press(0, pos, &f);
        QTest::touchEvent(&f, screen).release(0, pos, &f);
      } else {
        // Through the window, as the window system delivers it: Qt finds the widget.
        QTest::mouseClick(f.windowHandle(), Qt::LeftButton, Qt::NoModifier, pos);
      }
    };
    hit(centreOf(f.cmdrechts, factor));
    hit(centreOf(f.imgklik, factor));
    // The button drawn above the image takes the click; beside it the image does.
    hit(centreOf(f.cmdboven, factor));
    hit(expected(f.imgonder, factor).topLeft() + QPoint(3, 3));
    QCOMPARE(f.clicks, QStringList({"cmdrechts", "imgklik", "cmdboven", "imgonder"}));
    hit(centreOf(f.txtantwoord, factor));
    QCOMPARE(f.focusedControl(), &f.txtantwoord);
    // The last pixel row of the left button is still the left button's.
    f.clicks.clear();
    hit(expected(f.cmdlinks, factor).bottomRight() - QPoint(0, 1));
    hit(expected(f.cmdrechts, factor).topLeft() + QPoint(0, 1));
    QCOMPARE(f.clicks, QStringList({"cmdlinks", "cmdrechts"}));
  }

  // Screens keep their twips, stacking, texts and focus; only the drawing changes.
  void everyScreenKeepsItsTwipsAndReportsTheZoom() {
    WholeProgram h;
    h.start();
    QStringList names;
    QHash<QString, QStringList> twips, stacking;
    for (const QString& name : h.program().screenNames()) {
      Form& form = h.program().form(name);
      if (form.kind() == Form::Kind::Main) continue;  // it takes the display, at any zoom
      names << name;
      twips[name] = twipsProperties(form);
      stacking[name] = stackingOf(form);
    }
    for (double z : {1.7, 0.5, 2.25, 1.0}) {
      zoomTo(h.program(), z);
      for (Form* form : h.program().forms()) {
        QCOMPARE(form->property("Zoom").toDouble(), z);
        if (!names.contains(form->objectName())) continue;
        QCOMPARE(twipsProperties(*form), twips[form->objectName()]);
        QCOMPARE(stackingOf(*form), stacking[form->objectName()]);
        for (BoxControl* c : form->findChildren<BoxControl*>())
          if (c->widget() && c->widget()->parentWidget() == form)
            QCOMPARE(c->widget()->geometry(), expected(*c, z));
      }
    }
  }

  // Part way through a ball run the zoom changes (as the keys change it); the run goes
  // on to the same end, with every ball where its twips say.
  void zoomDuringABallRunKeepsTheRun_data() {
    QTest::addColumn<int>("changeAt");
    QTest::newRow("while balls drop") << 450;
    QTest::newRow("as the lid opens") << 700;
    QTest::newRow("after the run") << 1000;
  }
  void zoomDuringABallRunKeepsTheRun() {
    QFETCH(int, changeAt);
    auto run = [](int at, QStringList& state) {
      WholeProgram h;
      h.program().zoom().restore(nullptr, std::nullopt, false);
      auto& f = h.program().form<frmsplitsmachine>();
      f.Show();
      h.random().then({drawFor(2, 6)});
      f.cmd(7).click();
      QTest::keyClicks(f.txtmult2.widget(), "4");
      for (int t = 0; t < 1200; t += 50) {
        if (t == at) {
          const double before = zoom();
          Control* focus = f.focusedControl();
          h.program().zoom().smaller();
          h.program().zoom().smaller();
          QVERIFY(zoom() < before);
          QCOMPARE(f.focusedControl(), focus);
        }
        h.advance(50);
      }
      for (int i = 0; i <= 40; ++i)
        if (f.imgbol[i].visible()) {
          state << QString::number(i);
          QCOMPARE(f.imgbol[i].widget()->geometry(), expected(f.imgbol[i], zoom()));
        }
      state << f.lblles.caption() << f.txtmult2.text() << f.lblcijfer.caption()
            << (f.focusedControl() ? f.focusedControl()->objectName() : QString());
      state << QString::number(h.clock().nextDue() >= 0);
    };
    QStringList reference, changed;
    run(-1, reference);
    run(changeAt, changed);
    QCOMPARE(changed, reference);
    setZoomFactor(1.0);
  }

  // The cache keeps one rendering per picture: the zoom in use, never the old ones.
  void pictureCacheHoldsOnlyTheCurrentZoom() {
    WholeProgram h;
    h.program().zoom().restore(nullptr, std::nullopt, false);
    auto& f = h.program().form<frmsplitsmachine>();
    f.Show();
    Picture::clearCache();  // renderings of earlier tests
    f.grab();
    const int fitted = Picture::cacheSize();
    QVERIFY(fitted > 0);
    for (int step = 0; step < 4; ++step) {
      h.program().zoom().smaller();
      f.grab();
      QVERIFY2(Picture::cacheSize() <= fitted, qPrintable(QString::number(Picture::cacheSize())));
    }
    h.program().zoom().fit();
    f.grab();
    QCOMPARE(Picture::cacheSize(), fitted);
    setZoomFactor(1.0);
  }

  // The program's keys change the zoom from a free screen while the main window is
  // disabled, and the exercise never sees them.
  void zoomKeysWorkEverywhereAndNeverReachTheExercise_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("direction");
    QTest::newRow("Ctrl+minus") << int(Qt::Key_Minus) << -1;
    QTest::newRow("Ctrl+plus") << int(Qt::Key_Plus) << 1;
    QTest::newRow("Ctrl+=") << int(Qt::Key_Equal) << 1;
    QTest::newRow("Ctrl+0") << int(Qt::Key_0) << 0;
  }
  void zoomKeysWorkEverywhereAndNeverReachTheExercise() {
    QFETCH(int, key);
    QFETCH(int, direction);
    WholeProgram h;
    h.start();
    h.program().zoom().restore(nullptr, std::nullopt, false);
    h.program().zoom().smaller();  // room to grow, whatever the display
    screens::MDIForm2().setEnabled(false);
    auto& f = h.program().form<frmsplitsmachine>();
    f.Show();
    h.random().then({drawFor(2, 6)});
    f.cmd(7).click();
    h.advance(900);
    QTest::keyClicks(f.txtmult2.widget(), "4");
    Control* focus = f.focusedControl();
    const double before = zoom();
    QTest::keyClick(f.txtmult2.widget(), Qt::Key(key), Qt::ControlModifier);
    QCOMPARE(f.txtmult2.text(), QStringLiteral("4"));
    if (direction < 0) QVERIFY(zoom() < before);
    if (direction > 0) QVERIFY(zoom() > before);
    if (direction == 0) QCOMPARE(zoom(), h.program().zoom().fitFactor());
    QCOMPARE(f.property("Zoom").toDouble(), zoom());
    QCOMPARE(f.focusedControl(), focus);
    setZoomFactor(1.0);
  }

  void fitFactorForCommonDisplays_data() {
    QTest::addColumn<QRect>("display");
    QTest::addColumn<double>("low");
    QTest::addColumn<double>("high");
    QTest::newRow("1920x1080") << QRect(0, 0, 1920, 1080) << 1.6 << 1.8;
    QTest::newRow("1024x600 netbook") << QRect(0, 0, 1024, 600) << 0.5 << 0.999;
    QTest::newRow("tiny") << QRect(0, 0, 200, 150) << 0.5 << 0.5;
    QTest::newRow("huge") << QRect(0, 0, 7680, 4320) << 4.0 << 4.0;
  }
  void fitFactorForCommonDisplays() {
    QFETCH(QRect, display);
    QFETCH(double, low);
    QFETCH(double, high);
    WholeProgram h;
    const double fit = h.program().zoom().fitFactor(display);
    QVERIFY2(fit >= low && fit <= high, qPrintable(QString::number(fit)));
    if (fit <= MinZoom || fit >= MaxZoom) return;
    // Every registered screen with its frame lies on the display at the fit, and the
    // largest would not at one step more.
    bool tight = false;
    for (const Program::Layout& l : h.program().layouts()) {
      if (l.client.isEmpty()) continue;
      const int extra = l.inMainWindow ? 24 : 0;
      const double w = l.client.width() / 15.0 * fit + ZoomControl::FrameWidth;
      const double ht = (l.client.height() / 15.0 + extra) * fit + ZoomControl::FrameHeight;
      QVERIFY(w <= display.width() && ht <= display.height());
      if (w * 1.02 > display.width() || ht * 1.02 > display.height()) tight = true;
    }
    QVERIFY(tight);
  }
};

QTEST_MAIN(TestZoom)
#include "tst_zoom.moc"
