// The headless trace: one JSON object per frame.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>

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

// The trace's file (or standard output, for "-"), closed at the end of the run. A write that
// fails ends the run: the trace is what the run is for.
class TraceFile {
  public:
    TraceFile() = default;
    TraceFile(const TraceFile&) = delete;
    TraceFile& operator=(const TraceFile&) = delete;
    ~TraceFile() { Close(); }

    // Opens the trace at path; false, after saying why, when it cannot be written.
    bool Open(const std::string& path);
    // The open file, or null when the run writes no trace.
    std::FILE* File() const { return file_; }
    // A line could not be written, for the reason `error` (an errno value).
    void Failed(int error);
    // Flushes and closes; false, after saying why, when the trace did not reach its file.
    bool Close();

  private:
    std::FILE* file_ = nullptr;
    bool owned_ = false;
    std::string path_;
    int failure_ = 0;  // errno of the first write that failed
};

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
