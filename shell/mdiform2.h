#pragma once
// The main window: a frame with one menu ("OPENEN " / "&Basis") and a sand-coloured
// client area that holds the welcome screen and the closing screen.

#include "forms/mainform.h"
#include "forms/program.h"

class MDIForm2 : public forms::MainForm {
  Q_OBJECT

 public:
  static constexpr const char* Name = "MDIForm2";
  MDIForm2();

  forms::MenuItem aftrek{this, "aftrek", QStringLiteral("OPENEN ")};
  forms::MenuItem aftrek2{this, "aftrek2", QStringLiteral("&Basis")};
  // The view: zoom and full screen (the same keys work on every screen).
  forms::MenuItem beeld{this, "beeld", QStringLiteral("BEELD")};
  forms::MenuItem groter{this, "groter", QStringLiteral("Groter"), QStringLiteral("Ctrl++")};
  forms::MenuItem kleiner{this, "kleiner", QStringLiteral("Kleiner"), QStringLiteral("Ctrl+-")};
  forms::MenuItem passend{this, "passend", QStringLiteral("Passend"), QStringLiteral("Ctrl+0")};
  forms::MenuItem volledigscherm{this, "volledigscherm", QStringLiteral("Volledig scherm"),
                                 QStringLiteral("F11")};

 protected:
  void Form_Load() override;
  bool Form_QueryClose() override;

 private:
  void aftrek2_Click();
};

namespace screens {
inline MDIForm2& MDIForm2() {
  return forms::Program::current().form<::MDIForm2>();
}
}  // namespace screens
