#pragma once
// The main window: a frame with one menu ("OPENEN " / "&Basis") and a sand-coloured
// client area that holds the welcome screen and the closing screen.

#include "shell/program.h"

class MDIForm2 : public vb::Form {
  Q_OBJECT

 public:
  static constexpr const char* Name = "MDIForm2";
  MDIForm2();

  vb::MenuItem aftrek{this, "aftrek", QStringLiteral("OPENEN ")};
  vb::MenuItem aftrek2{this, "aftrek2", QStringLiteral("&Basis")};

 protected:
  void Form_Load() override;
  bool Form_QueryClose() override;

 private:
  void aftrek2_Click();
};

namespace forms {
inline MDIForm2& MDIForm2() { return vb::Program::current().form<::MDIForm2>(); }
}  // namespace forms
