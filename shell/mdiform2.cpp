#include "shell/mdiform2.h"

#include "forms/pictures.h"
#include "record/recorder.h"
#include "record/teachermenu.h"
#include "shell/frminfo.h"
#include "shell/screens.h"

using namespace forms;

MDIForm2::MDIForm2()
    : MainForm(Name, QStringLiteral(" Alle kinderen moeten alle kansen krijgen."), 9930, 6825,
               Sand) {
  auto& program = Program::current();
  menu(aftrek, {&aftrek2});
  // The speech switch says in its tooltip why reading aloud cannot be switched on.
  menu(beeld, {&groter, &kleiner, &passend, &volledigscherm, nullptr, program.speech().action()},
       Tips::Shown);
  record::addTeacherMenu(menuBar());
  // Disabled, the main window blocks its screens and "OPENEN "; BEELD and the teacher's
  // menu stay usable, and so do the free screens above it.
  setBlockedByDisabling({client(), &aftrek, &aftrek2});
  icon(Picture::svg(QStringLiteral(":/assets/common/icon.svg")));

  auto& zoom = program.zoom();
  aftrek2.Click = [this] { aftrek2_Click(); };
  groter.Click = [&zoom] { zoom.larger(); };
  kleiner.Click = [&zoom] { zoom.smaller(); };
  passend.Click = [&zoom] { zoom.fit(); };
  volledigscherm.Click = [&zoom] { zoom.toggleFullScreen(); };
}

void MDIForm2::Form_Load() {
  screens::openWelcome();
  Program::current().unload(QString::fromLatin1(frminfo::Name));
}

bool MDIForm2::Form_QueryClose() {
  // Closing the main window ends the program.
  forms::Program::current().End();
  return true;
}

void MDIForm2::aftrek2_Click() {
  screens::openChooser();
}
