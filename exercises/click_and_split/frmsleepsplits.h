#pragma once
// Click and split: the child picks a number from 2 to 10 and walks, one click at a
// time, through all its splits from 0 + N = N to N + 0 = N, while squares move from a
// red group on the right to a blue group on the left.

#include <array>

#include "forms/program.h"

class frmsleepsplits : public forms::Form {
  Q_OBJECT

 public:
  static constexpr const char* Name = "frmsleepsplits";
  frmsleepsplits();

  forms::Shape Shape1{this, "Shape1"};
  forms::Label lblcontrole{this, "lblcontrole"};
  forms::ControlArray<forms::Shape> shpgetalbeeld{this, "shpgetalbeeld", 1, 10};
  forms::ControlArray<forms::Line> lnelinks{this, "lnelinks", 0, 1};
  forms::ControlArray<forms::Shape> shpeen{this, "shpeen", 1, 10};
  forms::ControlArray<forms::Shape> shptwee{this, "shptwee", 1, 10};
  forms::ControlArray<forms::Label> lblcijfer{this, "lblcijfer", 0, 1};
  forms::ControlArray<forms::CommandButton> cmdstart{this, "cmdstart", 0, 1};
  forms::CommandButton cmdcontroleer{this, "cmdcontroleer"};
  forms::Shape Shape3{this, "Shape3"};
  forms::CommandButton cmdsplits2{this, "cmdsplits2"};
  forms::CommandButton cmdsplits3{this, "cmdsplits3"};
  forms::CommandButton cmdsplits4{this, "cmdsplits4"};
  forms::CommandButton cmdsplits5{this, "cmdsplits5"};
  forms::CommandButton cmdsplits6{this, "cmdsplits6"};
  forms::CommandButton cmdsplits7{this, "cmdsplits7"};
  forms::CommandButton cmdsplits8{this, "cmdsplits8"};
  forms::CommandButton cmdsplits9{this, "cmdsplits9"};
  forms::CommandButton cmdsplits10{this, "cmdsplits10"};
  forms::CommandButton cmdstop{this, "cmdstop"};
  forms::Image Image1{this, "Image1"};

  int getal = 0;     // the chosen number
  int deeleen = 0;   // the first part: the left group, blue
  int deeltwee = 0;  // the second part: the right group, red

 protected:
  void Form_Load() override;
  void Form_Activate() override;

 private:
  // cmdsplits2 ... cmdsplits10, for the number N at position N - 2.
  std::array<forms::CommandButton*, 9> getalknoppen();
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

namespace screens {
inline frmsleepsplits& frmsleepsplits() {
  return forms::Program::current().form<::frmsleepsplits>();
}
}  // namespace screens
