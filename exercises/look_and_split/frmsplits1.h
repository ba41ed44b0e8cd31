#pragma once
// Look and split: dots split at random; the child clicks the digit of each group.

#include "shell/program.h"

class frmsplits1 : public vb::Form {
  Q_OBJECT

 public:
  static constexpr const char* Name = "frmsplits1";
  frmsplits1();

  vb::CommandButton cmdstop{this, "cmdstop"};

 protected:
  void Form_Load() override;

 private:
  void cmdstop_Click();
};

namespace forms {
inline frmsplits1& frmsplits1() { return vb::Program::current().form<::frmsplits1>(); }
}  // namespace forms
