#pragma once
// Missing part for a chosen number: the child types the missing part.

#include "shell/program.h"

class frmsleepsplits2 : public vb::Form {
  Q_OBJECT

 public:
  static constexpr const char* Name = "frmsleepsplits2";
  frmsleepsplits2();

  vb::CommandButton cmdstop{this, "cmdstop"};

 protected:
  void Form_Load() override;

 private:
  void cmdstop_Click();
};

namespace forms {
inline frmsleepsplits2& frmsleepsplits2() { return vb::Program::current().form<::frmsleepsplits2>(); }
}  // namespace forms
