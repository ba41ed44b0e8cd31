#include "exercises/split_machine/frmsplitsmachine.h"

#include <vector>

#include "record/recorder.h"
#include "shell/common_pictures.h"
#include "shell/frmkiesbasis.h"

using namespace forms;

namespace {

// Where the k-th ball of a number sits (left, top) in each part of the machine.
struct Spot {
  int left, top;
};
struct BallSpots {
  Spot hopper, shaft, leftBin, rightBin;
};
constexpr BallSpots Balls[10] = {
    {{8040, 1920}, {6720, 3360}, {5040, 6240}, {7920, 6240}},  // k = 1
    {{8400, 1560}, {7680, 3480}, {5400, 6240}, {8280, 6240}},
    {{9360, 480}, {7320, 3000}, {5760, 6240}, {8640, 6240}},
    {{5280, 960}, {6600, 2880}, {6120, 6240}, {9000, 6240}},
    {{4920, 720}, {6480, 4080}, {5760, 5880}, {7920, 5880}},
    {{5880, 1800}, {7200, 3960}, {5040, 5880}, {8280, 5880}},
    {{4560, 360}, {7200, 3480}, {6120, 5880}, {8640, 5880}},
    {{8760, 1200}, {6960, 2640}, {5400, 5880}, {9000, 5880}},
    {{9120, 840}, {6480, 3720}, {5400, 5520}, {8040, 5520}},
    {{5520, 1440}, {7680, 2880}, {6000, 5520}, {8640, 5520}},  // k = 10
};
// Ball 20 belongs to no number and is never shown; it waits in the middle of the shaft.
constexpr Spot Spare = {7020, 4080};
constexpr int BallWidth = 345;
constexpr int BallHeight = 330;

// The number image of n: two rows of five squares, whole columns filled from the left,
// top square first (7: four above, three below).
Picture getalbeeld(int n) {
  return Picture::svg(QStringLiteral(":/assets/frmsplitsmachine/getalbeeld%1.svg").arg(n));
}

constexpr CommandButton frmsplitsmachine::*NumberButtons[] = {
    &frmsplitsmachine::cmd3, &frmsplitsmachine::cmd4, &frmsplitsmachine::cmd5,
    &frmsplitsmachine::cmd6, &frmsplitsmachine::cmd7, &frmsplitsmachine::cmd8,
    &frmsplitsmachine::cmd9, &frmsplitsmachine::cmd10};
constexpr CommandButton frmsplitsmachine::*StartButtons[] = {
    &frmsplitsmachine::cmdnieuw3, &frmsplitsmachine::cmdnieuw4, &frmsplitsmachine::cmdnieuw5,
    &frmsplitsmachine::cmdnieuw6, &frmsplitsmachine::cmdnieuw7, &frmsplitsmachine::cmdnieuw8,
    &frmsplitsmachine::cmdnieuw9, &frmsplitsmachine::cmdnieuw10};
constexpr Image frmsplitsmachine::*NumberImages[] = {
    &frmsplitsmachine::imgbeeld3, &frmsplitsmachine::imgbeeld4, &frmsplitsmachine::imgbeeld5,
    &frmsplitsmachine::imgbeeld6, &frmsplitsmachine::imgbeeld7, &frmsplitsmachine::imgbeeld8,
    &frmsplitsmachine::imgbeeld9, &frmsplitsmachine::imgbeeld10};
constexpr Timer frmsplitsmachine::*BallTimers[] = {
    &frmsplitsmachine::tmr1, &frmsplitsmachine::tmr2, &frmsplitsmachine::tmr3,
    &frmsplitsmachine::tmr4, &frmsplitsmachine::tmr5, &frmsplitsmachine::tmr6,
    &frmsplitsmachine::tmr7, &frmsplitsmachine::tmr8, &frmsplitsmachine::tmr9,
    &frmsplitsmachine::tmr10};

}  // namespace

