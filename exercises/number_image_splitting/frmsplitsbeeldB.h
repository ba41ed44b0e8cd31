#pragma once
// Number-image splitting: every split of 2 to 10 as a cut number image.

#include "shell/program.h"

class frmsplitsbeeldB : public vb::Form {
  Q_OBJECT

 public:
  static constexpr const char* Name = "frmsplitsbeeldB";
  frmsplitsbeeldB();

  vb::CommandButton cmdstop2{this, "cmdstop2"};

 protected:
  void Form_Load() override;

 private:
  void cmdstop2_Click();
};

namespace forms {
inline frmsplitsbeeldB& frmsplitsbeeldB() { return vb::Program::current().form<::frmsplitsbeeldB>(); }
}  // namespace forms
