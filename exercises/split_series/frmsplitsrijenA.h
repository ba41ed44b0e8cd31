#pragma once
// Split series: the child picks a number from 0 to 10 on a keypad and builds its
// complete series of splits, one line per click on a grid of picture buttons that
// must be clicked in order.

#include <array>

#include "shell/program.h"

class frmsplitsrijenA : public vb::Form {
  Q_OBJECT

 public:
  static constexpr const char* Name = "frmsplitsrijenA";
  frmsplitsrijenA();

  // Panels, drawn behind everything else.
  vb::Shape Shape2{this, "Shape2"};
  vb::Shape Shape1{this, "Shape1"};
  vb::Shape Shape3{this, "Shape3"};
  vb::Shape Shape5{this, "Shape5"};
  vb::Shape Shape4{this, "Shape4"};

  vb::ControlArray<vb::CommandButton> cmdgetal{this, "cmdgetal", 0, 10};
  vb::ControlArray<vb::CommandButton> cmdstart{this, "cmdstart", 0, 10};
  vb::CommandButton cmdstop{this, "cmdstop"};
  vb::ControlArray<vb::Shape> shpbol{this, "shpbol", 0, 10};
  vb::Label lblstartgetal{this, "lblstartgetal"};
  vb::Label lblsplits1{this, "lblsplits1"};
  vb::Label lblsplits2{this, "lblsplits2"};
  vb::Line Line8{this, "Line8"};
  vb::Line Line7{this, "Line7"};
  vb::ControlArray<vb::Label> lblmemo{this, "lblmemo", 0, 0};
  vb::Label lblkies{this, "lblkies"};
  vb::Label Label1{this, "Label1"};
  vb::Label lblgetal{this, "lblgetal"};
  vb::Image Image2{this, "Image2"};

  // One split: first part + second part.
  struct Splitsing {
    int deel1 = 0;
    int deel2 = 0;
  };

  int getal = 0;                         // the chosen number, 0 .. 10
  std::array<Splitsing, 11> splitsrij{};  // entry k = (k, getal - k), written by button k

 protected:
  void Form_Load() override;
  void Form_Activate() override;

 private:
  void wisscherm();
  void cmdgetal_Click(int index);
  void cmdstart_Click(int index);
  void cmdstop_Click();
};

namespace forms {
inline frmsplitsrijenA& frmsplitsrijenA() { return vb::Program::current().form<::frmsplitsrijenA>(); }
}  // namespace forms
