// The module splitsen-voice: the program loads it when reading aloud is first heard and
// asks it for the real speaker.

#include <QtGlobal>

#include "forms/speech/espeakspeaker.h"

extern "C" Q_DECL_EXPORT forms::Speaker* splitsen_make_speaker() {
  return new forms::EspeakSpeaker;
}
