// Command-line parsing: each option names the kinds of run it belongs to.
#include "app/command_line.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>

#include "app/excerpt.h"

namespace app {

namespace {

// The kinds of run an option goes with, as bits.
constexpr unsigned Bit(RunKind kind) {
    return 1u << static_cast<int>(kind);
}
constexpr unsigned kWindowRun = Bit(RunKind::kWindow);
constexpr unsigned kHeadlessRun = Bit(RunKind::kHeadless);
constexpr unsigned kDumpRun = Bit(RunKind::kDumpFighter);
constexpr unsigned kMatchupRun = Bit(RunKind::kMatchups);

constexpr int kModeVersusNumber = 2;
constexpr int kModeTrainingNumber = 5;

bool ParseInt(const char* text, int64_t low, int64_t high, int64_t& out) {
    if (text == nullptr || *text == '\0') return false;
    errno = 0;
    char* end = nullptr;
    const long long v = std::strtoll(text, &end, 10);
    if (errno != 0 || *end != '\0' || v < low || v > high) return false;
    out = v;
    return true;
}

int ModeByName(const char* name) {
    static const char* const kNames[] = {"free", "vs", "tournament", "view", "training"};
    for (int i = 0; i < 5; ++i)
        if (std::strcmp(name, kNames[i]) == 0) return i + 1;
    return 0;
}

// "HOST:PORT" with a port of 1..65535; the host may be a name or an address.
bool ParseHostPort(const char* value, std::string& host, int& port) {
    const char* colon = std::strrchr(value, ':');
    if (colon == nullptr || colon == value || colon[1] == '\0') return false;
    int64_t n = 0;
    if (!ParseInt(colon + 1, 1, 65535, n)) return false;
    host.assign(value, colon);
    port = static_cast<int>(n);
    return true;
}

bool ParseShot(const char* value, Shot& shot) {
    const char* colon = std::strchr(value, ':');
    if (colon == nullptr || colon[1] == '\0') return false;
    const std::string frame(value, colon);
    int64_t n = 0;
    if (!ParseInt(frame.c_str(), 0, INT64_MAX, n)) return false;
    shot.frame = n;
    shot.path = colon + 1;
    return true;
}

class Parser {
  public:
    Parser(int argc, const char* const* argv, Options& o, std::string& error)
        : argc_(argc), argv_(argv), o_(o), error_(error) {}

    bool Run() {
        for (i_ = 1; i_ < argc_; ++i_)
            if (!Option(argv_[i_])) return false;
        // Every option must go with the kind of run that was chosen.
        for (const Used& u : used_) {
            if ((u.kinds & Bit(o_.kind)) == 0) {
                error_ = std::string(u.name) + " does not go with " + KindName();
                return false;
            }
        }
        return ReplayFits() && SeparateFiles();
    }

  private:
    struct NamedFile {
        const char* option;
        std::string path;
    };

    // The same file under two names: the same path, or one file reached two ways (a link).
    static bool SameFile(const std::string& a, const std::string& b) {
        namespace fs = std::filesystem;
        std::error_code ec;
        if (fs::absolute(a, ec).lexically_normal() == fs::absolute(b, ec).lexically_normal())
            return true;
        return fs::equivalent(a, b, ec);
    }

    // What the run writes must not be what it reads (a trace written over the replay it
    // plays would destroy the recording), nor two of its outputs one file. Pictures of
    // several frames may go to one name: the last one stays.
    bool SeparateFiles() {
        std::vector<NamedFile> inputs, outputs;
        if (!o_.replayPath.empty()) inputs.push_back({"--replay", o_.replayPath});
        if (!o_.inputPath.empty() && o_.inputPath != "-")
            inputs.push_back({"--input", o_.inputPath});
        if (!o_.tracePath.empty() && o_.tracePath != "-")
            outputs.push_back({"--trace", o_.tracePath});
        if (!o_.recordPath.empty()) outputs.push_back({"--record", o_.recordPath});
        if (!o_.csvPath.empty()) outputs.push_back({"--csv", o_.csvPath});
        for (const Shot& shot : o_.shots)
            outputs.push_back({"--shot", shot.path});
        for (size_t i = 0; i < outputs.size(); ++i) {
            const NamedFile& out = outputs[i];
            for (const NamedFile& in : inputs)
                if (SameFile(out.path, in.path)) return Clash(out, in);
            for (size_t j = 0; j < i; ++j) {
                const bool bothShots = std::strcmp(out.option, "--shot") == 0 &&
                                       std::strcmp(outputs[j].option, "--shot") == 0;
                if (!bothShots && SameFile(out.path, outputs[j].path))
                    return Clash(out, outputs[j]);
            }
        }
        return true;
    }

    bool Clash(const NamedFile& a, const NamedFile& b) {
        error_ = std::string(a.option) + " " + Quoted(a.path) + " is the file of " + b.option;
        return false;
    }

