#pragma once
// Split memorising: all splits of one number, listed or walked through on a timer chain.

#include "shell/program.h"

class frmsplits2 : public vb::Form {
  Q_OBJECT

 public:
  static constexpr const char* Name = "frmsplits2";
  frmsplits2();

  vb::CommandButton cmdstop2{this, "cmdstop2"};

 protected:
  void Form_Load() override;

 private:
  void cmdstop2_Click();
};

namespace forms {
inline frmsplits2& frmsplits2() { return vb::Program::current().form<::frmsplits2>(); }
}  // namespace forms
