#include "exercises/missing_part_score/frmsleepsplits3.h"

#include "shell/common_pictures.h"
#include "shell/frmkiesbasis.h"

using namespace vb;

frmsleepsplits3::frmsleepsplits3()
    : Form(Name, Kind::Free, QStringLiteral("Klik en splits"), 12930, 8775, 0x0080FFFF) {
  cmdstop.at(12930-1695, 8775-975, 1455, 855).colour(0x00000080).picture(pictures::stop());
  cmdstop.Click = [this] { cmdstop_Click(); };
}

void frmsleepsplits3::Form_Load() { centre(); }

void frmsleepsplits3::cmdstop_Click() {
  forms::frmkiesbasis().Show();
  Hide();
}
