// Sound effects: one buffer per effect and player.
#pragma once

namespace audio {

// Releases every effect buffer; safe when nothing was created.
void ReleaseSoundEffects();

}  // namespace audio
