#pragma once
// "Wie ben jij?": with a class list, the welcome button first shows this screen, one
// big picture button per child; the child taps its own name and the chooser follows.
// Its answers from then on carry that name.

#include "forms/controls.h"
#include "forms/program.h"

class frmwiebenjij : public forms::Form {
  Q_OBJECT

 public:
  static constexpr const char* Name = "frmwiebenjij";
  frmwiebenjij();

  forms::Label lblvraag{this, "lblvraag"};
  forms::Label lbluitleg{this, "lbluitleg"};
  forms::ControlArray<forms::CommandButton> cmdkind{this, "cmdkind", 0, 35};
  forms::CommandButton cmdniet{this, "cmdniet"};

 protected:
  void Form_Load() override;
  void Form_Activate() override;

 private:
  // Procedures.
  void vulknoppen();              // a button per child of the class list
  void schikknoppen(int aantal);  // as large as they fit, centred
  void naarkeuzebord();

  // Handlers.
  void cmdkind_Click(int index);
  void cmdniet_Click();
};
