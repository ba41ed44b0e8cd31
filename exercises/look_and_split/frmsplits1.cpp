#include "exercises/look_and_split/frmsplits1.h"

#include "shell/common_pictures.h"
#include "shell/frmkiesbasis.h"

using namespace vb;

frmsplits1::frmsplits1()
    : Form(Name, Kind::Free, QStringLiteral("Kijk en splits"), 11880, 7935, 0x0068E3EA) {
  cmdstop.at(11880-1695, 7935-975, 1455, 855).colour(0x00000080).picture(pictures::stop());
  cmdstop.Click = [this] { cmdstop_Click(); };
}

void frmsplits1::Form_Load() { centre(); }

void frmsplits1::cmdstop_Click() {
  forms::frmkiesbasis().Show();
  Hide();
}
