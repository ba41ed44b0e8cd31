#include "exercises/missing_part_score/frmsleepsplits3.h"

#include <vector>

#include "record/recorder.h"
#include "shell/common_pictures.h"
#include "shell/frmkiesbasis.h"
#include "shell/number_image.h"

using namespace forms;

namespace {

// Pairs drawn for one split before giving up on the generator.
constexpr int MaxTries = 1000;

// Ten squares of a number image, white with a thin black border.
void layGrid(ControlArray<Shape>& grid, const NumberImageGrid& place) {
  for (int i = 1; i <= 10; ++i)
    grid[i].at(place.leftOf(i), place.topOf(i), 855, 855).filled(White).outline(Black);
}

}  // namespace

frmsleepsplits3::frmsleepsplits3()
    : Form(Name, Kind::Free, QStringLiteral("Klik en splits"), 12930, 8775, LightYellow) {
  layGrid(shpgetalbeeld, {3360, 1200, 1200, 1080});
  for (int i = 1; i <= 10; ++i) shpgetalbeeld[i].hidden();

  lblcontrole.at(240, 0, 13215, 855)
      .colours(LightBlue, DarkGreen)
      .font({"Arial", 36})
      .align(Align::Centre)
      .readAloud();
  lbltop[0].at(5280, 3720, 1575, 1095);
  lbltop[1].at(4200, 6360, 1575, 1095);
  lbltop[2].at(6600, 6360, 1575, 1095).hidden();
  lblcijfer[1].at(6600, 6360, 1575, 1095).hidden();
  for (Label* l : {&lbltop[0], &lbltop[1], &lbltop[2], &lblcijfer[1]})
    l->colours(DarkTeal, White).font({"Arial", 48}).align(Align::Centre);
  lnelinks[3].from(5880, 4920).to(5040, 5880).pen(White, 6);
  lnelinks[2].from(6360, 4920).to(7200, 5880).pen(White, 6);
  txtantwoord.at(6600, 6360, 1575, 1200)
      .font({"Arial", 48})
      .align(Align::Centre)
      .name("het ontbrekende deel")
      .enterPresses(cmdcontroleer)
      .hidden();
  const int counterLefts[] = {9480, 10620, 11760};
  Label* const counters[] = {&lblgemaakt, &lbljuist, &lblfout};
  Label* const captions[] = {&lblgem, &lbljui, &lblfou};
  const char* const captionTexts[] = {"gemaakt", "juist", "fout"};
  for (int k = 0; k < 3; ++k) {
    counters[k]
        ->at(counterLefts[k], 1080, 975, 615)
        .colours(LightGrey, Black)
        .font({"MS Sans Serif", 24})
        .align(Align::Centre);
    captions[k]
        ->at(counterLefts[k], 1680, 975, 495)
        .caption(captionTexts[k])
        .colours(LightGrey, DeepBlue)
        .font({"MS Sans Serif", 9.75, true})
        .align(Align::Centre);
  }
  txtmult3.at(0, 0, 975, 495).text("Text1").hidden();

  cmdstart.at(6840, 7920, 1455, 735)
      .colour(Purple)
      .picture(pictures::start())
      .tooltip("alle splitsingen ");
  cmdcontroleer.at(6840, 7920, 1455, 735)
      .colour(Orange)
      .picture(pictures::wizard())
      .tooltip("controleer")
      .hidden();
  cmdhulp.at(4200, 7920, 1455, 735)
      .colour(Red)
      .picture(pictures::wizard())
      .tooltip("help me")
      .hidden();
  cmdstop.at(11280, 7920, 1455, 735).colour(DarkRed).picture(pictures::stop()).leaves();

  Shape1.at(0, 0, 13935, 855).filled(LightBlue).noBorder();
  Shape3.at(0, 7800, 13935, 975).filled(0x000076EC).noBorder();
  Shape6.at(3120, 960, 6135, 2415).filled(0x00C0FFC0).noBorder();
  Shape7.at(3120, 3480, 6135, 4215).kind(ShapeKind::RoundedRectangle).filled(DarkTeal).noBorder();
  Shape2.at(9360, 960, 3495, 1335).filled(0x00808080).noBorder();
  Image1.at(12120, 7200, 480, 420).picture(pictures::logo()).tooltip(pictures::logoTooltip());

  // Drawing order, back to front.
  std::vector<const Control*> order{&Shape2, &Shape7, &Shape6, &Shape1, &Shape3};
  for (int i = 1; i <= 10; ++i) order.push_back(&shpgetalbeeld[i]);
  order.insert(order.end(), {&Image1, &lblcontrole, &lbltop[0], &lnelinks[3], &lnelinks[2],
                             &lblcijfer[1], &lbltop[1], &lbltop[2], &lblgem, &lbljui, &lblfou,
                             &lblgemaakt, &lbljuist, &lblfout});
  for (const Control* c : order) stacking({c});

  cmdstart.Click = [this] { cmdstart_Click(); };
  cmdhulp.Click = [this] { cmdhulp_Click(); };
  txtantwoord.Change = [this] { txtantwoord_Change(); };
  txtantwoord.Click = [this] { txtantwoord_Click(); };
  cmdcontroleer.Click = [this] { cmdcontroleer_Click(); };
  cmdstop.Click = [this] { cmdstop_Click(); };
}

