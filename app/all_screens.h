#pragma once
// Registers every screen of the program (the shell's and the nine exercises) and starts it.

#include "app/options.h"

namespace forms {
class Program;
}

void registerAllScreens(forms::Program& program);

// Starts the program as a child sees it: the application's names, every screen, End
// quitting the event loop, and the main window with the welcome screen.
void startSplitsen(forms::Program& program, const Options& options = {});
