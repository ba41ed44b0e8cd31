#include "exercises/missing_part_chosen/frmsleepsplits2.h"

#include <vector>

#include "record/recorder.h"
#include "shell/common_pictures.h"
#include "shell/frmkiesbasis.h"
#include "shell/number_image.h"

using namespace forms;

namespace {

// Ten squares of a number image, white with a thin black border.
void layGrid(ControlArray<Shape>& grid, const NumberImageGrid& place) {
  for (int i = 1; i <= 10; ++i)
    grid[i].at(place.leftOf(i), place.topOf(i), 855, 855).filled(White).outline(Black);
}

}  // namespace

frmsleepsplits2::frmsleepsplits2()
    : Form(Name, Kind::Free, QStringLiteral("Klik en splits"), 12930, 8895, LightYellow) {
  layGrid(shpgetalbeeld, {3360, 1200, 1200, 1080});
  layGrid(shpeen, {480, 4080, 1200, 1080});
  layGrid(shptwee, {6960, 4080, 1200, 1080});
  shpeen[0].at(480, 4080, 855, 855).filled(White).outline(Black).hidden();
  shptwee[0].at(6960, 4080, 855, 855).filled(White).outline(Black).hidden();
  for (int i = 1; i <= 10; ++i) {
    shpeen[i].hidden();
    shptwee[i].hidden();
  }

  lblcontrole.at(240, 0, 13215, 855)
      .colours(LightBlue, DarkGreen)
      .font({"Arial", 36})
      .align(Align::Centre)
      .readAloud();
  lbltop[0].at(9840, 1200, 2415, 615);
  lbltop[1].at(9840, 2520, 1095, 615);
  lbltop[2].at(11280, 2520, 1095, 615);
  for (int i = 0; i <= 2; ++i)
    lbltop[i].colours(DarkTeal, White).font({"Arial", 27.75}).align(Align::Centre);
  lnelinks[2].from(11040, 1800).to(11640, 2520).pen(White, 6);
  lnelinks[3].from(11040, 1800).to(10440, 2520).pen(White, 6);
  lnelinks[0].from(5280, 3240).to(4200, 3960).pen(RedBrown, 6);
  lnelinks[1].from(6960, 3240).to(8160, 3960).pen(RedBrown, 6);
  lblcijfer[0].at(2520, 6600, 1575, 1095).colours(Blue, White);
  lblcijfer[1].at(7080, 6600, 1575, 1095).colours(Red, White);
  for (int i = 0; i <= 1; ++i) lblcijfer[i].font({"Arial", 48}).align(Align::Centre);
  lblkies.at(960, 6720, 975, 495)
      .caption("kies")
      .colours(White, Navy)
      .font({"MS Sans Serif", 18})
      .align(Align::Centre)
      .hidden()
      .readAloud();
  Label1.at(9720, 6960, 1335, 735)
      .caption("nieuw cijfer kiezen")
      .colours(LightYellow, Black)
      .font({"MS Sans Serif", 12})
      .align(Align::Centre);

  txtantwoord.at(7080, 6600, 1575, 1095)
      .font({"Arial", 48})
      .align(Align::Centre)
      .name("het ontbrekende deel")
      .enterPresses(cmdcontroleer)
      .hidden();

  for (int n = 2; n <= 10; ++n)
    cmdsplits(n)
        .at(120 + 1240 * (n - 2), 8040, 1095, 735)
        .colour(Purple)
        .caption(Str(n))
        .font({"MS Sans Serif", 24})
        .tooltip("splits " + Str(n));
  cmdcontroleer.at(4320, 6840, 2535, 855)
      .colour(Orange)
      .picture(pictures::wizard())
      .tooltip("controleer")
      .hidden();
  cmdstart.at(4320, 6840, 2535, 855)
      .colour(Purple)
      .picture(pictures::start())
      .tooltip("zelfde cijfer oefenen")
      .hidden();
  cmdreeks.at(11160, 6840, 1455, 855)
      .colour(0x00FF8080)
      .picture(pictures::start())
      .tooltip("nieuwe reeks")
      .hidden();
  cmdstop.at(11280, 8040, 1455, 735).colour(DarkRed).picture(pictures::stop()).leaves();

  Shape1.at(0, 0, 13935, 855).filled(LightBlue).noBorder();
  Shape3.at(0, 7920, 13935, 975).filled(0x000076EC).noBorder();
  Shape6.at(3120, 960, 6135, 2415).filled(0x00C0FFC0).noBorder();
  Shape4.at(240, 3840, 6135, 2415).filled(0x00FFFFC0).noBorder();
  Shape5.at(6720, 3840, 6135, 2415).filled(0x00C0C0FF).noBorder();
  Shape7.at(9600, 960, 3135, 2655).kind(ShapeKind::RoundedRectangle).filled(DarkTeal).noBorder();
  Shape8.at(9600, 6720, 3255, 1095).outline(0x00FF8080, 3);
  Shape2.at(840, 6600, 1215, 1215).filled(White).noBorder().hidden();
  imgpijl.at(960, 7200, 975, 555)
      .picture(Picture::svg(":/assets/frmsleepsplits2/pijl.svg"))
      .hidden();
  Image1.at(8520, 6240, 480, 420).picture(pictures::logo()).tooltip(pictures::logoTooltip());

  // Drawing order, back to front.
  std::vector<const Control*> order{&Shape7, &Shape6, &Shape5, &Shape4, &Shape2, &Shape1, &Shape3};
  for (int i = 1; i <= 10; ++i) order.push_back(&shpgetalbeeld[i]);
  order.insert(order.end(), {&lnelinks[0], &lnelinks[1], &lblcijfer[0], &lblcijfer[1], &Image1});
  for (int i = 0; i <= 10; ++i) order.push_back(&shpeen[i]);
  for (int i = 0; i <= 10; ++i) order.push_back(&shptwee[i]);
  order.insert(order.end(), {&lblcontrole, &imgpijl, &lblkies, &lbltop[0], &lbltop[1], &lbltop[2],
                             &lnelinks[2], &lnelinks[3], &Label1, &Shape8});
  for (const Control* c : order) stacking({c});

  cmdsplits2.Click = [this] { cmdsplits2_Click(); };
  cmdsplits3.Click = [this] { cmdsplits3_Click(); };
  cmdsplits4.Click = [this] { cmdsplits4_Click(); };
  cmdsplits5.Click = [this] { cmdsplits5_Click(); };
  cmdsplits6.Click = [this] { cmdsplits6_Click(); };
  cmdsplits7.Click = [this] { cmdsplits7_Click(); };
  cmdsplits8.Click = [this] { cmdsplits8_Click(); };
  cmdsplits9.Click = [this] { cmdsplits9_Click(); };
  cmdsplits10.Click = [this] { cmdsplits10_Click(); };
  txtantwoord.Change = [this] { txtantwoord_Change(); };
  txtantwoord.Click = [this] { txtantwoord_Click(); };
  cmdcontroleer.Click = [this] { cmdcontroleer_Click(); };
  cmdstart.Click = [this] { cmdstart_Click(); };
  cmdreeks.Click = [this] { cmdreeks_Click(); };
  cmdstop.Click = [this] { cmdstop_Click(); };
}

