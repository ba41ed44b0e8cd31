#pragma once
// The split machine ("SPLITSMACHINE"): the child picks a number from 3 to 10, that many
// green balls drop through a drawn machine into two covered bins, the left lid opens on
// a random part and the child types the hidden rest and checks it with the car. START
// repeats the number with a new split; the first stop button ends the number, the
// second (uncovered by the first) returns to the chooser.

#include "forms/program.h"

class frmsplitsmachine : public forms::Form {
  Q_OBJECT

 public:
  static constexpr const char* Name = "frmsplitsmachine";
  frmsplitsmachine();

  // Buttons and the answer box (above every label, image, shape and line).
  forms::CommandButton cmd3{this, "cmd3"};
  forms::CommandButton cmd4{this, "cmd4"};
  forms::CommandButton cmd5{this, "cmd5"};
  forms::CommandButton cmd6{this, "cmd6"};
  forms::CommandButton cmd7{this, "cmd7"};
  forms::CommandButton cmd8{this, "cmd8"};
  forms::CommandButton cmd9{this, "cmd9"};
  forms::CommandButton cmd10{this, "cmd10"};
  forms::CommandButton cmdnieuw3{this, "cmdnieuw3"};
  forms::CommandButton cmdnieuw4{this, "cmdnieuw4"};
  forms::CommandButton cmdnieuw5{this, "cmdnieuw5"};
  forms::CommandButton cmdnieuw6{this, "cmdnieuw6"};
  forms::CommandButton cmdnieuw7{this, "cmdnieuw7"};
  forms::CommandButton cmdnieuw8{this, "cmdnieuw8"};
  forms::CommandButton cmdnieuw9{this, "cmdnieuw9"};
  forms::CommandButton cmdnieuw10{this, "cmdnieuw10"};
  forms::CommandButton cmdcontrole{this, "cmdcontrole"};
  // cmdstop comes first so that cmdstop1, on the same spot, is drawn above it.
  forms::CommandButton cmdstop{this, "cmdstop"};
  forms::CommandButton cmdstop1{this, "cmdstop1"};
  forms::TextBox txtmult2{this, "txtmult2"};

  // Labels.
  forms::Label lblcijfer{this, "lblcijfer"};
  forms::Label lblmult1{this, "lblmult1"};
  forms::Label lblles2{this, "lblles2"};
  forms::Label lblles{this, "lblles"};

  // Lines and shapes: the split tree, the machine's outline, the lids and the panels.
  forms::Line Line15{this, "Line15"};
  forms::Line Line16{this, "Line16"};
  forms::Line Line1{this, "Line1"};
  forms::Line Line2{this, "Line2"};
  forms::Line Line3{this, "Line3"};
  forms::Line Line4{this, "Line4"};
  forms::Line Line5{this, "Line5"};
  forms::Line Line6{this, "Line6"};
  forms::Line Line7{this, "Line7"};
  forms::Line Line8{this, "Line8"};
  forms::Line Line9{this, "Line9"};
  forms::Line Line10{this, "Line10"};
  forms::Line Line11{this, "Line11"};
  forms::Line Line12{this, "Line12"};
  forms::Line Line13{this, "Line13"};
  forms::Line Line14{this, "Line14"};
  forms::Shape shpbaklinks{this, "shpbaklinks"};
  forms::Shape shpbakrechts{this, "shpbakrechts"};
  forms::Shape Shape1{this, "Shape1"};
  forms::Shape Shape2{this, "Shape2"};
  forms::Shape Shape4{this, "Shape4"};
  forms::Shape Shape3{this, "Shape3"};

  // Images: the balls (hopper 0-9, shaft 10-19, 20 never shown, left bin 21-30, right
  // bin 31-40), the eyes, the number images and the logo.
  forms::ControlArray<forms::Image> imgbol{this, "imgbol", 0, 40};
  forms::Image imgoogtoe{this, "imgoogtoe"};
  forms::Image imgoogopen{this, "imgoogopen"};
  forms::Image imgbeeld3{this, "imgbeeld3"};
  forms::Image imgbeeld4{this, "imgbeeld4"};
  forms::Image imgbeeld5{this, "imgbeeld5"};
  forms::Image imgbeeld6{this, "imgbeeld6"};
  forms::Image imgbeeld7{this, "imgbeeld7"};
  forms::Image imgbeeld8{this, "imgbeeld8"};
  forms::Image imgbeeld9{this, "imgbeeld9"};
  forms::Image imgbeeld10{this, "imgbeeld10"};
  forms::Image Image2{this, "Image2"};

  // Timers: ball k drops at 250 + 50 k ms; the lid, the end of the run, the eye.
  forms::Timer tmr1{this, "tmr1", 300};
  forms::Timer tmr2{this, "tmr2", 350};
  forms::Timer tmr3{this, "tmr3", 400};
  forms::Timer tmr4{this, "tmr4", 450};
  forms::Timer tmr5{this, "tmr5", 500};
  forms::Timer tmr6{this, "tmr6", 550};
  forms::Timer tmr7{this, "tmr7", 600};
  forms::Timer tmr8{this, "tmr8", 650};
  forms::Timer tmr9{this, "tmr9", 700};
  forms::Timer tmr10{this, "tmr10", 750};
  forms::Timer tmrbak1{this, "tmrbak1", 700};
  forms::Timer tmreinde{this, "tmreinde", 800};
  forms::Timer tmroogopen{this, "tmroogopen", 200};

  // The number being split, the part in the left bin, the hidden part.
  qint16 getal = 0;
  qint16 deel = 0;
  qint16 rest = 0;

  // The buttons, number images and ball timers by number.
  forms::CommandButton& cmd(int N);
  forms::CommandButton& cmdnieuw(int N);
  forms::Image& imgbeeld(int N);
  forms::Timer& tmr(int k);

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

namespace screens {
inline frmsplitsmachine& frmsplitsmachine() {
  return forms::Program::current().form<::frmsplitsmachine>();
}
}  // namespace screens
