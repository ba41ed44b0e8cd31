#include "exercises/split_friends/frmsplitsrijenB.h"

#include "shell/common_pictures.h"
#include "shell/frmkiesbasis.h"

using namespace vb;

frmsplitsrijenB::frmsplitsrijenB()
    : Form(Name, Kind::Free, QStringLiteral("splitsing memoriseren"), 11880, 7800, 0x0080FFFF) {
  cmdstop.at(11880-1695, 7800-975, 1455, 855).colour(0x00000080).picture(pictures::stop());
  cmdstop.Click = [this] { cmdstop_Click(); };
}

void frmsplitsrijenB::Form_Load() { centre(); }

void frmsplitsrijenB::cmdstop_Click() {
  forms::frmkiesbasis().Show();
  Hide();
}
