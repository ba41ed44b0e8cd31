#pragma once
// Missing part for a chosen number ("Klik en splits"): the child picks a number from
// 2 to 10, sees a random first part as blue squares with its digit, and types the
// missing part. A right answer turns the missing squares red and writes the whole split.

#include "forms/program.h"

class frmsleepsplits2 : public forms::Form {
  Q_OBJECT

 public:
  static constexpr const char* Name = "frmsleepsplits2";
  frmsleepsplits2();

  // Square grids: element i lies in column (i + 1) div 2, top row for odd i.
  forms::ControlArray<forms::Shape> shpgetalbeeld{this, "shpgetalbeeld", 1, 10};
  forms::ControlArray<forms::Shape> shpeen{this, "shpeen", 0, 10};
  forms::ControlArray<forms::Shape> shptwee{this, "shptwee", 0, 10};

  forms::Label lblcontrole{this, "lblcontrole"};
  forms::ControlArray<forms::Label> lbltop{this, "lbltop", 0, 2};
  forms::ControlArray<forms::Line> lnelinks{this, "lnelinks", 0, 3};
  forms::ControlArray<forms::Label> lblcijfer{this, "lblcijfer", 0, 1};
  forms::Label lblkies{this, "lblkies"};
  forms::Label Label1{this, "Label1"};

  forms::TextBox txtantwoord{this, "txtantwoord"};

  forms::CommandButton cmdsplits2{this, "cmdsplits2"};
  forms::CommandButton cmdsplits3{this, "cmdsplits3"};
  forms::CommandButton cmdsplits4{this, "cmdsplits4"};
  forms::CommandButton cmdsplits5{this, "cmdsplits5"};
  forms::CommandButton cmdsplits6{this, "cmdsplits6"};
  forms::CommandButton cmdsplits7{this, "cmdsplits7"};
  forms::CommandButton cmdsplits8{this, "cmdsplits8"};
  forms::CommandButton cmdsplits9{this, "cmdsplits9"};
  forms::CommandButton cmdsplits10{this, "cmdsplits10"};
  forms::CommandButton cmdcontroleer{this, "cmdcontroleer"};
  forms::CommandButton cmdstart{this, "cmdstart"};
  forms::CommandButton cmdreeks{this, "cmdreeks"};
  forms::CommandButton cmdstop{this, "cmdstop"};

  forms::Shape Shape1{this, "Shape1"};
  forms::Shape Shape3{this, "Shape3"};
  forms::Shape Shape6{this, "Shape6"};
  forms::Shape Shape4{this, "Shape4"};
  forms::Shape Shape5{this, "Shape5"};
  forms::Shape Shape7{this, "Shape7"};
  forms::Shape Shape8{this, "Shape8"};
  forms::Shape Shape2{this, "Shape2"};
  forms::Image imgpijl{this, "imgpijl"};
  forms::Image Image1{this, "Image1"};

  int getal = 0;         // N, the number being split
  int deeleen = 0;       // a, the given first part
  int deeltwee = 0;      // b = N - a, the part the child types
  int gekozengetal = 0;  // the number last chosen with a number button

  // The number buttons, from "2" to "10".
  forms::CommandButton& cmdsplits(int n);

 protected:
  void Form_Load() override;
  void Form_Activate() override;

 private:
  void beginstand();
  void toonkies();
  void splitsgetal(int n);
  void toonopgave();
  void verbergkeuze();
  void zelfdegetal();

  void cmdsplits2_Click();
  void cmdsplits3_Click();
  void cmdsplits4_Click();
  void cmdsplits5_Click();
  void cmdsplits6_Click();
  void cmdsplits7_Click();
  void cmdsplits8_Click();
  void cmdsplits9_Click();
  void cmdsplits10_Click();
  void txtantwoord_Change();
  void txtantwoord_Click();
  void cmdcontroleer_Click();
  void cmdstart_Click();
  void cmdreeks_Click();
  void cmdstop_Click();
};

namespace screens {
inline frmsleepsplits2& frmsleepsplits2() {
  return forms::Program::current().form<::frmsleepsplits2>();
}
}  // namespace screens
