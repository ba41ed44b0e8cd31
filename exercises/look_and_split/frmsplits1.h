#pragma once
// Look and split: the child picks a number from 3 to 10, sees its dots split at random
// into two groups, clicks the digit of each group, and sees the split written as a
// diagram and as two sums, judged with colours and rewarded with a cartoon figure.

#include <array>

#include "forms/program.h"

class frmsplits1 : public forms::Form {
  Q_OBJECT

 public:
  static constexpr const char* Name = "frmsplits1";
  frmsplits1();

  // Buttons.
  forms::CommandButton cmdstop{this, "cmdstop"};
  forms::CommandButton cmdkies{this, "cmdkies"};
  forms::CommandButton cmdallesweg{this, "cmdallesweg"};
  forms::CommandButton cmddrie{this, "cmddrie"};
  forms::CommandButton cmdvier{this, "cmdvier"};
  forms::CommandButton cmdvijf{this, "cmdvijf"};
  forms::CommandButton cmdzes{this, "cmdzes"};
  forms::CommandButton cmdzeven{this, "cmdzeven"};
  forms::CommandButton cmdacht{this, "cmdacht"};
  forms::CommandButton cmdnegen{this, "cmdnegen"};
  forms::CommandButton cmdtien{this, "cmdtien"};
  forms::CommandButton cmdlinks0{this, "cmdlinks0"};
  forms::CommandButton cmdlinks1{this, "cmdlinks1"};
  forms::CommandButton cmdlinks2{this, "cmdlinks2"};
  forms::CommandButton cmdlinks3{this, "cmdlinks3"};
  forms::CommandButton cmdlinks4{this, "cmdlinks4"};
  forms::CommandButton cmdlinks5{this, "cmdlinks5"};
  forms::CommandButton cmdlinks6{this, "cmdlinks6"};
  forms::CommandButton cmdlinks7{this, "cmdlinks7"};
  forms::CommandButton cmdlinks8{this, "cmdlinks8"};
  forms::CommandButton cmdlinks9{this, "cmdlinks9"};
  forms::CommandButton cmdlinks10{this, "cmdlinks10"};
  forms::CommandButton cmdrechts0{this, "cmdrechts0"};
  forms::CommandButton cmdrechts1{this, "cmdrechts1"};
  forms::CommandButton cmdrechts2{this, "cmdrechts2"};
  forms::CommandButton cmdrechts3{this, "cmdrechts3"};
  forms::CommandButton cmdrechts4{this, "cmdrechts4"};
  forms::CommandButton cmdrechts5{this, "cmdrechts5"};
  forms::CommandButton cmdrechts6{this, "cmdrechts6"};
  forms::CommandButton cmdrechts7{this, "cmdrechts7"};
  forms::CommandButton cmdrechts8{this, "cmdrechts8"};
  forms::CommandButton cmdrechts9{this, "cmdrechts9"};
  forms::CommandButton cmdrechts10{this, "cmdrechts10"};

  // Pictures.
  forms::Image imgdrie{this, "imgdrie"};
  forms::Image imgvier{this, "imgvier"};
  forms::Image imgvijf{this, "imgvijf"};
  forms::Image imgzes{this, "imgzes"};
  forms::Image imgzeven{this, "imgzeven"};
  forms::Image imgacht{this, "imgacht"};
  forms::Image imgnegen{this, "imgnegen"};
  forms::Image imgtien{this, "imgtien"};
  forms::ControlArray<forms::Image> imgboltotaal{this, "imgboltotaal", 0, 9};
  forms::ControlArray<forms::Image> imgbol{this, "imgbol", 0, 9};
  forms::ControlArray<forms::Image> imgbolrest{this, "imgbolrest", 0, 9};
  forms::ControlArray<forms::Image> imgpop{this, "imgpop", 0, 7};
  forms::Image Image1{this, "Image1"};

