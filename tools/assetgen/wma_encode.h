// Windows Media Audio files: the rendered music encoded as wmav2 in an ASF container,
// bit-exact (no random file id, no date), so the same audio always gives the same file.
#pragma once

#include <string>

#include "assetgen/midi_render.h"

namespace assetgen {

// Writes `audio` (44100 Hz stereo) to `path` at about `bitRate` bits per second, with the
// title and author in the file's description. False, with a reason, on failure.
bool EncodeWma(const StereoAudio& audio, const std::string& path, const std::string& title,
               int bitRate, std::string& error);

}  // namespace assetgen