    // A network game: host or join, a versus game in a headless run, none of the options
    // that replay or check a game by itself.
    bool NetworkFits() {
        if (o_.netHost && o_.netJoin) {
            error_ = "only one of --host and --join";
            return false;
        }
        if (!o_.netHost && !o_.netJoin) {
            error_ = "--input-delay needs --host or --join";
            return false;
        }
        const char* clash = !o_.replayPath.empty() ? "--replay"
                            : o_.syncDepth != 0    ? "--sync-test"
                            : !o_.shots.empty()    ? "--shot"
                            : o_.overlay           ? "--overlay"
                            : o_.hasDifficulty     ? "--difficulty"
                            : o_.hasSpeed          ? "--speed"
                                                   : nullptr;
        if (clash != nullptr) {
            error_ = std::string(clash) + " does not go with a network game";
            return false;
        }
        if (o_.netJoin && o_.hasSeed) {
            error_ = "--seed does not go with --join (the host's seed is played)";
            return false;
        }
        if (o_.kind == RunKind::kHeadless && o_.mode != kModeVersusNumber) {
            error_ = "a headless network game needs --mode vs";
            return false;
        }
        return true;
    }

    // A replay brings its own seed, settings, mode and keys; a recording needs a game.
    bool ReplayFits() {
        if (!o_.recordPath.empty() && o_.mode == 0) {
            error_ = "--record needs --mode";
            return false;
        }
        if (o_.netHost || o_.netJoin || o_.hasInputDelay) {
            if (!NetworkFits()) return false;
        }
        if ((o_.netHost || o_.netJoin || o_.hasInputDelay) && !NetworkFits()) return false;
        if (o_.syncDepth != 0) {
            const char* clash = !o_.replayPath.empty()   ? "--replay"
                                : !o_.recordPath.empty() ? "--record"
                                : !o_.shots.empty()      ? "--shot"
                                : o_.overlay             ? "--overlay"
                                : o_.bench               ? "--bench"
                                                         : nullptr;
            if (clash != nullptr) {
                error_ = std::string(clash) + " does not go with --sync-test";
                return false;
            }
            if (o_.mode == 0) {
                error_ = "--sync-test needs --mode";
                return false;
            }
        }
        if (o_.replayPath.empty()) return true;
        const char* clash = o_.hasSeed               ? "--seed"
                            : o_.mode != 0           ? "--mode"
                            : o_.hasDifficulty       ? "--difficulty"
                            : o_.hasSpeed            ? "--speed"
                            : !o_.inputPath.empty()  ? "--input"
                            : !o_.recordPath.empty() ? "--record"
                                                     : nullptr;
        if (clash == nullptr) return true;
        error_ = std::string(clash) + " does not go with --replay (the recording brings its own)";
        return false;
    }

    struct Used {
        const char* name;
        unsigned kinds;
    };

    const char* KindName() const {
        switch (o_.kind) {
            case RunKind::kHeadless: return "--headless";
            case RunKind::kDumpFighter: return "--dump-fighter";
            case RunKind::kMatchups: return "--matchups";
            default: return "a window start (it needs --headless, --dump-fighter or --matchups)";
        }
    }

    void Use(unsigned kinds) { used_.push_back({argv_[i_], kinds}); }

    bool Kind(RunKind kind) {
        if (kindSet_) {
            error_ = "only one of --headless, --dump-fighter and --matchups";
            return false;
        }
        kindSet_ = true;
        o_.kind = kind;
        return true;
    }

    bool Value(const char*& value) {
        if (i_ + 1 >= argc_) {
            error_ = std::string(argv_[i_]) + " needs a value";
            return false;
        }
        value = argv_[++i_];
        return true;
    }

    bool Number(int64_t low, int64_t high, int64_t& out) {
        const char* value = nullptr;
        if (!Value(value)) return false;
        if (!ParseInt(value, low, high, out)) {
            error_ = std::string(argv_[i_ - 1]) + ": " + Quoted(value) + " is not a number in " +
                     std::to_string(low) + ".." + std::to_string(high);
            return false;
        }
        return true;
    }

    bool Option(const char* a);
    bool RunOption(const char* a, bool& known);
    bool GameOption(const char* a, bool& known);