// Back to the start state: an empty white number image, an empty diagram, no sum.
void frmsleepsplits3::beginstand() {
  for (int i = 1; i <= 10; ++i) {
    shpgetalbeeld[i].setVisible(true);
    shpgetalbeeld[i].setBackColor(White);
  }
  cmdcontroleer.setVisible(false);
  cmdstop.setVisible(true);
  lblcontrole.setCaption("");
  lblcijfer[1].setVisible(false);
  lnelinks[2].setVisible(false);
  lnelinks[3].setVisible(false);
  lbltop[0].setCaption("");
  lbltop[1].setCaption("");
  lbltop[2].setCaption("");
}

// Every time the child comes to this screen: ready for a first exercise, score at 0.
void frmsleepsplits3::opstarten() {
  centre();
  beginstand();
  // An exercise left half-way is abandoned altogether, not only its board.
  txtantwoord.setVisible(false);
  cmdhulp.setVisible(false);
  cmdstart.setVisible(true);
  aantalgemaakt = 0;
  aantaljuist = 0;
  toonscore();
}

void frmsleepsplits3::toonscore() {
  lblgemaakt.setCaption(Str(aantalgemaakt));
  lbljuist.setCaption(Str(aantaljuist));
  lblfout.setCaption(Str(aantalgemaakt - aantaljuist));
}

void frmsleepsplits3::Form_Load() {
  opstarten();
}

void frmsleepsplits3::Form_Activate() {
  opstarten();
}

void frmsleepsplits3::cmdstart_Click() {
  beginstand();
  cmdstart.setVisible(false);
  nieuweopgave();
  cmdhulp.setVisible(true);
}

// A split a + b = N with both parts at least 1; each of the 45 pairs equally likely.
void frmsleepsplits3::nieuweopgave() {
  Randomize();
  auto fits = [](int a, int n) { return a <= 9 && a < n; };
  int a = 0;
  int n = 0;
  int tries = 0;
  do {
    a = Int(Rnd() * 10) + 1;
    n = Int(Rnd() * 10) + 1;
  } while (!fits(a, n) && ++tries < MaxTries);
  if (!fits(a, n)) {
    // 45 of the 100 pairs fit, so a working generator never gets here; one stuck on a
    // single value must not hang the screen: take the k-th of the 45 splits instead.
    int k = Int(Rnd() * 45);
    for (n = 2; k >= n - 1; ++n) k -= n - 1;
    a = k + 1;
  }
  deeleen = a;
  getal = n;
  deeltwee = n - a;
  lblcijfer[1].setVisible(true);
  lbltop[0].setCaption(Str(getal));
  lbltop[1].setCaption(Str(deeleen));
  lbltop[2].setCaption("?");
  lnelinks[2].setVisible(true);
  lnelinks[3].setVisible(true);
  txtantwoord.setVisible(true);
  txtantwoord.setText("");
  for (int i = 1; i <= 10; ++i) {
    shpgetalbeeld[i].setVisible(true);
    shpgetalbeeld[i].setBackColor(White);
  }
  for (int i = 1; i <= getal; ++i) shpgetalbeeld[i].setBackColor(DarkTeal);
  lblcijfer[1].setCaption(Str(deeltwee));  // under the answer box until it is found
  txtantwoord.SetFocus();
  txtmult3.setText(Str(deeltwee));
  lblcontrole.setCaption(Str(deeleen) + " +  ?  = " + Str(getal));
  record::ready(Name);
}

// The known part turns blue, so the squares still dark are the answer.
void frmsleepsplits3::cmdhulp_Click() {
  for (int i = 1; i <= deeleen; ++i) {
    shpgetalbeeld[i].setVisible(true);
    shpgetalbeeld[i].setBackColor(Blue);
  }
  txtantwoord.SetFocus();
  cmdhulp.setVisible(false);
}

// Letters are wiped at once; the check button shows after any edit, also on an empty box.
void frmsleepsplits3::txtantwoord_Change() {
  if (!IsNumeric(txtantwoord.text())) {
    txtantwoord.setText("");
    txtantwoord.SetFocus();
  }
  cmdcontroleer.setVisible(true);
}

void frmsleepsplits3::txtantwoord_Click() {
  txtantwoord.setText("");
  txtantwoord.SetFocus();
}

// Every press is an attempt. The answer must be exactly the digits of b.
void frmsleepsplits3::cmdcontroleer_Click() {
  aantalgemaakt += 1;
  const bool juist = txtantwoord.text() == txtmult3.text();
  record::answer(Name, getal, deeleen, txtantwoord.text(), juist);
  if (juist) {
    cmdhulp.setVisible(false);
    cmdcontroleer.setVisible(false);
    cmdstart.setVisible(true);
  }
  if (!juist) {
    txtantwoord.setText("");
    txtantwoord.SetFocus();
  } else {
    txtantwoord.setVisible(false);
    lblcontrole.setCaption(Str(deeleen) + " + " + Str(deeltwee) + " = " + Str(getal) +
                           "   dat is goed !");
    lbltop[2].setCaption(Str(deeltwee));
    aantaljuist += 1;
  }
  toonscore();
}

void frmsleepsplits3::cmdstop_Click() {
  beginstand();
  txtantwoord.setVisible(false);
  cmdhulp.setVisible(false);
  cmdstart.setVisible(true);
  screens::frmkiesbasis().Show();
  Hide();
}
