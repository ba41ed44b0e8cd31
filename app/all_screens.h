#pragma once
// Registers every screen of the program (the shell's and the nine exercises) and starts it.

#include <memory>

#include "app/options.h"
#include "forms/speech/speaker.h"

namespace forms {
class Program;
}

void registerAllScreens(forms::Program& program);

// The voice that reads aloud: espeak-ng's Dutch voice, loaded from its module when first
// heard, or none where the program was built without it.
std::unique_ptr<forms::Speaker> dutchSpeaker();

// Starts the program as a child sees it: the application's names, every screen, End
// quitting the event loop, reading aloud, and the main window with the welcome screen.
void startSplitsen(forms::Program& program, const Options& options = {},
                   std::unique_ptr<forms::Speaker> speaker = dutchSpeaker());
