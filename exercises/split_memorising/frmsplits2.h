#pragma once
// Split memorising: all splits of one number from 2 to 10. The "LEER " frame lists them
// from 0 + N down to N + 0; the "SPLITS" frame walks through them by itself on a chain of
// timers, the board showing "0 + . ", "1 + . ", ... while the picture frames turn red
// one by one, for the child to say each split aloud.

#include "shell/program.h"

class frmsplits2 : public vb::Form {
  Q_OBJECT

 public:
  static constexpr const char* Name = "frmsplits2";
  frmsplits2();

  // The "LEER " frame: choose a number and read its list of splits.
  vb::Frame frtoonsplits{this, "frtoonsplits"};
  vb::Label lblsplits{&frtoonsplits, "lblsplits"};
  vb::Label lblkeuze{&frtoonsplits, "lblkeuze"};
  vb::Image Image3{&frtoonsplits, "Image3"};
  vb::CommandButton cmd2{&frtoonsplits, "cmd2"};
  vb::CommandButton cmd3{&frtoonsplits, "cmd3"};
  vb::CommandButton cmd4{&frtoonsplits, "cmd4"};
  vb::CommandButton cmd5{&frtoonsplits, "cmd5"};
  vb::CommandButton cmd6{&frtoonsplits, "cmd6"};
  vb::CommandButton cmd7{&frtoonsplits, "cmd7"};
  vb::CommandButton cmd8{&frtoonsplits, "cmd8"};
  vb::CommandButton cmd9{&frtoonsplits, "cmd9"};
  vb::CommandButton cmd10{&frtoonsplits, "cmd10"};
  vb::ControlArray<vb::TextBox> txtcijfersplits{&frtoonsplits, "txtcijfersplits", 0, 10};

  // The "SPLITS" frame: pictures in frames, the board and the timed walk.
  vb::Frame frsplits{this, "frsplits"};
  vb::ControlArray<vb::Shape> shpwaarde{&frsplits, "shpwaarde", 0, 9};
  vb::ControlArray<vb::Image> imgwaarde{&frsplits, "imgwaarde", 0, 9};
  vb::Label lblbord{&frsplits, "lblbord"};
  vb::Shape Shape1{&frsplits, "Shape1"};
  vb::OptionButton opt2{&frsplits, "opt2"};
  vb::OptionButton opt3{&frsplits, "opt3"};
  vb::OptionButton opt4{&frsplits, "opt4"};
  vb::OptionButton opt5{&frsplits, "opt5"};
  vb::OptionButton opt6{&frsplits, "opt6"};
  vb::OptionButton opt7{&frsplits, "opt7"};
  vb::OptionButton opt8{&frsplits, "opt8"};
  vb::OptionButton opt9{&frsplits, "opt9"};
  vb::OptionButton opt10{&frsplits, "opt10"};
  vb::Label lblinfor{&frsplits, "lblinfor"};
  vb::Label lblsplits2{&frsplits, "lblsplits2"};
  vb::Timer tmr0{&frsplits, "tmr0", 10};
  vb::Timer tmr1{&frsplits, "tmr1", 1250};
  vb::Timer tmr2{&frsplits, "tmr2", 2500};
  vb::Timer tmr3{&frsplits, "tmr3", 3750};
  vb::Timer tmr4{&frsplits, "tmr4", 5000};
  vb::Timer tmr5{&frsplits, "tmr5", 6250};
  vb::Timer tmr6{&frsplits, "tmr6", 7500};
  vb::Timer tmr7{&frsplits, "tmr7", 8750};
  vb::Timer tmr8{&frsplits, "tmr8", 10000};
  vb::Timer tmr9{&frsplits, "tmr9", 11250};
  vb::Timer tmr10{&frsplits, "tmr10", 12500};
  vb::Timer tmr11{&frsplits, "tmr11", 13750};

  vb::CommandButton cmdstop2{this, "cmdstop2"};
  vb::Image Image1{this, "Image1"};
  vb::Shape Shape2{this, "Shape2"};
  vb::Shape Shape3{this, "Shape3"};
  vb::Shape Shape6{this, "Shape6"};
  vb::Shape Shape4{this, "Shape4"};
  vb::Shape Shape5{this, "Shape5"};
  vb::Shape Shape8{this, "Shape8"};

  // The learning buttons cmd2 ... cmd10, the options opt2 ... opt10, the timers tmr0 ...
  // tmr11, by their number.
  vb::CommandButton& cmd(int n);
  vb::OptionButton& opt(int n);
  vb::Timer& tmr(int k);

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

namespace forms {
inline frmsplits2& frmsplits2() {
  return vb::Program::current().form<::frmsplits2>();
}
}  // namespace forms
