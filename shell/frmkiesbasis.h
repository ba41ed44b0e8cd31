#pragma once
// The exercise chooser ("KEUZEBORD"): nine picture buttons, a board that describes the
// exercise under the pointer, a ring of six decoration pictures and a stop button.

#include "shell/program.h"

class frmkiesbasis : public vb::Form {
  Q_OBJECT

 public:
  static constexpr const char* Name = "frmkiesbasis";
  frmkiesbasis();

  vb::Shape Shape1{this, "Shape1"};
  vb::CommandButton cmdsplits{this, "cmdsplits"};
  vb::CommandButton cmdsplits1{this, "cmdsplits1"};
  vb::CommandButton cmdmin22{this, "cmdmin22"};
  vb::CommandButton cmdbrugmin{this, "cmdbrugmin"};
  vb::CommandButton cmdflits{this, "cmdflits"};
  vb::CommandButton cmdsplitsrij{this, "cmdsplitsrij"};
  vb::CommandButton cmdsplits2{this, "cmdsplits2"};
  vb::CommandButton cmdsleep4{this, "cmdsleep4"};
  vb::CommandButton cmdsleep5{this, "cmdsleep5"};
  vb::CommandButton cmdstop{this, "cmdstop"};
  vb::Image imgbord{this, "imgbord"};
  vb::Label lblbord{this, "lblbord"};
  vb::Image imgmeisje{this, "imgmeisje"};
  vb::Image imgwit{this, "imgwit"};
  vb::Image imgchinees{this, "imgchinees"};
  vb::Image imgkleur{this, "imgkleur"};
  vb::Image imgkleur2{this, "imgkleur2"};
  vb::Image imgkleur3{this, "imgkleur3"};
  vb::Image Image2{this, "Image2"};

  // The board texts, lines joined with CR LF.
  static QString backgroundText();
  static QString descriptionOf(const QString& button);

 protected:
  void Form_Load() override;
  void Form_MouseMove() override;

 private:
  void openExercise(const char* screen);
  void cmdstop_Click();
  void describe(const char* button);
  void nextPicture(vb::Image& clicked, vb::Image& next);
};

namespace forms {
inline frmkiesbasis& frmkiesbasis() { return vb::Program::current().form<::frmkiesbasis>(); }
}  // namespace forms
