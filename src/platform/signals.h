// The signals the game answers. Called by main and the window host.
#pragma once

namespace platform {

// A file-size limit (ulimit -f) makes a write fail with EFBIG instead of killing the game
// with SIGXFSZ: the settings save then cleans up its scratch file, a recording says it
// stops, a trace reports the failure.
void IgnoreFileSizeSignal();

// The terminal that started the window went away (SIGHUP): the window closes as when the
// player closes it, as SDL already does for SIGTERM and SIGINT.
void CatchHangup();
bool HangupReceived();

}  // namespace platform
