#pragma once
// Split series: the series of splits of a number, built line by line.

#include "shell/program.h"

class frmsplitsrijenA : public vb::Form {
  Q_OBJECT

 public:
  static constexpr const char* Name = "frmsplitsrijenA";
  frmsplitsrijenA();

  vb::CommandButton cmdstop{this, "cmdstop"};

 protected:
  void Form_Load() override;

 private:
  void cmdstop_Click();
};

namespace forms {
inline frmsplitsrijenA& frmsplitsrijenA() { return vb::Program::current().form<::frmsplitsrijenA>(); }
}  // namespace forms
