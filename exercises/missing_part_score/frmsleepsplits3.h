#pragma once
// Missing part with help and a running score ("Klik en splits"): random splits of the
// numbers 2 to 10 without a zero part; the child types the missing part, may ask once
// per exercise for help, and sees how many answers were made, right and wrong.

#include "forms/program.h"

class frmsleepsplits3 : public forms::Form {
  Q_OBJECT

 public:
  static constexpr const char* Name = "frmsleepsplits3";
  frmsleepsplits3();

  // The number image: square i lies in column (i + 1) div 2, top row for odd i.
  forms::ControlArray<forms::Shape> shpgetalbeeld{this, "shpgetalbeeld", 1, 10};

  forms::Label lblcontrole{this, "lblcontrole"};
  forms::ControlArray<forms::Label> lbltop{this, "lbltop", 0, 2};
  forms::ControlArray<forms::Label> lblcijfer{this, "lblcijfer", {1}};
  forms::ControlArray<forms::Line> lnelinks{this, "lnelinks", {2, 3}};
  forms::TextBox txtantwoord{this, "txtantwoord"};
  forms::Label lblgemaakt{this, "lblgemaakt"};
  forms::Label lbljuist{this, "lbljuist"};
  forms::Label lblfout{this, "lblfout"};
  forms::Label lblgem{this, "lblgem"};
  forms::Label lbljui{this, "lbljui"};
  forms::Label lblfou{this, "lblfou"};
  // The expected answer as text, never shown.
  forms::TextBox txtmult3{this, "txtmult3"};

  forms::CommandButton cmdstart{this, "cmdstart"};
  forms::CommandButton cmdcontroleer{this, "cmdcontroleer"};
  forms::CommandButton cmdhulp{this, "cmdhulp"};
  forms::CommandButton cmdstop{this, "cmdstop"};

  forms::Shape Shape1{this, "Shape1"};
  forms::Shape Shape3{this, "Shape3"};
  forms::Shape Shape6{this, "Shape6"};
  forms::Shape Shape7{this, "Shape7"};
  forms::Shape Shape2{this, "Shape2"};
  forms::Image Image1{this, "Image1"};

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

namespace screens {
inline frmsleepsplits3& frmsleepsplits3() {
  return forms::Program::current().form<::frmsleepsplits3>();
}
}  // namespace screens
