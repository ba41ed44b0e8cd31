#pragma once
// The exercise chooser ("KEUZEBORD"): nine picture buttons and, left of them on the green
// board, the button of practice that follows each child; a board that describes the
// exercise under the pointer, a ring of six decoration pictures and a stop button.

#include "forms/program.h"

class frmkiesbasis : public forms::Form {
  Q_OBJECT

 public:
  static constexpr const char* Name = "frmkiesbasis";
  frmkiesbasis();

  forms::Shape Shape1{this, "Shape1"};
  forms::CommandButton cmdsplits{this, "cmdsplits"};
  forms::CommandButton cmdsplits1{this, "cmdsplits1"};
  forms::CommandButton cmdmin22{this, "cmdmin22"};
  forms::CommandButton cmdbrugmin{this, "cmdbrugmin"};
  forms::CommandButton cmdflits{this, "cmdflits"};
  forms::CommandButton cmdsplitsrij{this, "cmdsplitsrij"};
  forms::CommandButton cmdsplits2{this, "cmdsplits2"};
  forms::CommandButton cmdsleep4{this, "cmdsleep4"};
  forms::CommandButton cmdsleep5{this, "cmdsleep5"};
  forms::CommandButton cmdopmaat{this, "cmdopmaat"};
  forms::CommandButton cmdstop{this, "cmdstop"};
  forms::Image imgbord{this, "imgbord"};
  forms::Label lblbord{this, "lblbord"};
  forms::Image imgmeisje{this, "imgmeisje"};
  forms::Image imgwit{this, "imgwit"};
  forms::Image imgchinees{this, "imgchinees"};
  forms::Image imgkleur{this, "imgkleur"};
  forms::Image imgkleur2{this, "imgkleur2"};
  forms::Image imgkleur3{this, "imgkleur3"};
  forms::Image Image2{this, "Image2"};

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
  void nextPicture(forms::Image& clicked, forms::Image& next);
};

namespace screens {
inline frmkiesbasis& frmkiesbasis() {
  return forms::Program::current().form<::frmkiesbasis>();
}
}  // namespace screens