CommandButton& frmsleepsplits2::cmdsplits(int n) {
  CommandButton* const buttons[] = {&cmdsplits2, &cmdsplits3, &cmdsplits4, &cmdsplits5, &cmdsplits6,
                                    &cmdsplits7, &cmdsplits8, &cmdsplits9, &cmdsplits10};
  return *buttons[n - 2];
}

// Back to the start state: an empty white number image, no parts, no sum.
void frmsleepsplits2::beginstand() {
  for (int i = 1; i <= 10; ++i) {
    shpgetalbeeld[i].setVisible(true);
    shpgetalbeeld[i].setBackColor(White);
  }
  for (int i = 1; i <= 10; ++i) {
    shpeen[i].setVisible(false);
    shpeen[i].setBackColor(White);
  }
  for (int i = 1; i <= 10; ++i) {
    shptwee[i].setVisible(false);
    shptwee[i].setBackColor(White);
  }
  for (int n = 2; n <= 10; ++n) cmdsplits(n).setVisible(true);
  cmdcontroleer.setVisible(false);
  cmdstop.setVisible(true);
  lblcontrole.setCaption("");
  lblcijfer[0].setVisible(false);
  lblcijfer[1].setVisible(false);
  lnelinks[0].setVisible(false);
  lnelinks[1].setVisible(false);
  lbltop[0].setCaption("");
  lbltop[1].setCaption("");
  lbltop[2].setCaption("");
  // While a number is being chosen there is nothing to answer: an answer checked here
  // would be judged against an exercise that is no longer shown.
  txtantwoord.setVisible(false);
}

// The "kies" prompt with its arrow towards the number buttons.
void frmsleepsplits2::toonkies() {
  imgpijl.setVisible(true);
  lblkies.setVisible(true);
  Shape2.setVisible(true);
}

void frmsleepsplits2::Form_Load() {
  centre();
  beginstand();
  toonkies();
}

// Coming back to the screen abandons a running exercise.
void frmsleepsplits2::Form_Activate() {
  centre();
  beginstand();
  toonkies();
}

// A new exercise for the number n: a first part from 0 to n, each equally likely.
void frmsleepsplits2::splitsgetal(int n) {
  Randomize();
  int a = 0;
  if (n == 10) {
    a = Int(Rnd() * 11);
  } else {
    do {
      a = Int(Rnd() * 10);
    } while (a > n);
  }
  getal = n;
  deeleen = a;
  deeltwee = n - a;
  toonopgave();
  verbergkeuze();
  record::ready(Name);
}

