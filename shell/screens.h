#pragma once
// The frame's screens (main window, welcome, "Wie ben jij?", chooser, closing screen):
// their registration, and the moves between them that several screens make.

namespace forms {
class Program;
}

void registerShellScreens(forms::Program& program);

namespace screens {
// The welcome screen, in the main window.
void openWelcome();
// From the welcome screen or the menu: "Wie ben jij?" when there is a class list, else
// the chooser, as soon as the record's file has been opened; the main window waits
// behind it.
void openChooser();
}  // namespace screens
