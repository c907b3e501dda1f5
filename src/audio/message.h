// How the audio code reports a failure to the player: a message box with a caption and a
// text (standard error in headless runs). Tests put their own function in its place.
#pragma once

#include <functional>

namespace audio {

using ShowMessageFn = std::function<void(const char* caption, const char* text)>;

// platform::ShowMessage.
ShowMessageFn PlatformMessages();

}  // namespace audio
