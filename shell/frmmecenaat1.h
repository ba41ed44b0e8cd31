#pragma once
// The welcome screen inside the main window: one large picture button opens the
// exercise chooser.

#include "forms/program.h"

class frmmecenaat1 : public forms::Form {
  Q_OBJECT

 public:
  static constexpr const char* Name = "frmmecenaat1";
  frmmecenaat1();

  forms::Shape Shape3{this, "Shape3"};
  forms::ControlArray<forms::Frame> Frame1{this, "Frame1", {1}};
  forms::ControlArray<forms::Image> Image1{&Frame1[1], "Image1", 0, 3};
  forms::Label Label11{&Frame1[1], "Label11"};
  forms::CommandButton cmdkombinnen{&Frame1[1], "cmdkombinnen"};
  forms::Label lblpartner2{this, "lblpartner2"};
  forms::Label Label4{this, "Label4"};
  forms::Label Label5{this, "Label5"};

 protected:
  void Form_Load() override;
  void Form_Activate() override;

 private:
  void cmdkombinnen_Click();
};

namespace screens {
inline frmmecenaat1& frmmecenaat1() {
  return forms::Program::current().form<::frmmecenaat1>();
}
}  // namespace screens
