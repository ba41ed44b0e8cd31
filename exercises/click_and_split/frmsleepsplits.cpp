#include "exercises/click_and_split/frmsleepsplits.h"

#include "record/recorder.h"
#include "shell/common_pictures.h"
#include "shell/frmkiesbasis.h"
#include "shell/number_image.h"

using namespace forms;

namespace {

constexpr NumberImageGrid Getalbeeld{3360, 1200, 1200, 1080};
constexpr NumberImageGrid Een{480, 4080, 1200, 1080};
constexpr NumberImageGrid Twee{6960, 4080, 1200, 1080};

}  // namespace

frmsleepsplits::frmsleepsplits()
    : Form(Name, Kind::Free, QStringLiteral("Klik en splits"), 12840, 9045, 0x00C0FFFF) {
  Shape1.at(0, 0, 13935, 1095).filled(LightBlue).outline(LightBlue);
  lblcontrole.at(240, 120, 13215, 855)
      .colours(LightBlue, 0x00004000)
      .font({"Arial", 36})
      .align(Align::Centre)
      .readAloud();
  for (int k = 1; k <= 10; ++k) {
    shpgetalbeeld[k].at(Getalbeeld.leftOf(k), Getalbeeld.topOf(k), 855, 855).filled(DarkTeal);
    shpeen[k].at(Een.leftOf(k), Een.topOf(k), 855, 855).filled(Blue);
    shptwee[k].at(Twee.leftOf(k), Twee.topOf(k), 855, 855).filled(Red);
  }
  lnelinks[0].from(5280, 3240).to(4200, 3960).pen(0x00404080, 6);
  lnelinks[1].from(6960, 3240).to(8160, 3960).pen(0x00404080, 6);
  lblcijfer[0]
      .at(2520, 6600, 1575, 1095)
      .colours(Blue, White)
      .font({"Arial", 48})
      .align(Align::Centre);
  lblcijfer[1]
      .at(9000, 6600, 1575, 1095)
      .colours(Red, White)
      .font({"Arial", 48})
      .align(Align::Centre);
  for (int i = 0; i <= 1; ++i)
    cmdstart[i]
        .at(5280, 6720, 2535, 855)
        .colour(Purple)
        .picture(pictures::start())
        .tooltip("alle splitsingen ")
        .name(i == 0 ? "alle splitsingen" : "volgende splitsing")
        .hidden();
  cmdcontroleer.at(5280, 6720, 2535, 855)
      .colour(0x000080FF)
      .picture(pictures::wizard())
      .tooltip("controleer")
      .hidden();
  Shape3.at(0, 7800, 13935, 1215).filled(0x000076EC);
  const auto knoppen = getalknoppen();
  for (int n = 2; n <= 10; ++n)
    knoppen[n - 2]
        ->at(120 + 1240 * (n - 2), 8040, 1095, 735)
        .colour(Purple)
        .font({"MS Sans Serif", 24})
        .caption(Str(n))
        .tooltip("splits " + Str(n));
  cmdstop.at(11280, 8040, 1455, 735).colour(0x00000080).picture(pictures::stop()).leaves();
  Image1.at(12120, 7200, 480, 420).picture(pictures::logo()).tooltip(pictures::logoTooltip());

  for (int n = 2; n <= 10; ++n) knoppen[n - 2]->Click = [this, n] { cmdsplits_Click(n); };
  cmdstart.Click = [this](int i) { cmdstart_Click(i); };
  cmdcontroleer.Click = [this] { cmdcontroleer_Click(); };
  cmdstop.Click = [this] { cmdstop_Click(); };
}

std::array<CommandButton*, 9> frmsleepsplits::getalknoppen() {
  return {&cmdsplits2, &cmdsplits3, &cmdsplits4, &cmdsplits5, &cmdsplits6,
          &cmdsplits7, &cmdsplits8, &cmdsplits9, &cmdsplits10};
}