frmsplitsmachine::frmsplitsmachine()
    : Form(Name, Kind::Free, QStringLiteral("SPLITSMACHINE"), 12000, 7920, SoftGrey) {
  // Buttons and the answer box.
  for (int N = 3; N <= 10; ++N) {
    cmd(N)
        .at(10680, 240 + 840 * (N - 3), 1095, 615)
        .colour(LightOrange)
        .font({"MS Sans Serif", 24, true})
        .caption(Str(N));
    cmdnieuw(N)
        .at(1200, 6120, 1335, 975)
        .colour(Purple)
        .picture(pictures::start())
        .tooltip("START")
        .hidden();
  }
  cmdcontrole.at(1200, 6120, 1335, 975)
      .colour(LightGreen)
      .picture(pictures::car())
      .tooltip("CONTROLE")
      .hidden();
  cmdstop.at(10560, 6960, 1215, 855).colour(DarkRed).picture(pictures::stop()).leaves();
  cmdstop1.at(10560, 6960, 1335, 855).colour(LightRed).picture(pictures::stop()).leaves();
  // Disabled until a number is chosen: there is nothing to answer before that.
  txtmult2.at(2160, 4680, 855, 735)
      .font({"MS Sans Serif", 26, true})
      .align(Align::Centre)
      .name("het verborgen aantal")
      .disabled();

  // Labels.
  lblcijfer.at(1560, 3240, 855, 735)
      .colours(Teal, White)
      .font({"MS Sans Serif", 26, true})
      .align(Align::Centre);
  lblmult1.at(840, 4680, 855, 735)
      .colours(Teal, White)
      .font({"MS Sans Serif", 26, true})
      .align(Align::Centre);
  lblles2.at(240, 6120, 3255, 975)
      .colours(Teal, White)
      .font({"MS Sans Serif", 18, true})
      .align(Align::Centre)
      .readAloud();
  lblles.at(3960, 6840, 6495, 975)
      .colours(Teal, White)
      .font({"MS Sans Serif", 18, true})
      .align(Align::Centre)
      .readAloud();

  // Lines and shapes.
  Line15.from(1920, 3960).to(1320, 4680).pen(Teal, 5);
  Line16.from(2040, 3960).to(2640, 4680).pen(Teal, 5);
  Line1.from(4080, 240).to(6240, 2640).pen(Black, 5);
  Line2.from(10320, 240).to(8160, 2640).pen(Black, 5);
  Line3.from(6240, 2640).to(6240, 4560).pen(Black, 5);
  Line4.from(8160, 2640).to(8160, 4560).pen(Black, 5);
  Line5.from(6240, 4560).to(4920, 5400).pen(Black, 5);
  Line6.from(8160, 4560).to(9480, 5400).pen(Black, 5);
  Line7.from(7200, 4560).to(7800, 5400).pen(Black, 5);
  Line8.from(6600, 5400).to(7200, 4560).pen(Black, 5);
  Line9.from(4920, 5400).to(4920, 6600).pen(Black, 5);
  Line10.from(6600, 6600).to(4920, 6600).pen(Black, 5);
  Line11.from(6600, 5400).to(6600, 6600).pen(Black, 5);
  Line12.from(7800, 5400).to(7800, 6600).pen(Black, 5);
  Line13.from(9480, 5400).to(9480, 6600).pen(Black, 5);
  Line14.from(7800, 6600).to(9480, 6600).pen(Black, 5);
  shpbaklinks.at(4920, 5400, 1695, 1215).filled(Teal).noBorder();
  shpbakrechts.at(7800, 5400, 1695, 1215).filled(Teal).noBorder();
  Shape1.at(10560, 120, 1335, 6735).kind(ShapeKind::RoundedRectangle).filled(Rust).noBorder();
  Shape2.at(240, 3120, 3495, 2535)
      .kind(ShapeKind::RoundedRectangle)
      .filled(PaleGrey)
      .outline(Teal, 4);
  Shape4.at(120, 5760, 3495, 1695)
      .kind(ShapeKind::RoundedRectangle)
      .filled(DarkGrey)
      .outline(Teal, 4);
  Shape3.at(3960, 120, 6495, 7695).filled(White).noBorder();

  // Images.
  const Picture bol = Picture::svg(QStringLiteral(":/assets/frmsplitsmachine/bol.svg"));
  for (int k = 1; k <= 10; ++k) {
    const BallSpots& b = Balls[k - 1];
    imgbol[k - 1].at(b.hopper.left, b.hopper.top, BallWidth, BallHeight);
    imgbol[k + 9].at(b.shaft.left, b.shaft.top, BallWidth, BallHeight);
    imgbol[k + 20].at(b.leftBin.left, b.leftBin.top, BallWidth, BallHeight);
    imgbol[k + 30].at(b.rightBin.left, b.rightBin.top, BallWidth, BallHeight);
  }
  imgbol[20].at(Spare.left, Spare.top, BallWidth, BallHeight);
  for (int i = 0; i <= 40; ++i) imgbol[i].picture(bol).hidden();
  imgoogtoe.at(240, 120, 3525, 2880)
      .picture(Picture::svg(QStringLiteral(":/assets/frmsplitsmachine/oogtoe.svg")));
  imgoogopen.at(240, 120, 3480, 2880)
      .picture(Picture::svg(QStringLiteral(":/assets/frmsplitsmachine/oogopen.svg")))
      .hidden();
  for (int N = 3; N <= 10; ++N)
    imgbeeld(N).at(4200, 6960, 1500, 750).picture(getalbeeld(N)).hidden();
  Image2.at(3360, 7440, 480, 420).picture(pictures::logo()).tooltip(pictures::logoTooltip());

  // Drawing order, back to front: the white backdrop under everything; the panels; the
  // split tree and the labels; the bin balls under their lids; the outline; the hopper
  // and shaft balls above it; the eyes, the number images over lblles, the logo.
  std::vector<const Control*> order = {&Shape1,    &Shape2,   &Shape4,  &Line15, &Line16,
                                       &lblcijfer, &lblmult1, &lblles2, &lblles};
  for (int i = 21; i <= 40; ++i) order.push_back(&imgbol[i]);
  for (const Control* c : {&shpbaklinks, &shpbakrechts}) order.push_back(c);
  for (const Line* l : {&Line1, &Line2, &Line3, &Line4, &Line5, &Line6, &Line7, &Line8, &Line9,
                        &Line10, &Line11, &Line12, &Line13, &Line14})
    order.push_back(l);
  for (int i = 0; i <= 20; ++i) order.push_back(&imgbol[i]);
  for (const Image* i : {&imgoogtoe, &imgoogopen}) order.push_back(i);
  for (int N = 3; N <= 10; ++N) order.push_back(&imgbeeld(N));
  order.push_back(&Image2);
  for (const Control* c : order) stacking({c});

  // Handlers.
  for (int N = 3; N <= 10; ++N) {
    cmd(N).Click = [this, N] { cmdN_Click(N); };
    cmdnieuw(N).Click = [this, N] { cmdnieuwN_Click(N); };
  }
  for (int k = 1; k <= 10; ++k) tmr(k).Tick = [this, k] { tmrk_Timer(k); };
  tmrbak1.Tick = [this] { tmrbak1_Timer(); };
  tmreinde.Tick = [this] { tmreinde_Timer(); };
  tmroogopen.Tick = [this] { tmroogopen_Timer(); };
  cmdcontrole.Click = [this] { cmdcontrole_Click(); };
  txtmult2.Change = [this] { txtmult2_Change(); };
  cmdstop1.Click = [this] { cmdstop1_Click(); };
  cmdstop.Click = [this] { cmdstop_Click(); };
}

