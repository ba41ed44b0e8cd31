#include "exercises/split_machine/frmsplitsmachine.h"

#include "shell/common_pictures.h"
#include "shell/frmkiesbasis.h"

using namespace vb;

frmsplitsmachine::frmsplitsmachine()
    : Form(Name, Kind::Free, QStringLiteral("SPLITSMACHINE"), 12000, 7920, 0x00D6D6D6) {
  cmdstop.at(12000-1695, 7920-975, 1455, 855).colour(0x00000080).picture(pictures::stop());
  cmdstop.Click = [this] { cmdstop_Click(); };
}

void frmsplitsmachine::Form_Load() { centre(); }

void frmsplitsmachine::cmdstop_Click() {
  forms::frmkiesbasis().Show();
  Hide();
}
