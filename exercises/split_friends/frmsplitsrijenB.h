#pragma once
// Split friends: a number from 1 to 9 is drawn and shown above a column of left numbers;
// the child types the friend (the other part) of each left number, checks the row, sees
// the split as dots and, when right, reads all sums and differences of the split.

#include <array>

#include "forms/program.h"

class frmsplitsrijenB : public forms::Form {
  Q_OBJECT

 public:
  static constexpr const char* Name = "frmsplitsrijenB";
  frmsplitsrijenB();

  // Coloured panels, behind every other control.
  forms::Shape Shape2{this, "Shape2"};
  forms::Shape Shape1{this, "Shape1"};
  forms::Shape Shape3{this, "Shape3"};
  forms::Shape Shape5{this, "Shape5"};
  forms::Shape Shape4{this, "Shape4"};

  forms::CommandButton cmdstart{this, "cmdstart"};
  forms::CommandButton cmdstop{this, "cmdstop"};
  forms::Label lblgetal{this, "lblgetal"};
  forms::ControlArray<forms::Label> lblsplits{this, "lblsplits", 0, 9};
  forms::ControlArray<forms::TextBox> txtsplis{this, "txtsplis", 0, 9};
  forms::ControlArray<forms::CommandButton> cmdeen{this, "cmdeen", 0, 9};
  forms::ControlArray<forms::Label> lblmemo{this, "lblmemo", 0, 0};
  forms::ControlArray<forms::Shape> shpbol{this, "shpbol", 0, 10};
  forms::Line Line1{this, "Line1"};
  forms::Line Line2{this, "Line2"};
  forms::Line Line3{this, "Line3"};
  forms::Line Line4{this, "Line4"};
  forms::Line Line5{this, "Line5"};
  forms::Line Line6{this, "Line6"};
  forms::Image Image2{this, "Image2"};

  int getal = 0;                         // the drawn number, 1 .. 9
  std::array<int, 11> linksegetallen{};  // entries 1 .. 10: the left numbers
  int vriendje = 0;                      // the friend of the row being checked

 protected:
  void Form_Load() override;

 private:
  void wisscherm();
  void begrenslinks();
  void vullinks();

  void cmdstart_Click();
  void txtsplis_Change(int index);
  void txtsplis_Click(int index);
  void cmdeen_Click(int index);
  void cmdstop_Click();
};

namespace screens {
inline frmsplitsrijenB& frmsplitsrijenB() {
  return forms::Program::current().form<::frmsplitsrijenB>();
}
}  // namespace screens
