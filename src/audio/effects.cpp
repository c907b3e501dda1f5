// Sound effects. The mixer voices are not created yet, so there is nothing to release.
#include "audio/effects.h"

namespace audio {

void ReleaseSoundEffects() {}

}  // namespace audio
