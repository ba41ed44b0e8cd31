#include "exercises/split_memorising/frmsplits2.h"

#include "shell/common_pictures.h"
#include "shell/frmkiesbasis.h"

using namespace vb;

frmsplits2::frmsplits2()
    : Form(Name, Kind::Free, QStringLiteral("Splits "), 11880, 7770, 0x00D6D6D6) {
  cmdstop2.at(11880-1695, 7770-975, 1455, 855).colour(0x00000080).picture(pictures::stop());
  cmdstop2.Click = [this] { cmdstop2_Click(); };
}

void frmsplits2::Form_Load() { centre(); }

void frmsplits2::cmdstop2_Click() {
  forms::frmkiesbasis().Show();
  Hide();
}
