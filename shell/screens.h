#pragma once
// Registers the shell's screens (main window, welcome, chooser, closing screen).

namespace forms {
class Program;
}

void registerShellScreens(forms::Program& program);
