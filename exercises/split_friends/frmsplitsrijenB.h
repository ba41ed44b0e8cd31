#pragma once
// Split friends: a number from 1 to 9 is drawn and shown above a column of left numbers;
// the child types the friend (the other part) of each left number, checks the row, sees
// the split as dots and, when right, reads all sums and differences of the split.

#include <array>

#include "shell/program.h"

class frmsplitsrijenB : public vb::Form {
  Q_OBJECT

 public:
  static constexpr const char* Name = "frmsplitsrijenB";
  frmsplitsrijenB();

  // Coloured panels, behind every other control.
  vb::Shape Shape2{this, "Shape2"};
  vb::Shape Shape1{this, "Shape1"};
  vb::Shape Shape3{this, "Shape3"};
  vb::Shape Shape5{this, "Shape5"};
  vb::Shape Shape4{this, "Shape4"};

  vb::CommandButton cmdstart{this, "cmdstart"};
  vb::CommandButton cmdstop{this, "cmdstop"};
  vb::Label lblgetal{this, "lblgetal"};
  vb::ControlArray<vb::Label> lblsplits{this, "lblsplits", 0, 9};
  vb::ControlArray<vb::TextBox> txtsplis{this, "txtsplis", 0, 9};
  vb::ControlArray<vb::CommandButton> cmdeen{this, "cmdeen", 0, 9};
  vb::ControlArray<vb::Label> lblmemo{this, "lblmemo", 0, 0};
  vb::ControlArray<vb::Shape> shpbol{this, "shpbol", 0, 10};
  vb::Line Line1{this, "Line1"};
  vb::Line Line2{this, "Line2"};
  vb::Line Line3{this, "Line3"};
  vb::Line Line4{this, "Line4"};
  vb::Line Line5{this, "Line5"};
  vb::Line Line6{this, "Line6"};
  vb::Image Image2{this, "Image2"};

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

namespace forms {
inline frmsplitsrijenB& frmsplitsrijenB() {
  return vb::Program::current().form<::frmsplitsrijenB>();
}
}  // namespace forms
