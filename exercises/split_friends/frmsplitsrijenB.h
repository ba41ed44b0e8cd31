#pragma once
// Split friends: the child types the friend of each left number.

#include "shell/program.h"

class frmsplitsrijenB : public vb::Form {
  Q_OBJECT

 public:
  static constexpr const char* Name = "frmsplitsrijenB";
  frmsplitsrijenB();

  vb::CommandButton cmdstop{this, "cmdstop"};

 protected:
  void Form_Load() override;

 private:
  void cmdstop_Click();
};

namespace forms {
inline frmsplitsrijenB& frmsplitsrijenB() { return vb::Program::current().form<::frmsplitsrijenB>(); }
}  // namespace forms