CommandButton& frmsplitsmachine::cmd(int N) {
  return this->*NumberButtons[N - 3];
}
CommandButton& frmsplitsmachine::cmdnieuw(int N) {
  return this->*StartButtons[N - 3];
}
Image& frmsplitsmachine::imgbeeld(int N) {
  return this->*NumberImages[N - 3];
}
Timer& frmsplitsmachine::tmr(int k) {
  return this->*BallTimers[k - 1];
}

// ---------------------------------------------------------------- procedures

void frmsplitsmachine::ballenweg() {
  for (int i = 0; i <= 40; ++i) imgbol[i].setVisible(false);
  lblcijfer.setCaption("");
  lblmult1.setCaption("");
  txtmult2.setText("");
}

void frmsplitsmachine::toonlinks() {
  for (int k = 1; k <= deel; ++k) imgbol[k + 20].setVisible(true);
}

void frmsplitsmachine::toonrechts() {
  for (int k = 1; k <= rest; ++k) imgbol[k + 30].setVisible(true);
}

void frmsplitsmachine::timersuit() {
  for (int k = 1; k <= 10; ++k) tmr(k).setEnabled(false);
  tmroogopen.setEnabled(false);
  tmreinde.setEnabled(false);
  tmrbak1.setEnabled(false);
}

void frmsplitsmachine::toonbeeld() {
  if (getal >= 3 && getal <= 10) imgbeeld(getal).setVisible(true);
}

void frmsplitsmachine::beeldenweg() {
  for (int N = 3; N <= 10; ++N) imgbeeld(N).setVisible(false);
}

void frmsplitsmachine::cijfersuit() {
  for (int N = 3; N <= 10; ++N) cmd(N).setEnabled(false);
  cmdstop1.setVisible(true);
}

void frmsplitsmachine::cijfersaan() {
  for (int N = 3; N <= 10; ++N) cmd(N).setEnabled(true);
}

void frmsplitsmachine::toonstart() {
  for (int N = 3; N <= 10; ++N)
    if (cmd(N).enabled()) {
      cmdnieuw(N).setVisible(true);
      cmdcontrole.setVisible(false);
    }
}

void frmsplitsmachine::startweg() {
  for (int N = 3; N <= 10; ++N) cmdnieuw(N).setVisible(false);
}

void frmsplitsmachine::startfocus() {
  for (int N = 3; N <= 10; ++N)
    if (cmdnieuw(N).visible()) cmdnieuw(N).SetFocus();
}

void frmsplitsmachine::nieuweronde() {
  timersuit();
  imgoogtoe.setVisible(true);
  imgoogopen.setVisible(false);
  shpbakrechts.setVisible(true);
  shpbaklinks.setVisible(true);
  ballenweg();
  lblles.setCaption("");
  txtmult2.setBackColor(White);
  beeldenweg();
  cmdcontrole.setVisible(false);  // the emptied box showed it through Change
  for (int i = 0; i <= 2; ++i) imgbol[i].setVisible(true);
}

