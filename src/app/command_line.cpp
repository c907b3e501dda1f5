// Command-line parsing.
#include "app/command_line.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>

namespace app {

namespace {

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
    if (std::strcmp(name, "free") == 0) return 1;
    if (std::strcmp(name, "vs") == 0) return 2;
    if (std::strcmp(name, "tournament") == 0) return 3;
    if (std::strcmp(name, "view") == 0) return 4;
    return 0;
}

// Walks the arguments, handing each option its value.
class Parser {
  public:
    Parser(int argc, const char* const* argv, std::string& error)
        : argc_(argc), argv_(argv), error_(error) {}

    bool Value(int& i, const char*& value) {
        if (i + 1 >= argc_) {
            error_ = std::string(argv_[i]) + " needs a value";
            return false;
        }
        value = argv_[++i];
        return true;
    }

    bool Number(int& i, int64_t low, int64_t high, int64_t& out) {
        const char* value = nullptr;
        if (!Value(i, value)) return false;
        if (!ParseInt(value, low, high, out)) {
            error_ = std::string(argv_[i - 1]) + ": '" + value + "' is not a number in " +
                     std::to_string(low) + ".." + std::to_string(high);
            return false;
        }
        return true;
    }

  private:
    int argc_;
    const char* const* argv_;
    std::string& error_;
};

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

}  // namespace

bool ParseCommandLine(int argc, const char* const* argv, Options& o, std::string& error) {
    Parser p(argc, argv, error);
    bool headlessOnly = false;  // an option that only a headless run takes
    bool dumpOnly = false;
    for (int i = 1; i < argc; ++i) {
        const char* a = argv[i];
        int64_t n = 0;
        const char* value = nullptr;
        if (std::strcmp(a, "--headless") == 0) {
            if (o.kind == RunKind::kDumpFighter) {
                error = "--headless and --dump-fighter do not go together";
                return false;
            }
            o.kind = RunKind::kHeadless;
        } else if (std::strcmp(a, "--dump-fighter") == 0) {
            if (o.kind == RunKind::kHeadless) {
                error = "--headless and --dump-fighter do not go together";
                return false;
            }
            if (!p.Number(i, 1, 15, n)) return false;
            o.kind = RunKind::kDumpFighter;
            o.dumpKind = static_cast<int>(n);
        } else if (std::strcmp(a, "--power") == 0) {
            if (!p.Number(i, -1, 4, n)) return false;
            o.dumpPower = static_cast<int>(n);
            dumpOnly = true;
        } else if (std::strcmp(a, "--opponent") == 0) {
            if (!p.Number(i, 1, 15, n)) return false;
            o.dumpOpponent = static_cast<int>(n);
            dumpOnly = true;
        } else if (std::strcmp(a, "--seed") == 0) {
            if (!p.Number(i, 0, UINT32_MAX, n)) return false;
            o.hasSeed = true;
            o.seed = static_cast<uint32_t>(n);
            headlessOnly = true;
        } else if (std::strcmp(a, "--frames") == 0) {
            if (!p.Number(i, 0, INT64_MAX, n)) return false;
            o.frames = n;
            headlessOnly = true;
        } else if (std::strcmp(a, "--mode") == 0) {
            if (!p.Value(i, value)) return false;
            o.mode = ModeByName(value);
            if (o.mode == 0) {
                error = std::string("--mode: '") + value + "' is not free, vs, tournament or view";
                return false;
            }
            headlessOnly = true;
        } else if (std::strcmp(a, "--difficulty") == 0) {
            if (!p.Number(i, 0, 4, n)) return false;
            o.hasDifficulty = true;
            o.difficulty = static_cast<int>(n);
            headlessOnly = true;
        } else if (std::strcmp(a, "--speed") == 0) {
            if (!p.Number(i, -39, 60, n)) return false;
            o.hasSpeed = true;
            o.speed = static_cast<int>(n);
            headlessOnly = true;
        } else if (std::strcmp(a, "--input") == 0) {
            if (!p.Value(i, value)) return false;
            o.inputPath = value;
            headlessOnly = true;
        } else if (std::strcmp(a, "--trace") == 0) {
            if (!p.Value(i, value)) return false;
            o.tracePath = value;
            headlessOnly = true;
        } else if (std::strcmp(a, "--shot") == 0) {
            if (!p.Value(i, value)) return false;
            Shot shot;
            if (!ParseShot(value, shot)) {
                error = std::string("--shot: '") + value + "' is not FRAME:FILE";
                return false;
            }
            o.shots.push_back(shot);
            headlessOnly = true;
        } else if (std::strcmp(a, "--bench") == 0) {
            o.bench = true;
            headlessOnly = true;
        } else {
            error = std::string("unknown argument '") + a + "'";
            return false;
        }
    }
    if (headlessOnly && o.kind != RunKind::kHeadless) {
        error = "that option needs --headless";
        return false;
    }
    if (dumpOnly && o.kind != RunKind::kDumpFighter) {
        error = "--power and --opponent go with --dump-fighter";
        return false;
    }
    return true;
}

}  // namespace app
