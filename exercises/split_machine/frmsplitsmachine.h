#pragma once
// Split machine: balls run through a machine; the child types the hidden part.

#include "shell/program.h"

class frmsplitsmachine : public vb::Form {
  Q_OBJECT

 public:
  static constexpr const char* Name = "frmsplitsmachine";
  frmsplitsmachine();

  vb::CommandButton cmdstop{this, "cmdstop"};

 protected:
  void Form_Load() override;

 private:
  void cmdstop_Click();
};

namespace forms {
inline frmsplitsmachine& frmsplitsmachine() { return vb::Program::current().form<::frmsplitsmachine>(); }
}  // namespace forms