    int argc_;
    const char* const* argv_;
    Options& o_;
    std::string& error_;
    int i_ = 1;
    bool kindSet_ = false;
    std::vector<Used> used_;
};

// The options that choose the kind of run, and those of the dump and the simulator.
bool Parser::RunOption(const char* a, bool& known) {
    int64_t n = 0;
    const char* value = nullptr;
    known = true;
    if (std::strcmp(a, "--headless") == 0) return Kind(RunKind::kHeadless);
    if (std::strcmp(a, "--matchups") == 0) return Kind(RunKind::kMatchups);
    if (std::strcmp(a, "--dump-fighter") == 0) {
        if (!Kind(RunKind::kDumpFighter) || !Number(1, 15, n)) return false;
        o_.dumpKind = static_cast<int>(n);
    } else if (std::strcmp(a, "--power") == 0) {
        Use(kDumpRun);
        if (!Number(-1, 4, n)) return false;
        o_.dumpPower = static_cast<int>(n);
    } else if (std::strcmp(a, "--opponent") == 0) {
        Use(kDumpRun);
        if (!Number(1, 15, n)) return false;
        o_.dumpOpponent = static_cast<int>(n);
    } else if (std::strcmp(a, "--seeds") == 0) {
        Use(kMatchupRun);
        if (!Number(1, 100000, n)) return false;
        o_.seeds = static_cast<int>(n);
    } else if (std::strcmp(a, "--csv") == 0) {
        Use(kMatchupRun);
        if (!Value(value)) return false;
        o_.csvPath = value;
    } else {
        known = false;
    }
    return true;
}

// The options of a headless run (and the replay of a window run).
bool Parser::GameOption(const char* a, bool& known) {
    int64_t n = 0;
    const char* value = nullptr;
    known = true;
    if (std::strcmp(a, "--seed") == 0) {
        Use(kHeadlessRun);
        if (!Number(0, UINT32_MAX, n)) return false;
        o_.hasSeed = true;
        o_.seed = static_cast<uint32_t>(n);
    } else if (std::strcmp(a, "--frames") == 0) {
        Use(kHeadlessRun);
        if (!Number(0, INT64_MAX, n)) return false;
        o_.frames = n;
        o_.hasFrames = true;
    } else if (std::strcmp(a, "--mode") == 0) {
        Use(kHeadlessRun);
        if (!Value(value)) return false;
        o_.mode = ModeByName(value);
        if (o_.mode == 0) {
            error_ = "--mode: " + Quoted(value) + " is not free, vs, tournament, view or training";
            return false;
        }
    } else if (std::strcmp(a, "--difficulty") == 0) {
        Use(kHeadlessRun | kMatchupRun);
        if (!Number(0, 4, n)) return false;
        o_.hasDifficulty = true;
        o_.difficulty = static_cast<int>(n);
    } else if (std::strcmp(a, "--speed") == 0) {
        Use(kHeadlessRun);
        if (!Number(-39, 60, n)) return false;
        o_.hasSpeed = true;
        o_.speed = static_cast<int>(n);
    } else if (std::strcmp(a, "--input") == 0 || std::strcmp(a, "--trace") == 0) {
        Use(kHeadlessRun);
        if (!Value(value)) return false;
        (a[2] == 'i' ? o_.inputPath : o_.tracePath) = value;
    } else if (std::strcmp(a, "--shot") == 0) {
        Use(kHeadlessRun);
        if (!Value(value)) return false;
        Shot shot;
        if (!ParseShot(value, shot)) {
            error_ = "--shot: " + Quoted(value) + " is not FRAME:FILE";
            return false;
        }
        o_.shots.push_back(shot);
    } else if (std::strcmp(a, "--replay") == 0) {
        Use(kWindowRun | kHeadlessRun);
        if (!Value(value)) return false;
        o_.replayPath = value;
    } else if (std::strcmp(a, "--record") == 0) {
        Use(kHeadlessRun);
        if (!Value(value)) return false;
        o_.recordPath = value;
    } else if (std::strcmp(a, "--overlay") == 0) {
        Use(kHeadlessRun);
        o_.overlay = true;
    } else if (std::strcmp(a, "--host") == 0) {
        Use(kWindowRun | kHeadlessRun);
        if (!Number(1, 65535, n)) return false;
        o_.netHost = true;
        o_.netPort = static_cast<int>(n);
    } else if (std::strcmp(a, "--join") == 0) {
        Use(kWindowRun | kHeadlessRun);
        if (!Value(value)) return false;
        if (!ParseHostPort(value, o_.netAddress, o_.netPort)) {
            error_ = "--join: " + Quoted(value) + " is not HOST:PORT";
            return false;
        }
        o_.netJoin = true;
    } else if (std::strcmp(a, "--input-delay") == 0) {
        Use(kWindowRun | kHeadlessRun);
        if (!Number(0, 4, n)) return false;
        o_.inputDelay = static_cast<int>(n);
        o_.hasInputDelay = true;
    } else if (std::strcmp(a, "--training") == 0) {
        // The training room: in the window straight away, headless as --mode training.
        Use(kWindowRun | kHeadlessRun);
        o_.mode = kModeTrainingNumber;
        o_.training = true;
    } else if (std::strcmp(a, "--game-dir") == 0) {
        Use(kWindowRun | kHeadlessRun | kMatchupRun);
        if (!Value(value)) return false;
        if (value[0] == '\0') {
            error_ = "--game-dir needs a folder";
            return false;
        }
        o_.gameDir = value;
    } else if (std::strcmp(a, "--sync-test") == 0) {
        Use(kHeadlessRun);
        if (!Number(1, 8, n)) return false;
        o_.syncDepth = static_cast<int>(n);
    } else if (std::strcmp(a, "--bench") == 0) {
        Use(kHeadlessRun);
        o_.bench = true;
    } else {
        known = false;
    }
    return true;
}

bool Parser::Option(const char* a) {
    bool known = false;
    if (!RunOption(a, known)) return false;
    if (!known && !GameOption(a, known)) return false;
    if (!known) {
        error_ = "unknown argument " + Quoted(a);
        return false;
    }
    return true;
}

}  // namespace

bool ParseCommandLine(int argc, const char* const* argv, Options& options, std::string& error) {
    return Parser(argc, argv, options, error).Run();
}

}  // namespace app
