#pragma once
// The welcome screen inside the main window: one large picture button opens the
// exercise chooser.

#include "shell/program.h"

class frmmecenaat1 : public vb::Form {
  Q_OBJECT

 public:
  static constexpr const char* Name = "frmmecenaat1";
  frmmecenaat1();

  vb::Shape Shape3{this, "Shape3"};
  vb::ControlArray<vb::Frame> Frame1{this, "Frame1", {1}};
  vb::ControlArray<vb::Image> Image1{&Frame1[1], "Image1", 0, 3};
  vb::Label Label11{&Frame1[1], "Label11"};
  vb::CommandButton cmdkombinnen{&Frame1[1], "cmdkombinnen"};
  vb::Label lblpartner2{this, "lblpartner2"};
  vb::Label Label4{this, "Label4"};
  vb::Label Label5{this, "Label5"};

 protected:
  void Form_Load() override;
  void Form_Activate() override;

 private:
  void cmdkombinnen_Click();
};

namespace forms {
inline frmmecenaat1& frmmecenaat1() { return vb::Program::current().form<::frmmecenaat1>(); }
}  // namespace forms