// Clears the board: a white number picture, no groups, labels or legs, an empty sum
// line, and the number buttons and the stop button back. The start buttons stay as
// they are.
void frmsleepsplits::herstelbord() {
  for (int k = 1; k <= 10; ++k) {
    shpgetalbeeld[k].setVisible(true);
    shpgetalbeeld[k].setBackColor(White);
    shpeen[k].setVisible(false);
    shpeen[k].setBackColor(White);
    shptwee[k].setVisible(false);
    shptwee[k].setBackColor(White);
  }
  for (CommandButton* knop : getalknoppen()) knop->setVisible(true);
  cmdcontroleer.setVisible(false);
  cmdstop.setVisible(true);
  lblcontrole.setCaption("");
  lblcijfer[0].setVisible(false);
  lblcijfer[1].setVisible(false);
  lnelinks[0].setVisible(false);
  lnelinks[1].setVisible(false);
  deeleen = 0;
}

// Shows the chosen number as teal squares, with the legs and two empty groups.
void frmsleepsplits::toongetal() {
  for (CommandButton* knop : getalknoppen()) knop->setVisible(false);
  cmdstop.setVisible(false);
  for (int k = 1; k <= getal; ++k) {
    shpgetalbeeld[k].setVisible(true);
    shpgetalbeeld[k].setBackColor(DarkTeal);
  }
  for (int k = 1; k <= 10; ++k) {
    shpeen[k].setVisible(true);
    shpeen[k].setBackColor(White);
    shptwee[k].setVisible(true);
    shptwee[k].setBackColor(White);
  }
  lblcijfer[0].setVisible(true);
  lblcijfer[1].setVisible(true);
  lnelinks[0].setVisible(true);
  lnelinks[1].setVisible(true);
}

void frmsleepsplits::kleurbord(int blauw, int rood) {
  for (int k = 1; k <= 10; ++k) {
    shpgetalbeeld[k].setVisible(true);
    shpgetalbeeld[k].setBackColor(k <= getal ? DarkTeal : White);
    shpeen[k].setVisible(true);
    shpeen[k].setBackColor(k <= blauw ? Blue : White);
    shptwee[k].setVisible(true);
    shptwee[k].setBackColor(k <= rood ? Red : White);
  }
}

// The split as a sum: 3 + 4 = 7.
void frmsleepsplits::schrijfsom() {
  lblcontrole.setCaption(lblcijfer[0].caption() + " + " + lblcijfer[1].caption() + " = " +
                         Str(getal));
}

void frmsleepsplits::cmdsplits_Click(int n) {
  record::practised(Name, n);
  getal = n;
  cmdstart[0].setVisible(true);
  toongetal();
  lblcijfer[0].setVisible(false);
  lblcijfer[1].setVisible(false);
}

void frmsleepsplits::cmdstart_Click(int index) {
  if (index == 0) {
    // The walk starts at 0 + N: the whole number in the right group.
    lblcijfer[0].setVisible(true);
    lblcijfer[1].setVisible(true);
    kleurbord(0, getal);
    cmdstart[0].setVisible(false);
    cmdstart[1].setVisible(true);
    lblcijfer[0].setCaption("0");
    lblcijfer[1].setCaption(Str(getal));
    schrijfsom();
  } else {
    // One square moves from the right group to the left one.
    deeleen = deeleen + 1;
    deeltwee = getal - deeleen;
    kleurbord(deeleen, deeltwee);
    if (deeltwee == 0) {
      cmdstart[1].setVisible(false);
      cmdcontroleer.setVisible(true);
    }
    lblcijfer[0].setCaption(Str(deeleen));
    lblcijfer[1].setCaption(Str(deeltwee));
    schrijfsom();
  }
}

void frmsleepsplits::cmdcontroleer_Click() {
  herstelbord();
}

void frmsleepsplits::cmdstop_Click() {
  herstelbord();
  screens::frmkiesbasis().Show();
  screens::frmkiesbasis().setEnabled(true);
  Hide();
}

void frmsleepsplits::Form_Load() {
  centre();
  herstelbord();
  deeleen = 0;
}

void frmsleepsplits::Form_Activate() {
  centre();
  herstelbord();
  deeleen = 0;
}
