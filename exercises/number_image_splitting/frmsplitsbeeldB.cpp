#include "exercises/number_image_splitting/frmsplitsbeeldB.h"

#include "shell/common_pictures.h"
#include "shell/frmkiesbasis.h"

using namespace vb;

frmsplitsbeeldB::frmsplitsbeeldB()
    : Form(Name, Kind::Free, QStringLiteral("SPLITSEN VAN GETALBEELDEN"), 11880, 7920, 0x00D6D6D6) {
  cmdstop2.at(11880-1695, 7920-975, 1455, 855).colour(0x00000080).picture(pictures::stop());
  cmdstop2.Click = [this] { cmdstop2_Click(); };
}

void frmsplitsbeeldB::Form_Load() { centre(); }

void frmsplitsbeeldB::cmdstop2_Click() {
  forms::frmkiesbasis().Show();
  Hide();
}
