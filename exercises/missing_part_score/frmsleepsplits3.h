#pragma once
// Missing part with help and a running score ("Klik en splits"): random splits of the
// numbers 2 to 10 without a zero part; the child types the missing part, may ask once
// per exercise for help, and sees how many answers were made, right and wrong.

#include "shell/program.h"

class frmsleepsplits3 : public vb::Form {
  Q_OBJECT

 public:
  static constexpr const char* Name = "frmsleepsplits3";
  frmsleepsplits3();

  // The number image: square i lies in column (i + 1) div 2, top row for odd i.
  vb::ControlArray<vb::Shape> shpgetalbeeld{this, "shpgetalbeeld", 1, 10};

  vb::Label lblcontrole{this, "lblcontrole"};
  vb::ControlArray<vb::Label> lbltop{this, "lbltop", 0, 2};
  vb::ControlArray<vb::Label> lblcijfer{this, "lblcijfer", {1}};
  vb::ControlArray<vb::Line> lnelinks{this, "lnelinks", {2, 3}};
  vb::TextBox txtantwoord{this, "txtantwoord"};
  vb::Label lblgemaakt{this, "lblgemaakt"};
  vb::Label lbljuist{this, "lbljuist"};
  vb::Label lblfout{this, "lblfout"};
  vb::Label lblgem{this, "lblgem"};
  vb::Label lbljui{this, "lbljui"};
  vb::Label lblfou{this, "lblfou"};
  // The expected answer as text, never shown.
  vb::TextBox txtmult3{this, "txtmult3"};

  vb::CommandButton cmdstart{this, "cmdstart"};
  vb::CommandButton cmdcontroleer{this, "cmdcontroleer"};
  vb::CommandButton cmdhulp{this, "cmdhulp"};
  vb::CommandButton cmdstop{this, "cmdstop"};

  vb::Shape Shape1{this, "Shape1"};
  vb::Shape Shape3{this, "Shape3"};
  vb::Shape Shape6{this, "Shape6"};
  vb::Shape Shape7{this, "Shape7"};
  vb::Shape Shape2{this, "Shape2"};
  vb::Image Image1{this, "Image1"};

  int getal = 0;          // N, the number being split
  int deeleen = 0;        // a, the given first part
  int deeltwee = 0;       // b = N - a, the part the child types
  int aantalgemaakt = 0;  // presses of the check button since the screen was activated
  int aantaljuist = 0;    // right answers since the screen was activated

 protected:
  void Form_Load() override;
  void Form_Activate() override;

 private:
  void beginstand();
  void opstarten();
  void toonscore();
  void nieuweopgave();

  void cmdstart_Click();
  void cmdhulp_Click();
  void txtantwoord_Change();
  void txtantwoord_Click();
  void cmdcontroleer_Click();
  void cmdstop_Click();
};

namespace forms {
inline frmsleepsplits3& frmsleepsplits3() { return vb::Program::current().form<::frmsleepsplits3>(); }
}  // namespace forms
