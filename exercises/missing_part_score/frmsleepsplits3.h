#pragma once
// Missing part with help and a running score.

#include "shell/program.h"

class frmsleepsplits3 : public vb::Form {
  Q_OBJECT

 public:
  static constexpr const char* Name = "frmsleepsplits3";
  frmsleepsplits3();

  vb::CommandButton cmdstop{this, "cmdstop"};

 protected:
  void Form_Load() override;

 private:
  void cmdstop_Click();
};

namespace forms {
inline frmsleepsplits3& frmsleepsplits3() { return vb::Program::current().form<::frmsleepsplits3>(); }
}  // namespace forms
