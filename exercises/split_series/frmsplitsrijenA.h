#pragma once
// Split series: the child picks a number from 0 to 10 on a keypad and builds its
// complete series of splits, one line per click on a grid of picture buttons that
// must be clicked in order.

#include <array>

#include "forms/program.h"

class frmsplitsrijenA : public forms::Form {
  Q_OBJECT

 public:
  static constexpr const char* Name = "frmsplitsrijenA";
  frmsplitsrijenA();

  // Panels, drawn behind everything else.
  forms::Shape Shape2{this, "Shape2"};
  forms::Shape Shape1{this, "Shape1"};
  forms::Shape Shape3{this, "Shape3"};
  forms::Shape Shape5{this, "Shape5"};
  forms::Shape Shape4{this, "Shape4"};

  forms::ControlArray<forms::CommandButton> cmdgetal{this, "cmdgetal", 0, 10};
  forms::ControlArray<forms::CommandButton> cmdstart{this, "cmdstart", 0, 10};
  forms::CommandButton cmdstop{this, "cmdstop"};
  forms::ControlArray<forms::Shape> shpbol{this, "shpbol", 0, 10};
  forms::Label lblstartgetal{this, "lblstartgetal"};
  forms::Label lblsplits1{this, "lblsplits1"};
  forms::Label lblsplits2{this, "lblsplits2"};
  forms::Line Line8{this, "Line8"};
  forms::Line Line7{this, "Line7"};
  forms::ControlArray<forms::Label> lblmemo{this, "lblmemo", 0, 0};
  forms::Label lblkies{this, "lblkies"};
  forms::Label Label1{this, "Label1"};
  forms::Label lblgetal{this, "lblgetal"};
  forms::Image Image2{this, "Image2"};

  // One split: first part + second part.
  struct Splitsing {
    int deel1 = 0;
    int deel2 = 0;
  };

  int getal = 0;                          // the chosen number, 0 .. 10
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

namespace screens {
inline frmsplitsrijenA& frmsplitsrijenA() {
  return forms::Program::current().form<::frmsplitsrijenA>();
}
}  // namespace screens
