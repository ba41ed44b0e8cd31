#include "shell/screens.h"

#include "record/recorder.h"
#include "shell/frminfo.h"
#include "shell/frmkiesbasis.h"
#include "shell/frmmecenaat1.h"
#include "shell/frmwiebenjij.h"
#include "shell/mdiform2.h"

void registerShellScreens(forms::Program& program) {
  program.registerMainWindow(MDIForm2::Name, [] { return new MDIForm2; });
  program.registerForm(
      frmmecenaat1::Name, [] { return new frmmecenaat1; }, {11160, 6720}, true);
  program.registerForm(frmkiesbasis::Name, [] { return new frmkiesbasis; }, {11880, 7935});
  program.registerForm(
      frminfo::Name, [] { return new frminfo; }, {10185, 5925}, true);
  program.registerForm(frmwiebenjij::Name, [] { return new frmwiebenjij; }, {11880, 7935});
}

namespace screens {

void openWelcome() {
  frmmecenaat1().Show();
}

void openChooser() {
  frmmecenaat1().Hide();
  // Opening and checking a large file takes a while: the screens go on meanwhile.
  record::whenOpened([] {
    if (forms::Program::current().ended()) return;
    if (record::classList().isEmpty())
      frmkiesbasis().Show();
    else
      frmwiebenjij().Show();
  });
  MDIForm2().setEnabled(false);
}

}  // namespace screens
