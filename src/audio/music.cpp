// Background music. The players themselves (media files through FFmpeg, MIDI through
// FluidSynth) are not written yet: until then these routines have nothing to act on.
#include "audio/music.h"

namespace audio {

void PollMidiMusic() {}

void StopMusic(int /*musicMode*/) {}

}  // namespace audio
