#pragma once
// Missing part for a chosen number ("Klik en splits"): the child picks a number from
// 2 to 10, sees a random first part as blue squares with its digit, and types the
// missing part. A right answer turns the missing squares red and writes the whole split.

#include "shell/program.h"

class frmsleepsplits2 : public vb::Form {
  Q_OBJECT

 public:
  static constexpr const char* Name = "frmsleepsplits2";
  frmsleepsplits2();

  // Square grids: element i lies in column (i + 1) div 2, top row for odd i.
  vb::ControlArray<vb::Shape> shpgetalbeeld{this, "shpgetalbeeld", 1, 10};
  vb::ControlArray<vb::Shape> shpeen{this, "shpeen", 0, 10};
  vb::ControlArray<vb::Shape> shptwee{this, "shptwee", 0, 10};

  vb::Label lblcontrole{this, "lblcontrole"};
  vb::ControlArray<vb::Label> lbltop{this, "lbltop", 0, 2};
  vb::ControlArray<vb::Line> lnelinks{this, "lnelinks", 0, 3};
  vb::ControlArray<vb::Label> lblcijfer{this, "lblcijfer", 0, 1};
  vb::Label lblkies{this, "lblkies"};
  vb::Label Label1{this, "Label1"};

  vb::TextBox txtantwoord{this, "txtantwoord"};

  vb::CommandButton cmdsplits2{this, "cmdsplits2"};
  vb::CommandButton cmdsplits3{this, "cmdsplits3"};
  vb::CommandButton cmdsplits4{this, "cmdsplits4"};
  vb::CommandButton cmdsplits5{this, "cmdsplits5"};
  vb::CommandButton cmdsplits6{this, "cmdsplits6"};
  vb::CommandButton cmdsplits7{this, "cmdsplits7"};
  vb::CommandButton cmdsplits8{this, "cmdsplits8"};
  vb::CommandButton cmdsplits9{this, "cmdsplits9"};
  vb::CommandButton cmdsplits10{this, "cmdsplits10"};
  vb::CommandButton cmdcontroleer{this, "cmdcontroleer"};
  vb::CommandButton cmdstart{this, "cmdstart"};
  vb::CommandButton cmdreeks{this, "cmdreeks"};
  vb::CommandButton cmdstop{this, "cmdstop"};

  vb::Shape Shape1{this, "Shape1"};
  vb::Shape Shape3{this, "Shape3"};
  vb::Shape Shape6{this, "Shape6"};
  vb::Shape Shape4{this, "Shape4"};
  vb::Shape Shape5{this, "Shape5"};
  vb::Shape Shape7{this, "Shape7"};
  vb::Shape Shape8{this, "Shape8"};
  vb::Shape Shape2{this, "Shape2"};
  vb::Image imgpijl{this, "imgpijl"};
  vb::Image Image1{this, "Image1"};

  int getal = 0;         // N, the number being split
  int deeleen = 0;       // a, the given first part
  int deeltwee = 0;      // b = N - a, the part the child types
  int gekozengetal = 0;  // the number last chosen with a number button

  // The number buttons, from "2" to "10".
  vb::CommandButton& cmdsplits(int n);

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

namespace forms {
inline frmsleepsplits2& frmsleepsplits2() { return vb::Program::current().form<::frmsleepsplits2>(); }
}  // namespace forms
