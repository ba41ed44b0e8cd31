#pragma once
// The closing screen inside the main window: credits, a text scrolling through the
// status bar and a progress bar in its second panel; the program ends when the bar
// is full. The bar waits while the teacher has a window open.

#include "forms/program.h"

class frminfo : public forms::Form {
  Q_OBJECT

 public:
  static constexpr const char* Name = "frminfo";
  frminfo();

  forms::Frame Frame1{this, "Frame1"};
  forms::ControlArray<forms::Label> Label1{&Frame1, "Label1", 0, 6};
  forms::ControlArray<forms::Image> Image1{&Frame1, "Image1", 0, 3};
  forms::Label lblgeld{this, "lblgeld"};
  forms::StatusBar StatusBar1{this, "StatusBar1"};
  forms::ProgressBar ProgressBar1{this, "ProgressBar1"};
  forms::Timer Timer1{this, "Timer1", 75};

  qint32 teller = 0;

 protected:
  void Form_Load() override;
  void Form_Activate() override;

 private:
  void balkinpaneel(bool on);
  void Timer1_Timer();
};

namespace screens {
inline frminfo& frminfo() {
  return forms::Program::current().form<::frminfo>();
}
}  // namespace screens
