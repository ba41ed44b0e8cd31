#pragma once
// Number-image splitting: the child picks a number from 2 to 10, then one of its splits
// ("3 + 4"); the screen shows the number image, draws a red cut between the two parts
// and writes the number and its parts in a small split diagram.

#include <array>
#include <memory>
#include <vector>

#include "forms/program.h"

class frmsplitsbeeldB : public forms::Form {
  Q_OBJECT

 public:
  static constexpr const char* Name = "frmsplitsbeeldB";
  frmsplitsbeeldB();

  // One split button: its name and caption, the number it splits and the parts a + b.
  // The buttons are made from a table of these, row by row from 0 + N to N + 0.
  struct Splitsing {
    const char* name;
    const char* caption;
    int n;
    int a;
    int b;
  };

  // Controls, back to front: the windowless ones in their drawing order, then the buttons.
  forms::Shape Shape1{this, "Shape1"};  // orange panel behind the picture
  forms::Shape Shape2{this, "Shape2"};
  forms::Shape Shape3{this, "Shape3"};
  forms::Shape Shape6{this, "Shape6"};
  forms::Shape Shape8{this, "Shape8"};

  forms::Image imgbeeld1{this, "imgbeeld1"};
  forms::Image imgbeeld2{this, "imgbeeld2"};
  forms::Image imgbeeld3{this, "imgbeeld3"};
  forms::Image imgbeeld4{this, "imgbeeld4"};
  forms::Image imgbeeld5{this, "imgbeeld5"};
  forms::Image imgbeeld6{this, "imgbeeld6"};
  forms::Image imgbeeld7{this, "imgbeeld7"};
  forms::Image imgbeeld8{this, "imgbeeld8"};
  forms::Image imgbeeld9{this, "imgbeeld9"};
  forms::Image imgbeeld10{this, "imgbeeld10"};

  // The cut marks: straight cuts 0, 2, ..., 10, then the steps 1, 3, ..., 9.
  forms::Shape shp2a{this, "shp2a"};
  forms::Shape shp2{this, "shp2"};
  forms::Shape shp4{this, "shp4"};
  forms::Shape shp6{this, "shp6"};
  forms::Shape shp8{this, "shp8"};
  forms::Shape shp10{this, "shp10"};
  forms::Shape shp1a{this, "shp1a"};
  forms::Shape shp1b{this, "shp1b"};
  forms::Shape shp3a{this, "shp3a"};
  forms::Shape shp3b{this, "shp3b"};
  forms::Shape shp3c{this, "shp3c"};
  forms::Shape shp5a{this, "shp5a"};
  forms::Shape shp5b{this, "shp5b"};
  forms::Shape shp5c{this, "shp5c"};
  forms::Shape shp7a{this, "shp7a"};
  forms::Shape shp7b{this, "shp7b"};
  forms::Shape shp7c{this, "shp7c"};
  forms::Shape shp9a{this, "shp9a"};
  forms::Shape shp9b{this, "shp9b"};
  forms::Shape shp9c{this, "shp9c"};
  forms::Shape Shape4{this, "Shape4"};  // grey panel behind the number buttons
  forms::Shape Shape5{this, "Shape5"};  // grey panel behind the split buttons

  forms::Label lblles{this, "lblles"};
  forms::Image Image1{this, "Image1"};
  forms::Line Line1{this, "Line1"};
  forms::Line Line2{this, "Line2"};
  forms::Label lblstartgetal{this, "lblstartgetal"};
  forms::Label lblsplits2{this, "lblsplits2"};
  forms::Label lblsplits1{this, "lblsplits1"};

  forms::CommandButton cmd2topplus{this, "cmd2topplus"};
  forms::CommandButton cmd3topplus{this, "cmd3topplus"};
  forms::CommandButton cmd4topplus{this, "cmd4topplus"};
  forms::CommandButton cmd5topplus{this, "cmd5topplus"};
  forms::CommandButton cmd6topplus{this, "cmd6topplus"};
  forms::CommandButton cmd7topplus{this, "cmd7topplus"};
  forms::CommandButton cmd8topplus{this, "cmd8topplus"};
  forms::CommandButton cmd9topplus{this, "cmd9topplus"};
  forms::CommandButton cmd1topplus{this, "cmd1topplus"};  // "10"
  // One button per entry of splitsingen(), in the same order (cmd2 ... cmd10k).
  std::vector<std::unique_ptr<forms::CommandButton>> splitsknoppen = maakSplitsknoppen();
  forms::CommandButton cmdstop2{this, "cmdstop2"};

  // The image of n (1 to 10) and the marks of cut k (0 to 10).
  forms::Image& beeld(int n);
  std::vector<forms::Shape*> strepen(int k);

 protected:
  void Form_Load() override;
  void Form_Activate() override;

 private:
  std::vector<std::unique_ptr<forms::CommandButton>> maakSplitsknoppen();
  // The cut through the image of n that separates a from b, named by the number of
  // squares before it: a for an even n; for an odd n the even one of a and b, so the
  // cut runs straight between whole columns.
  static int snede(int n, int a, int b);

  void verbergknoppen();
  void verbergbeelden();
  void verbergstrepen();

  // cmd2topplus_Click ... cmd9topplus_Click and cmd1topplus_Click: number n.
  void cmdtopplus_Click(int n);
  // cmd2_Click ... cmd10k_Click: one pattern for every split button.
  void cmdsplitsing_Click(const Splitsing& splitsing);
  void cmdstop2_Click();
};

namespace screens {
inline frmsplitsbeeldB& frmsplitsbeeldB() {
  return forms::Program::current().form<::frmsplitsbeeldB>();
}
}  // namespace screens
