#pragma once
// Look and split: the child picks a number from 3 to 10, sees its dots split at random
// into two groups, clicks the digit of each group, and sees the split written as a
// diagram and as two sums, judged with colours and rewarded with a cartoon figure.

#include <array>

#include "shell/program.h"

class frmsplits1 : public vb::Form {
  Q_OBJECT

 public:
  static constexpr const char* Name = "frmsplits1";
  frmsplits1();

  // Buttons.
  vb::CommandButton cmdstop{this, "cmdstop"};
  vb::CommandButton cmdkies{this, "cmdkies"};
  vb::CommandButton cmdallesweg{this, "cmdallesweg"};
  vb::CommandButton cmddrie{this, "cmddrie"};
  vb::CommandButton cmdvier{this, "cmdvier"};
  vb::CommandButton cmdvijf{this, "cmdvijf"};
  vb::CommandButton cmdzes{this, "cmdzes"};
  vb::CommandButton cmdzeven{this, "cmdzeven"};
  vb::CommandButton cmdacht{this, "cmdacht"};
  vb::CommandButton cmdnegen{this, "cmdnegen"};
  vb::CommandButton cmdtien{this, "cmdtien"};
  vb::CommandButton cmdlinks0{this, "cmdlinks0"};
  vb::CommandButton cmdlinks1{this, "cmdlinks1"};
  vb::CommandButton cmdlinks2{this, "cmdlinks2"};
  vb::CommandButton cmdlinks3{this, "cmdlinks3"};
  vb::CommandButton cmdlinks4{this, "cmdlinks4"};
  vb::CommandButton cmdlinks5{this, "cmdlinks5"};
  vb::CommandButton cmdlinks6{this, "cmdlinks6"};
  vb::CommandButton cmdlinks7{this, "cmdlinks7"};
  vb::CommandButton cmdlinks8{this, "cmdlinks8"};
  vb::CommandButton cmdlinks9{this, "cmdlinks9"};
  vb::CommandButton cmdlinks10{this, "cmdlinks10"};
  vb::CommandButton cmdrechts0{this, "cmdrechts0"};
  vb::CommandButton cmdrechts1{this, "cmdrechts1"};
  vb::CommandButton cmdrechts2{this, "cmdrechts2"};
  vb::CommandButton cmdrechts3{this, "cmdrechts3"};
  vb::CommandButton cmdrechts4{this, "cmdrechts4"};
  vb::CommandButton cmdrechts5{this, "cmdrechts5"};
  vb::CommandButton cmdrechts6{this, "cmdrechts6"};
  vb::CommandButton cmdrechts7{this, "cmdrechts7"};
  vb::CommandButton cmdrechts8{this, "cmdrechts8"};
  vb::CommandButton cmdrechts9{this, "cmdrechts9"};
  vb::CommandButton cmdrechts10{this, "cmdrechts10"};

  // Pictures.
  vb::Image imgdrie{this, "imgdrie"};
  vb::Image imgvier{this, "imgvier"};
  vb::Image imgvijf{this, "imgvijf"};
  vb::Image imgzes{this, "imgzes"};
  vb::Image imgzeven{this, "imgzeven"};
  vb::Image imgacht{this, "imgacht"};
  vb::Image imgnegen{this, "imgnegen"};
  vb::Image imgtien{this, "imgtien"};
  vb::ControlArray<vb::Image> imgboltotaal{this, "imgboltotaal", 0, 9};
  vb::ControlArray<vb::Image> imgbol{this, "imgbol", 0, 9};
  vb::ControlArray<vb::Image> imgbolrest{this, "imgbolrest", 0, 9};
  vb::ControlArray<vb::Image> imgpop{this, "imgpop", 0, 7};
  vb::Image Image1{this, "Image1"};

  // Labels of the split diagram, the two sums, the two digits and the hidden holders.
  vb::Label lblstartgetal{this, "lblstartgetal"};
  vb::Label lblsplits1{this, "lblsplits1"};
  vb::Label lblsplits2{this, "lblsplits2"};
  vb::Label lblsom1{this, "lblsom1"};
  vb::Label lblgelijk1{this, "lblgelijk1"};
  vb::Label lbleen{this, "lbleen"};
  vb::Label lblplus{this, "lblplus"};
  vb::Label lbltwee{this, "lbltwee"};
  vb::Label lbleenb{this, "lbleenb"};
  vb::Label lblplusb{this, "lblplusb"};
  vb::Label lbltweeb{this, "lbltweeb"};
  vb::Label lblgelijk2{this, "lblgelijk2"};
  vb::Label lblsom2{this, "lblsom2"};
  vb::Label lblgetal1{this, "lblgetal1"};
  vb::Label lblplus2{this, "lblplus2"};
  vb::Label lblgetal2{this, "lblgetal2"};
  vb::Label lblhint{this, "lblhint"};
  vb::Label lblmult1{this, "lblmult1"};
  vb::Label lblmult2{this, "lblmult2"};

  // Lines: the legs of the diagram and of the dots, and the two not-equals strokes.
  vb::Line Line1{this, "Line1"};
  vb::Line Line2{this, "Line2"};
  vb::Line Line3{this, "Line3"};
  vb::Line Line4{this, "Line4"};
  vb::Line lineongelijk1{this, "lineongelijk1"};
  vb::Line lineongelijk2{this, "lineongelijk2"};

  // Frames.
  vb::Shape Shape3{this, "Shape3"};
  vb::Shape Shape1{this, "Shape1"};
  vb::Shape Shape2{this, "Shape2"};
  vb::Shape shprand{this, "shprand"};
  vb::Shape Shape4{this, "Shape4"};
  vb::Shape Shape5{this, "Shape5"};
  vb::Shape Shape6{this, "Shape6"};

  // The drawn split and the reward drawn (form-level variables).
  int deel1 = 0;
  int deel2 = 0;
  int beloning = 0;

 protected:
  void Form_Load() override;

 private:
  // The number buttons and pictures of 3 .. 10, and the two rows of digit keys 0 .. 10.
  const std::array<vb::CommandButton*, 8> getalknoppen{&cmddrie,  &cmdvier, &cmdvijf,  &cmdzes,
                                                       &cmdzeven, &cmdacht, &cmdnegen, &cmdtien};
  const std::array<vb::Image*, 8> prenten{&imgdrie,  &imgvier, &imgvijf,  &imgzes,
                                          &imgzeven, &imgacht, &imgnegen, &imgtien};
  const std::array<vb::CommandButton*, 11> links{&cmdlinks0, &cmdlinks1, &cmdlinks2, &cmdlinks3,
                                                 &cmdlinks4, &cmdlinks5, &cmdlinks6, &cmdlinks7,
                                                 &cmdlinks8, &cmdlinks9, &cmdlinks10};
  const std::array<vb::CommandButton*, 11> rechts{
      &cmdrechts0, &cmdrechts1, &cmdrechts2, &cmdrechts3, &cmdrechts4, &cmdrechts5,
      &cmdrechts6, &cmdrechts7, &cmdrechts8, &cmdrechts9, &cmdrechts10};
  vb::CommandButton& getalknop(int n) { return *getalknoppen.at(n - 3); }

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
  void cmdlinks_Click(const vb::CommandButton& key);
  void cmdrechts_Click(const vb::CommandButton& key);
  void cmdallesweg_Click();
  void cmdkies_Click();
  void cmdstop_Click();
};

namespace forms {
inline frmsplits1& frmsplits1() {
  return vb::Program::current().form<::frmsplits1>();
}
}  // namespace forms
