#pragma once
// Number-image splitting: the child picks a number from 2 to 10, then one of its splits
// ("3 + 4"); the screen shows the number image, draws a red cut between the two parts
// and writes the number and its parts in a small split diagram.

#include <array>
#include <memory>
#include <vector>

#include "shell/program.h"

class frmsplitsbeeldB : public vb::Form {
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
  vb::Shape Shape1{this, "Shape1"};  // orange panel behind the picture
  vb::Shape Shape2{this, "Shape2"};
  vb::Shape Shape3{this, "Shape3"};
  vb::Shape Shape6{this, "Shape6"};
  vb::Shape Shape8{this, "Shape8"};

  vb::Image imgbeeld1{this, "imgbeeld1"};
  vb::Image imgbeeld2{this, "imgbeeld2"};
  vb::Image imgbeeld3{this, "imgbeeld3"};
  vb::Image imgbeeld4{this, "imgbeeld4"};
  vb::Image imgbeeld5{this, "imgbeeld5"};
  vb::Image imgbeeld6{this, "imgbeeld6"};
  vb::Image imgbeeld7{this, "imgbeeld7"};
  vb::Image imgbeeld8{this, "imgbeeld8"};
  vb::Image imgbeeld9{this, "imgbeeld9"};
  vb::Image imgbeeld10{this, "imgbeeld10"};

  // The cut marks: straight cuts 0, 2, ..., 10, then the steps 1, 3, ..., 9.
  vb::Shape shp2a{this, "shp2a"};
  vb::Shape shp2{this, "shp2"};
  vb::Shape shp4{this, "shp4"};
  vb::Shape shp6{this, "shp6"};
  vb::Shape shp8{this, "shp8"};
  vb::Shape shp10{this, "shp10"};
  vb::Shape shp1a{this, "shp1a"};
  vb::Shape shp1b{this, "shp1b"};
  vb::Shape shp3a{this, "shp3a"};
  vb::Shape shp3b{this, "shp3b"};
  vb::Shape shp3c{this, "shp3c"};
  vb::Shape shp5a{this, "shp5a"};
  vb::Shape shp5b{this, "shp5b"};
  vb::Shape shp5c{this, "shp5c"};
  vb::Shape shp7a{this, "shp7a"};
  vb::Shape shp7b{this, "shp7b"};
  vb::Shape shp7c{this, "shp7c"};
  vb::Shape shp9a{this, "shp9a"};
  vb::Shape shp9b{this, "shp9b"};
  vb::Shape shp9c{this, "shp9c"};
  vb::Shape Shape4{this, "Shape4"};  // grey panel behind the number buttons
  vb::Shape Shape5{this, "Shape5"};  // grey panel behind the split buttons

  vb::Label lblles{this, "lblles"};
  vb::Image Image1{this, "Image1"};
  vb::Line Line1{this, "Line1"};
  vb::Line Line2{this, "Line2"};
  vb::Label lblstartgetal{this, "lblstartgetal"};
  vb::Label lblsplits2{this, "lblsplits2"};
  vb::Label lblsplits1{this, "lblsplits1"};

  vb::CommandButton cmd2topplus{this, "cmd2topplus"};
  vb::CommandButton cmd3topplus{this, "cmd3topplus"};
  vb::CommandButton cmd4topplus{this, "cmd4topplus"};
  vb::CommandButton cmd5topplus{this, "cmd5topplus"};
  vb::CommandButton cmd6topplus{this, "cmd6topplus"};
  vb::CommandButton cmd7topplus{this, "cmd7topplus"};
  vb::CommandButton cmd8topplus{this, "cmd8topplus"};
  vb::CommandButton cmd9topplus{this, "cmd9topplus"};
  vb::CommandButton cmd1topplus{this, "cmd1topplus"};  // "10"
  // One button per entry of splitsingen(), in the same order (cmd2 ... cmd10k).
  std::vector<std::unique_ptr<vb::CommandButton>> splitsknoppen = maakSplitsknoppen();
  vb::CommandButton cmdstop2{this, "cmdstop2"};

  // The image of n (1 to 10) and the marks of cut k (0 to 10).
  vb::Image& beeld(int n);
  std::vector<vb::Shape*> strepen(int k);

 protected:
  void Form_Load() override;
  void Form_Activate() override;

 private:
  std::vector<std::unique_ptr<vb::CommandButton>> maakSplitsknoppen();
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

namespace forms {
inline frmsplitsbeeldB& frmsplitsbeeldB() { return vb::Program::current().form<::frmsplitsbeeldB>(); }
}  // namespace forms
