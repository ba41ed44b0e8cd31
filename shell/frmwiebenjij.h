#pragma once
// "Wie ben jij?": with a class list, the welcome button first shows this screen, one
// big picture button per child, in alphabetical order; the child taps its own name and
// the chooser follows. Its answers from then on carry that name.

#include <QList>
#include <QStringList>

#include "forms/controls.h"
#include "forms/program.h"
#include "record/classlist.h"

class frmwiebenjij : public forms::Form {
  Q_OBJECT

 public:
  static constexpr const char* Name = "frmwiebenjij";
  frmwiebenjij();

  forms::Label lblvraag{this, "lblvraag"};
  forms::Label lbluitleg{this, "lbluitleg"};
  forms::ControlArray<forms::CommandButton> cmdkind{this, "cmdkind", 0, record::MaxChildren - 1};
  forms::CommandButton cmdniet{this, "cmdniet"};

  // The name on each tile, and the type it is written in (smaller for long names).
  QStringList namen;
  QList<forms::Font> letters;

 protected:
  void Form_Load() override;
  void Form_Activate() override;

 private:
  // Procedures.
  void vulknoppen();              // a button per child of the class list
  void schikknoppen(int aantal);  // as large as they fit, centred
  void schrijfnaam(int index);    // the whole name, in type that fits the tile
  void naarkeuzebord();

  // Handlers.
  void cmdkind_Click(int index);
  void cmdniet_Click();
};

namespace screens {
inline frmwiebenjij& frmwiebenjij() {
  return forms::Program::current().form<::frmwiebenjij>();
}
}  // namespace screens
