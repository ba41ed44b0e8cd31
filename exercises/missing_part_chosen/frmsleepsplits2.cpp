#include "exercises/missing_part_chosen/frmsleepsplits2.h"

#include "shell/common_pictures.h"
#include "shell/frmkiesbasis.h"

using namespace vb;

frmsleepsplits2::frmsleepsplits2()
    : Form(Name, Kind::Free, QStringLiteral("Klik en splits"), 12930, 8895, 0x0080FFFF) {
  cmdstop.at(12930-1695, 8895-975, 1455, 855).colour(0x00000080).picture(pictures::stop());
  cmdstop.Click = [this] { cmdstop_Click(); };
}

void frmsleepsplits2::Form_Load() { centre(); }

void frmsleepsplits2::cmdstop_Click() {
  forms::frmkiesbasis().Show();
  Hide();
}
