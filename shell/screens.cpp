#include "shell/screens.h"

#include "shell/frminfo.h"
#include "shell/frmkiesbasis.h"
#include "shell/frmmecenaat1.h"
#include "shell/mdiform2.h"

void registerShellScreens(forms::Program& program) {
  program.registerForm(MDIForm2::Name, [] { return new MDIForm2; });
  program.registerForm(
      frmmecenaat1::Name, [] { return new frmmecenaat1; }, {11160, 6720}, true);
  program.registerForm(frmkiesbasis::Name, [] { return new frmkiesbasis; }, {11880, 7935});
  program.registerForm(
      frminfo::Name, [] { return new frminfo; }, {10185, 5925}, true);
}
