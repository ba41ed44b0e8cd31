#pragma once
// The closing screen inside the main window: credits, a text scrolling through the
// status bar and a progress bar in its second panel; the program ends when the bar
// is full.

#include "shell/program.h"

class frminfo : public vb::Form {
  Q_OBJECT

 public:
  static constexpr const char* Name = "frminfo";
  frminfo();

  vb::Frame Frame1{this, "Frame1"};
  vb::ControlArray<vb::Label> Label1{&Frame1, "Label1", 0, 6};
  vb::ControlArray<vb::Image> Image1{&Frame1, "Image1", 0, 3};
  vb::Label lblgeld{this, "lblgeld"};
  vb::StatusBar StatusBar1{this, "StatusBar1"};
  vb::ProgressBar ProgressBar1{this, "ProgressBar1"};
  vb::Timer Timer1{this, "Timer1", 75};

  qint32 teller = 0;

 protected:
  void Form_Load() override;
  void Form_Activate() override;

 private:
  void balkinpaneel(bool on);
  void Timer1_Timer();
};

namespace forms {
inline frminfo& frminfo() { return vb::Program::current().form<::frminfo>(); }
}  // namespace forms