void frmsleepsplits2::cmdsplits2_Click() {
  splitsgetal(2);
  gekozengetal = 2;
}
void frmsleepsplits2::cmdsplits3_Click() {
  splitsgetal(3);
  gekozengetal = 3;
}
void frmsleepsplits2::cmdsplits4_Click() {
  splitsgetal(4);
  gekozengetal = 4;
}
void frmsleepsplits2::cmdsplits5_Click() {
  splitsgetal(5);
  gekozengetal = 5;
}
void frmsleepsplits2::cmdsplits6_Click() {
  splitsgetal(6);
  gekozengetal = 6;
}
void frmsleepsplits2::cmdsplits7_Click() {
  splitsgetal(7);
  gekozengetal = 7;
}
void frmsleepsplits2::cmdsplits8_Click() {
  splitsgetal(8);
  gekozengetal = 8;
}
void frmsleepsplits2::cmdsplits9_Click() {
  splitsgetal(9);
  gekozengetal = 9;
}
void frmsleepsplits2::cmdsplits10_Click() {
  splitsgetal(10);
  gekozengetal = 10;
}

// Shows the exercise for getal and deeleen: the number image, the blue first part with
// its digit, an empty right grid and the sum with a question mark.
void frmsleepsplits2::toonopgave() {
  lblcijfer[0].setVisible(true);
  imgpijl.setVisible(false);
  lblkies.setVisible(false);
  Shape2.setVisible(false);
  lbltop[0].setCaption(Str(getal));
  lbltop[1].setCaption(Str(deeleen));
  lbltop[2].setCaption("?");
  lnelinks[0].setVisible(true);
  lnelinks[1].setVisible(true);
  txtantwoord.setVisible(true);
  txtantwoord.setText("");
  lblcijfer[0].setVisible(true);
  lblcijfer[1].setVisible(true);
  for (int i = 1; i <= 10; ++i) {
    shpgetalbeeld[i].setVisible(true);
    shpgetalbeeld[i].setBackColor(White);
  }
  for (int i = 1; i <= 10; ++i) {
    shpeen[i].setVisible(true);
    shpeen[i].setBackColor(White);
  }
  for (int i = 1; i <= 10; ++i) {
    shptwee[i].setVisible(true);
    shptwee[i].setBackColor(White);
  }
  for (int i = 1; i <= getal; ++i) shpgetalbeeld[i].setBackColor(DarkTeal);
  for (int i = 1; i <= deeleen; ++i) shpeen[i].setBackColor(Blue);
  for (int i = 1; i <= deeltwee; ++i) shptwee[i].setBackColor(White);
  lblcijfer[0].setVisible(true);
  lblcijfer[1].setVisible(false);
  lblcijfer[0].setCaption(Str(deeleen));
  lblcijfer[1].setCaption(Str(deeltwee));
  txtantwoord.SetFocus();
  lblcontrole.setCaption(Str(deeleen) + " +  ?  = " + Str(getal));
}

// While an exercise runs the child can neither pick another number nor stop.
void frmsleepsplits2::verbergkeuze() {
  for (int n = 2; n <= 10; ++n) cmdsplits(n).setVisible(false);
  cmdstop.setVisible(false);
}

// Letters are wiped at once; the check button only shows while the box holds a number.
void frmsleepsplits2::txtantwoord_Change() {
  if (IsNumeric(txtantwoord.text())) {
    cmdcontroleer.setVisible(true);
  } else {
    txtantwoord.setText("");
    txtantwoord.SetFocus();
    cmdcontroleer.setVisible(false);
  }
}

void frmsleepsplits2::txtantwoord_Click() {
  txtantwoord.setText("");
  txtantwoord.SetFocus();
}

// Judged as numbers, so 04 counts as 4. A wrong answer only empties the box.
void frmsleepsplits2::cmdcontroleer_Click() {
  const double x = Val(txtantwoord.text());
  record::answer(Name, getal, deeleen, txtantwoord.text(), x == deeltwee);
  if (x != deeltwee) {
    txtantwoord.setText("");
    txtantwoord.SetFocus();
  } else {
    txtantwoord.setVisible(false);
    lblcijfer[1].setVisible(true);
    for (int i = 1; i <= deeltwee; ++i) {
      shptwee[i].setVisible(true);
      shptwee[i].setBackColor(Red);
    }
    lblcontrole.setCaption(Str(deeleen) + " + " + Str(deeltwee) + " = " + Str(getal) +
                           "   dat is goed !");
    lbltop[2].setCaption(Str(deeltwee));
    cmdcontroleer.setVisible(false);
    cmdstart.setVisible(true);
  }
  cmdreeks.setVisible(true);
}

void frmsleepsplits2::zelfdegetal() {
  splitsgetal(gekozengetal);
}

// The same number again, with a new split.
void frmsleepsplits2::cmdstart_Click() {
  beginstand();
  cmdstart.setVisible(false);
  toonkies();
  zelfdegetal();
  cmdreeks.setVisible(false);
}

// Back to choosing a number.
void frmsleepsplits2::cmdreeks_Click() {
  beginstand();
  cmdstart.setVisible(false);
  toonkies();
  cmdreeks.setVisible(false);
}

void frmsleepsplits2::cmdstop_Click() {
  beginstand();
  screens::frmkiesbasis().Show();
  screens::frmkiesbasis().setEnabled(true);
  Hide();
}
