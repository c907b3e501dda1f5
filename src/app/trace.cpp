// The trace line of a frame.
#include "app/trace.h"

#include <cerrno>
#include <cstdarg>
#include <cstring>

#include "shell/training.h"

namespace app {

namespace {

// Appends formatted text, never past the end of the buffer.
class Line {
  public:
    Line(char* out, int size) : out_(out), size_(size) { out_[0] = '\0'; }
    void Add(const char* format, ...) __attribute__((format(printf, 2, 3))) {
        if (length_ >= size_ - 1) return;
        va_list args;
        va_start(args, format);
        const int n = std::vsnprintf(out_ + length_, size_ - length_, format, args);
        va_end(args);
        if (n > 0) length_ = n < size_ - length_ ? length_ + n : size_ - 1;
    }
    int Length() const { return length_; }

  private:
    char* out_;
    int size_;
    int length_ = 0;
};

const char* Bool(int v) {
    return v ? "true" : "false";
}

void AddFighter(Line& line, const engine::Fighter& f) {
    line.Add(
        "{\"kind\":%d,\"code\":%d,\"tick\":%d,\"stance\":%d,\"x\":%d,\"health\":%d,"
        "\"ceiling\":%d,\"stamina\":%d,\"koMark\":%d,\"counterHit\":%d,\"weakHit\":%d,"
        "\"powerLevel\":%d}",
        f.kind, f.code, f.tick, f.stance, f.x, f.health, f.healthCeiling, f.stamina, f.koMark,
        f.counterHitFlag, f.weakHitFlag, f.powerLevel);
}

// The training room's fields: the dummy, the slot and what it does, the last frame
// advantage (null until one was measured).
void AddTraining(Line& line, const shell::TrainingState& t) {
    line.Add(
        "\"training\":{\"dummy\":%d,\"slot\":%d,\"recording\":%d,\"playing\":%d,"
        "\"slotLength\":%d,\"reset\":%d,\"refill\":%s,",
        t.dummy, t.slot, t.recording, t.playing, t.slotLength[t.slot], t.resetKind, Bool(t.refill));
    if (t.advantageKnown)
        line.Add("\"advantage\":%d,\"advantageGuarded\":%s},", t.advantage,
                 Bool(t.advantageGuarded));
    else
        line.Add("\"advantage\":null,\"advantageGuarded\":null},");
}

}  // namespace

int FormatTraceLine(const shell::GameState& form, int64_t frame, const audio::SoundLog& sounds,
                    char* out, int size, const shell::TrainingState* training) {
    Line line(out, size);
    line.Add(
        "{\"frame\":%lld,\"state\":%d,\"phase\":%d,\"phaseFrames\":%d,\"paused\":%s,"
        "\"mode\":%d,\"wins\":%d,\"chosen\":[%d,%d],\"selectDone\":[%s,%s],"
        "\"commands\":[%d,%d],\"hits\":[%d,%d],\"fighters\":[",
        static_cast<long long>(frame), form.gameState, form.phase, form.phaseFrames,
        Bool(form.paused), form.gameMode, form.tournamentWins, form.chosenKind[0],
        form.chosenKind[1], Bool(form.selectDone[0]), Bool(form.selectDone[1]),
        form.frameCommands[0], form.frameCommands[1], form.frameHits[0], form.frameHits[1]);
    AddFighter(line, form.fighter[0]);
    line.Add(",");
    AddFighter(line, form.fighter[1]);
    const uint64_t checksum =
        training != nullptr ? shell::TrainingChecksum(form, *training) : shell::StateChecksum(form);
    line.Add("],");
    if (training != nullptr) AddTraining(line, *training);
    line.Add("\"checksum\":\"%016llx\",\"sounds\":[", static_cast<unsigned long long>(checksum));
    char entry[128];
    for (int i = 0; i < sounds.Count(); ++i) {
        audio::SoundLog::Format(sounds.At(i), entry, sizeof entry);
        line.Add("%s\"%s\"", i ? "," : "", entry);
    }
    line.Add("]}");
    return line.Length();
}

bool TraceWriter::Write(const shell::GameState& form, int64_t frame, const audio::SoundLog& sounds,
                        const shell::TrainingState* training) {
    const int n = FormatTraceLine(form, frame, sounds, line_, sizeof line_, training);
    line_[n] = '\n';
    const size_t length = static_cast<size_t>(n) + 1;
    return std::fwrite(line_, 1, length, file_) == length;
}

bool TraceFile::Open(const std::string& path) {
    path_ = path;
    if (path == "-") {
        file_ = stdout;
        return true;
    }
    file_ = std::fopen(path.c_str(), "w");
    if (file_ == nullptr) {
        std::fprintf(stderr, "tovuka02: cannot write trace '%s': %s\n", path.c_str(),
                     std::strerror(errno));
        return false;
    }
    owned_ = true;
    return true;
}

void TraceFile::Failed(int error) {
    if (failure_ == 0) failure_ = error != 0 ? error : EIO;
}

bool TraceFile::Close() {
    if (file_ == nullptr) return failure_ == 0;
    if (std::fflush(file_) != 0 || std::ferror(file_) != 0) Failed(errno);
    if (owned_ && std::fclose(file_) != 0) Failed(errno);
    file_ = nullptr;
    if (failure_ == 0) return true;
    std::fprintf(stderr, "tovuka02: cannot write trace '%s': %s\n", path_.c_str(),
                 std::strerror(failure_));
    return false;
}

}  // namespace app
