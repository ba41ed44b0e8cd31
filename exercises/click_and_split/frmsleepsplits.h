#pragma once
// Click and split: the child picks a number from 2 to 10 and walks, one click at a
// time, through all its splits from 0 + N = N to N + 0 = N, while squares move from a
// red group on the right to a blue group on the left.

#include <array>

#include "shell/program.h"

class frmsleepsplits : public vb::Form {
  Q_OBJECT

 public:
  static constexpr const char* Name = "frmsleepsplits";
  frmsleepsplits();

  vb::Shape Shape1{this, "Shape1"};
  vb::Label lblcontrole{this, "lblcontrole"};
  vb::ControlArray<vb::Shape> shpgetalbeeld{this, "shpgetalbeeld", 1, 10};
  vb::ControlArray<vb::Line> lnelinks{this, "lnelinks", 0, 1};
  vb::ControlArray<vb::Shape> shpeen{this, "shpeen", 1, 10};
  vb::ControlArray<vb::Shape> shptwee{this, "shptwee", 1, 10};
  vb::ControlArray<vb::Label> lblcijfer{this, "lblcijfer", 0, 1};
  vb::ControlArray<vb::CommandButton> cmdstart{this, "cmdstart", 0, 1};
  vb::CommandButton cmdcontroleer{this, "cmdcontroleer"};
  vb::Shape Shape3{this, "Shape3"};
  vb::CommandButton cmdsplits2{this, "cmdsplits2"};
  vb::CommandButton cmdsplits3{this, "cmdsplits3"};
  vb::CommandButton cmdsplits4{this, "cmdsplits4"};
  vb::CommandButton cmdsplits5{this, "cmdsplits5"};
  vb::CommandButton cmdsplits6{this, "cmdsplits6"};
  vb::CommandButton cmdsplits7{this, "cmdsplits7"};
  vb::CommandButton cmdsplits8{this, "cmdsplits8"};
  vb::CommandButton cmdsplits9{this, "cmdsplits9"};
  vb::CommandButton cmdsplits10{this, "cmdsplits10"};
  vb::CommandButton cmdstop{this, "cmdstop"};
  vb::Image Image1{this, "Image1"};

  int getal = 0;     // the chosen number
  int deeleen = 0;   // the first part: the left group, blue
  int deeltwee = 0;  // the second part: the right group, red

 protected:
  void Form_Load() override;
  void Form_Activate() override;

 private:
  // cmdsplits2 ... cmdsplits10, for the number N at position N - 2.
  std::array<vb::CommandButton*, 9> getalknoppen();
  void herstelbord();
  void toongetal();
  // All thirty squares visible and white, then the number teal and the parts coloured.
  void kleurbord(int blauw, int rood);
  void schrijfsom();

  void cmdsplits_Click(int n);
  void cmdstart_Click(int index);
  void cmdcontroleer_Click();
  void cmdstop_Click();
};

namespace forms {
inline frmsleepsplits& frmsleepsplits() {
  return vb::Program::current().form<::frmsleepsplits>();
}
}  // namespace forms
