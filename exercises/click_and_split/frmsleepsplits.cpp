#include "exercises/click_and_split/frmsleepsplits.h"

#include "shell/common_pictures.h"
#include "shell/frmkiesbasis.h"

using namespace vb;

frmsleepsplits::frmsleepsplits()
    : Form(Name, Kind::Free, QStringLiteral("Klik en splits"), 12840, 9045, 0x00C0FFFF) {
  cmdstop.at(12840-1695, 9045-975, 1455, 855).colour(0x00000080).picture(pictures::stop());
  cmdstop.Click = [this] { cmdstop_Click(); };
}

void frmsleepsplits::Form_Load() { centre(); }

void frmsleepsplits::cmdstop_Click() {
  forms::frmkiesbasis().Show();
  Hide();
}
