#pragma once
// The split machine ("SPLITSMACHINE"): the child picks a number from 3 to 10, that many
// green balls drop through a drawn machine into two covered bins, the left lid opens on
// a random part and the child types the hidden rest and checks it with the car. START
// repeats the number with a new split; the first stop button ends the number, the
// second (uncovered by the first) returns to the chooser.

#include "shell/program.h"

class frmsplitsmachine : public vb::Form {
  Q_OBJECT

 public:
  static constexpr const char* Name = "frmsplitsmachine";
  frmsplitsmachine();

  // Buttons and the answer box (above every label, image, shape and line).
  vb::CommandButton cmd3{this, "cmd3"};
  vb::CommandButton cmd4{this, "cmd4"};
  vb::CommandButton cmd5{this, "cmd5"};
  vb::CommandButton cmd6{this, "cmd6"};
  vb::CommandButton cmd7{this, "cmd7"};
  vb::CommandButton cmd8{this, "cmd8"};
  vb::CommandButton cmd9{this, "cmd9"};
  vb::CommandButton cmd10{this, "cmd10"};
  vb::CommandButton cmdnieuw3{this, "cmdnieuw3"};
  vb::CommandButton cmdnieuw4{this, "cmdnieuw4"};
  vb::CommandButton cmdnieuw5{this, "cmdnieuw5"};
  vb::CommandButton cmdnieuw6{this, "cmdnieuw6"};
  vb::CommandButton cmdnieuw7{this, "cmdnieuw7"};
  vb::CommandButton cmdnieuw8{this, "cmdnieuw8"};
  vb::CommandButton cmdnieuw9{this, "cmdnieuw9"};
  vb::CommandButton cmdnieuw10{this, "cmdnieuw10"};
  vb::CommandButton cmdcontrole{this, "cmdcontrole"};
  // cmdstop comes first so that cmdstop1, on the same spot, is drawn above it.
  vb::CommandButton cmdstop{this, "cmdstop"};
  vb::CommandButton cmdstop1{this, "cmdstop1"};
  vb::TextBox txtmult2{this, "txtmult2"};

  // Labels.
  vb::Label lblcijfer{this, "lblcijfer"};
  vb::Label lblmult1{this, "lblmult1"};
  vb::Label lblles2{this, "lblles2"};
  vb::Label lblles{this, "lblles"};

  // Lines and shapes: the split tree, the machine's outline, the lids and the panels.
  vb::Line Line15{this, "Line15"};
  vb::Line Line16{this, "Line16"};
  vb::Line Line1{this, "Line1"};
  vb::Line Line2{this, "Line2"};
  vb::Line Line3{this, "Line3"};
  vb::Line Line4{this, "Line4"};
  vb::Line Line5{this, "Line5"};
  vb::Line Line6{this, "Line6"};
  vb::Line Line7{this, "Line7"};
  vb::Line Line8{this, "Line8"};
  vb::Line Line9{this, "Line9"};
  vb::Line Line10{this, "Line10"};
  vb::Line Line11{this, "Line11"};
  vb::Line Line12{this, "Line12"};
  vb::Line Line13{this, "Line13"};
  vb::Line Line14{this, "Line14"};
  vb::Shape shpbaklinks{this, "shpbaklinks"};
  vb::Shape shpbakrechts{this, "shpbakrechts"};
  vb::Shape Shape1{this, "Shape1"};
  vb::Shape Shape2{this, "Shape2"};
  vb::Shape Shape4{this, "Shape4"};
  vb::Shape Shape3{this, "Shape3"};

  // Images: the balls (hopper 0-9, shaft 10-19, 20 never shown, left bin 21-30, right
  // bin 31-40), the eyes, the number images and the logo.
  vb::ControlArray<vb::Image> imgbol{this, "imgbol", 0, 40};
  vb::Image imgoogtoe{this, "imgoogtoe"};
  vb::Image imgoogopen{this, "imgoogopen"};
  vb::Image imgbeeld3{this, "imgbeeld3"};
  vb::Image imgbeeld4{this, "imgbeeld4"};
  vb::Image imgbeeld5{this, "imgbeeld5"};
  vb::Image imgbeeld6{this, "imgbeeld6"};
  vb::Image imgbeeld7{this, "imgbeeld7"};
  vb::Image imgbeeld8{this, "imgbeeld8"};
  vb::Image imgbeeld9{this, "imgbeeld9"};
  vb::Image imgbeeld10{this, "imgbeeld10"};
  vb::Image Image2{this, "Image2"};

  // Timers: ball k drops at 250 + 50 k ms; the lid, the end of the run, the eye.
  vb::Timer tmr1{this, "tmr1", 300};
  vb::Timer tmr2{this, "tmr2", 350};
  vb::Timer tmr3{this, "tmr3", 400};
  vb::Timer tmr4{this, "tmr4", 450};
  vb::Timer tmr5{this, "tmr5", 500};
  vb::Timer tmr6{this, "tmr6", 550};
  vb::Timer tmr7{this, "tmr7", 600};
  vb::Timer tmr8{this, "tmr8", 650};
  vb::Timer tmr9{this, "tmr9", 700};
  vb::Timer tmr10{this, "tmr10", 750};
  vb::Timer tmrbak1{this, "tmrbak1", 700};
  vb::Timer tmreinde{this, "tmreinde", 800};
  vb::Timer tmroogopen{this, "tmroogopen", 200};

  // The number being split, the part in the left bin, the hidden part.
  qint16 getal = 0;
  qint16 deel = 0;
  qint16 rest = 0;

  // The buttons, number images and ball timers by number.
  vb::CommandButton& cmd(int N);
  vb::CommandButton& cmdnieuw(int N);
  vb::Image& imgbeeld(int N);
  vb::Timer& tmr(int k);

 protected:
  void Form_Load() override;
  void Form_Activate() override;

 private:
  // Procedures.
  void ballenweg();
  void toonlinks();
  void toonrechts();
  void timersuit();
  void toonbeeld();
  void beeldenweg();
  void cijfersuit();
  void cijfersaan();
  void toonstart();
  void startweg();
  void startfocus();
  void nieuweronde();
  void herstel();
  // The two halves that both ways of starting a turn share.
  void trekking(int N);     // the draw: getal, deel, rest
  void balleninzet(int N);  // starting the run

  // Handlers.
  void cmdN_Click(int N);       // cmd3 ... cmd10
  void cmdnieuwN_Click(int N);  // cmdnieuw3 ... cmdnieuw10 (START)
  void tmrk_Timer(int k);       // tmr1 ... tmr10
  void tmrbak1_Timer();
  void tmreinde_Timer();
  void tmroogopen_Timer();
  void cmdcontrole_Click();
  void txtmult2_Change();
  void cmdstop1_Click();
  void cmdstop_Click();
};

namespace forms {
inline frmsplitsmachine& frmsplitsmachine() {
  return vb::Program::current().form<::frmsplitsmachine>();
}
}  // namespace forms