  // Labels of the split diagram, the two sums, the two digits and the hidden holders.
  forms::Label lblstartgetal{this, "lblstartgetal"};
  forms::Label lblsplits1{this, "lblsplits1"};
  forms::Label lblsplits2{this, "lblsplits2"};
  forms::Label lblsom1{this, "lblsom1"};
  forms::Label lblgelijk1{this, "lblgelijk1"};
  forms::Label lbleen{this, "lbleen"};
  forms::Label lblplus{this, "lblplus"};
  forms::Label lbltwee{this, "lbltwee"};
  forms::Label lbleenb{this, "lbleenb"};
  forms::Label lblplusb{this, "lblplusb"};
  forms::Label lbltweeb{this, "lbltweeb"};
  forms::Label lblgelijk2{this, "lblgelijk2"};
  forms::Label lblsom2{this, "lblsom2"};
  forms::Label lblgetal1{this, "lblgetal1"};
  forms::Label lblplus2{this, "lblplus2"};
  forms::Label lblgetal2{this, "lblgetal2"};
  forms::Label lblhint{this, "lblhint"};
  forms::Label lblmult1{this, "lblmult1"};
  forms::Label lblmult2{this, "lblmult2"};

  // Lines: the legs of the diagram and of the dots, and the two not-equals strokes.
  forms::Line Line1{this, "Line1"};
  forms::Line Line2{this, "Line2"};
  forms::Line Line3{this, "Line3"};
  forms::Line Line4{this, "Line4"};
  forms::Line lineongelijk1{this, "lineongelijk1"};
  forms::Line lineongelijk2{this, "lineongelijk2"};

  // Frames.
  forms::Shape Shape3{this, "Shape3"};
  forms::Shape Shape1{this, "Shape1"};
  forms::Shape Shape2{this, "Shape2"};
  forms::Shape shprand{this, "shprand"};
  forms::Shape Shape4{this, "Shape4"};
  forms::Shape Shape5{this, "Shape5"};
  forms::Shape Shape6{this, "Shape6"};

  // The drawn split and the reward drawn (form-level variables).
  int deel1 = 0;
  int deel2 = 0;
  int beloning = 0;

 protected:
  void Form_Load() override;

 private:
  // The number buttons and pictures of 3 .. 10, and the two rows of digit keys 0 .. 10.
  const std::array<forms::CommandButton*, 8> getalknoppen{&cmddrie,  &cmdvier, &cmdvijf,  &cmdzes,
                                                          &cmdzeven, &cmdacht, &cmdnegen, &cmdtien};
  const std::array<forms::Image*, 8> prenten{&imgdrie,  &imgvier, &imgvijf,  &imgzes,
                                             &imgzeven, &imgacht, &imgnegen, &imgtien};
  const std::array<forms::CommandButton*, 11> links{&cmdlinks0, &cmdlinks1, &cmdlinks2, &cmdlinks3,
                                                    &cmdlinks4, &cmdlinks5, &cmdlinks6, &cmdlinks7,
                                                    &cmdlinks8, &cmdlinks9, &cmdlinks10};
  const std::array<forms::CommandButton*, 11> rechts{
      &cmdrechts0, &cmdrechts1, &cmdrechts2, &cmdrechts3, &cmdrechts4, &cmdrechts5,
      &cmdrechts6, &cmdrechts7, &cmdrechts8, &cmdrechts9, &cmdrechts10};
  forms::CommandButton& getalknop(int n) { return *getalknoppen.at(n - 3); }

  // Procedures.
  void toontoetsen(int n);
  void verbergtoetsen();
  void verberglinks();
  void verbergrechts();
  void rechtsaan();
  void verberggetalknoppen();
  void toonzelfdegetal();
  void toonplussen();
  void verbergplussen();
  void wisbewerkingen();
  void toonbewerkingen();
  void toonprenten();
  void verbergprenten();
  void toonbenen();
  void verbergbenen();
  void wisalles();

  // Judging.
  void controleerlinks();
  void controleerrechts();
  void toonbeloning();
  void herstelkleuren();

  // Handlers. The eight number pictures (imgdrie_Click .. imgtien_Click) share one body,
  // as do the eight number buttons (cmddrie_Click .. cmdtien_Click), the eleven left keys
  // (cmdlinks0_Click .. cmdlinks10_Click) and the eleven right keys.
  void imggetal_Click(int n);
  void cmdgetal_Click(int n);
  void cmdlinks_Click(const forms::CommandButton& key);
  void cmdrechts_Click(const forms::CommandButton& key);
  void cmdallesweg_Click();
  void cmdkies_Click();
  void cmdstop_Click();
};

namespace screens {
inline frmsplits1& frmsplits1() {
  return forms::Program::current().form<::frmsplits1>();
}
}  // namespace screens
