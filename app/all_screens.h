#pragma once
// Registers every screen of the program: the shell's and the nine exercises.

namespace vb {
class Program;
}

void registerAllScreens(vb::Program& program);
