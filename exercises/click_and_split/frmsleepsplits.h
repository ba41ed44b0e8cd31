#pragma once
// Click and split: one click at a time through all splits of a number.

#include "shell/program.h"

class frmsleepsplits : public vb::Form {
  Q_OBJECT

 public:
  static constexpr const char* Name = "frmsleepsplits";
  frmsleepsplits();

  vb::CommandButton cmdstop{this, "cmdstop"};

 protected:
  void Form_Load() override;

 private:
  void cmdstop_Click();
};

namespace forms {
inline frmsleepsplits& frmsleepsplits() { return vb::Program::current().form<::frmsleepsplits>(); }
}  // namespace forms
