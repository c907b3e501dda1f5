// The headless trace: one JSON object per frame.
#pragma once

#include <cstdint>
#include <cstdio>

#include "audio/sound_sink.h"
#include "shell/form.h"
#include "shell/training_state.h"

namespace app {

// Formats frame number `frame` of the form (after the frame ran) with the sound requests
// of the log into out; returns the length, without a newline.
// In the training room (training given) the line also holds the training state's fields,
// and the checksum covers it too.
int FormatTraceLine(const shell::GameState& form, int64_t frame, const audio::SoundLog& sounds,
                    char* out, int size, const shell::TrainingState* training = nullptr);

class TraceWriter {
  public:
    explicit TraceWriter(std::FILE* file) : file_(file) {}
    // False once a line could not be written (errno says why).
    bool Write(const shell::GameState& form, int64_t frame, const audio::SoundLog& sounds,
               const shell::TrainingState* training = nullptr);

  private:
    std::FILE* file_;
    char line_[8192] = {};
};

}  // namespace app
