#pragma once
// Registers the shell's screens (main window, welcome, chooser, closing screen).

namespace vb {
class Program;
}

void registerShellScreens(vb::Program& program);