void frmsplitsmachine::herstel() {
  ballenweg();
  cijfersuit();
  cijfersaan();
  timersuit();
  shpbaklinks.setVisible(true);
  shpbakrechts.setVisible(true);
  getal = 0;
  deel = 0;
  rest = 0;
  lblles.setCaption("");
  beeldenweg();
  txtmult2.setBackColor(White);
  imgoogopen.setVisible(false);
  imgoogtoe.setVisible(true);
  txtmult2.setEnabled(false);
}

void frmsplitsmachine::trekking(int N) {
  Randomize();
  getal = N;
  deel = Int(Rnd() * (N - 1)) + 1;
  rest = getal - deel;
}

void frmsplitsmachine::balleninzet(int N) {
  lblmult1.setCaption(Str(deel));
  lblcijfer.setCaption(cmd(N).caption());
  txtmult2.SetFocus();
  for (int k = 1; k <= N; ++k) tmr(k).setEnabled(true);
  tmreinde.setEnabled(true);
  tmrbak1.setEnabled(true);
  toonlinks();          // still under the left lid
  record::ready(Name);  // the lid may already be open
}

// ---------------------------------------------------------------- screen events

void frmsplitsmachine::Form_Load() {
  centre();
  lblles2.setCaption("kies een cijfer");
}

void frmsplitsmachine::Form_Activate() {
  lblles2.setCaption("kies een cijfer");
}

void frmsplitsmachine::cmdN_Click(int N) {
  cijfersuit();
  cmd(N).setEnabled(true);
  lblles2.setCaption("");
  txtmult2.setEnabled(true);
  shpbakrechts.setVisible(true);
  ballenweg();
  for (int i = 0; i < N; ++i) imgbol[i].setVisible(true);
  trekking(N);
  balleninzet(N);
}

void frmsplitsmachine::cmdnieuwN_Click(int N) {
  nieuweronde();
  for (int i = 0; i < N; ++i) imgbol[i].setVisible(true);
  trekking(N);
  balleninzet(N);
}

void frmsplitsmachine::tmrk_Timer(int k) {
  imgbol[k - 1].setVisible(false);
  imgbol[k + 9].setVisible(true);
}

void frmsplitsmachine::tmrbak1_Timer() {
  if (shpbaklinks.visible()) record::ready(Name);  // the first tick shows the question
  shpbaklinks.setVisible(false);
  lblles.setCaption(Str(getal) + " = " + Str(deel) + " + . " + CrLf + Str(deel) +
                    " + .  = " + Str(getal));
}

void frmsplitsmachine::tmreinde_Timer() {
  for (int k = 1; k <= 10; ++k) tmr(k).setEnabled(false);
  for (int i = 10; i <= 20; ++i) imgbol[i].setVisible(false);
}

void frmsplitsmachine::tmroogopen_Timer() {
  imgoogopen.setVisible(true);
}

void frmsplitsmachine::cmdcontrole_Click() {
  if (txtmult2.text() == "") txtmult2.setText("0");
  if (!IsNumeric(txtmult2.text())) txtmult2.setText("0");
  timersuit();
  record::answer(Name, getal, deel, txtmult2.text(), Val(txtmult2.text()) == rest);
  if (Val(txtmult2.text()) == rest) {
    lblles.setCaption("");
    lblles.setCaption(Str(getal) + " = " + Str(deel) + " + " + Str(rest) + CrLf + Str(deel) +
                      " + " + Str(rest) + " = " + Str(getal));
    toonstart();
    tmroogopen.setEnabled(true);
    toonrechts();
    shpbakrechts.setVisible(false);
  } else {
    tmroogopen.setEnabled(false);
    toonbeeld();
    txtmult2.setBackColor(Yellow);
    txtmult2.setText("");
    txtmult2.SetFocus();
  }
  startfocus();
  cmdcontrole.setVisible(false);
}

void frmsplitsmachine::txtmult2_Change() {
  cmdcontrole.setVisible(true);
  cmdstop.setVisible(false);
  cmdcontrole.SetFocus();
  startweg();
}

void frmsplitsmachine::cmdstop1_Click() {
  cijfersaan();
  herstel();
  cmdstop1.setVisible(false);
  cmdcontrole.setVisible(false);
  cmdstop.setVisible(true);
  lblles2.setCaption("kies een cijfer" + CrLf + " of STOP ");
}

void frmsplitsmachine::cmdstop_Click() {
  herstel();
  cmdcontrole.setVisible(false);
  screens::frmkiesbasis().Show();
  lblles2.setCaption("");
  Hide();
}
