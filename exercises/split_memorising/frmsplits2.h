#pragma once
// Split memorising: all splits of one number from 2 to 10. The "LEER " frame lists them
// from 0 + N down to N + 0; the "SPLITS" frame walks through them by itself on a chain of
// timers, the board showing "0 + . ", "1 + . ", ... while the picture frames turn red
// one by one, for the child to say each split aloud.

#include "forms/program.h"

class frmsplits2 : public forms::Form {
  Q_OBJECT

 public:
  static constexpr const char* Name = "frmsplits2";
  frmsplits2();

  // The "LEER " frame: choose a number and read its list of splits.
  forms::Frame frtoonsplits{this, "frtoonsplits"};
  forms::Label lblsplits{&frtoonsplits, "lblsplits"};
  forms::Label lblkeuze{&frtoonsplits, "lblkeuze"};
  forms::Image Image3{&frtoonsplits, "Image3"};
  forms::CommandButton cmd2{&frtoonsplits, "cmd2"};
  forms::CommandButton cmd3{&frtoonsplits, "cmd3"};
  forms::CommandButton cmd4{&frtoonsplits, "cmd4"};
  forms::CommandButton cmd5{&frtoonsplits, "cmd5"};
  forms::CommandButton cmd6{&frtoonsplits, "cmd6"};
  forms::CommandButton cmd7{&frtoonsplits, "cmd7"};
  forms::CommandButton cmd8{&frtoonsplits, "cmd8"};
  forms::CommandButton cmd9{&frtoonsplits, "cmd9"};
  forms::CommandButton cmd10{&frtoonsplits, "cmd10"};
  forms::ControlArray<forms::TextBox> txtcijfersplits{&frtoonsplits, "txtcijfersplits", 0, 10};

  // The "SPLITS" frame: pictures in frames, the board and the timed walk.
  forms::Frame frsplits{this, "frsplits"};
  forms::ControlArray<forms::Shape> shpwaarde{&frsplits, "shpwaarde", 0, 9};
  forms::ControlArray<forms::Image> imgwaarde{&frsplits, "imgwaarde", 0, 9};
  forms::Label lblbord{&frsplits, "lblbord"};
  forms::Shape Shape1{&frsplits, "Shape1"};
  forms::OptionButton opt2{&frsplits, "opt2"};
  forms::OptionButton opt3{&frsplits, "opt3"};
  forms::OptionButton opt4{&frsplits, "opt4"};
  forms::OptionButton opt5{&frsplits, "opt5"};
  forms::OptionButton opt6{&frsplits, "opt6"};
  forms::OptionButton opt7{&frsplits, "opt7"};
  forms::OptionButton opt8{&frsplits, "opt8"};
  forms::OptionButton opt9{&frsplits, "opt9"};
  forms::OptionButton opt10{&frsplits, "opt10"};
  forms::Label lblinfor{&frsplits, "lblinfor"};
  forms::Label lblsplits2{&frsplits, "lblsplits2"};
  forms::Timer tmr0{&frsplits, "tmr0", 10};
  forms::Timer tmr1{&frsplits, "tmr1", 1250};
  forms::Timer tmr2{&frsplits, "tmr2", 2500};
  forms::Timer tmr3{&frsplits, "tmr3", 3750};
  forms::Timer tmr4{&frsplits, "tmr4", 5000};
  forms::Timer tmr5{&frsplits, "tmr5", 6250};
  forms::Timer tmr6{&frsplits, "tmr6", 7500};
  forms::Timer tmr7{&frsplits, "tmr7", 8750};
  forms::Timer tmr8{&frsplits, "tmr8", 10000};
  forms::Timer tmr9{&frsplits, "tmr9", 11250};
  forms::Timer tmr10{&frsplits, "tmr10", 12500};
  forms::Timer tmr11{&frsplits, "tmr11", 13750};

  forms::CommandButton cmdstop2{this, "cmdstop2"};
  forms::Image Image1{this, "Image1"};
  forms::Shape Shape2{this, "Shape2"};
  forms::Shape Shape3{this, "Shape3"};
  forms::Shape Shape6{this, "Shape6"};
  forms::Shape Shape4{this, "Shape4"};
  forms::Shape Shape5{this, "Shape5"};
  forms::Shape Shape8{this, "Shape8"};

  // The learning buttons cmd2 ... cmd10, the options opt2 ... opt10, the timers tmr0 ...
  // tmr11, by their number.
  forms::CommandButton& cmd(int n);
  forms::OptionButton& opt(int n);
  forms::Timer& tmr(int k);

 protected:
  void Form_Load() override;

 private:
  void herstelkaders();
  void verbergkaders();
  void toonkaders(int n);
  void vulsplitslijst();
  void wiskeuze();
  void toonplaatjes(int n);

  void cmd_Click(int n);  // Click of cmd2 ... cmd10
  void opt_Click(int n);  // Click of opt2 ... opt10
  void tmr0_Timer();
  void tmr1_Timer();
  void tmr_Timer(int k);  // Timer of tmr2 ... tmr10
  void cmdstop2_Click();
};

namespace screens {
inline frmsplits2& frmsplits2() {
  return forms::Program::current().form<::frmsplits2>();
}
}  // namespace screens
