// Parsing of headless input scripts.
#include "app/input_script.h"

#include <algorithm>
#include <cstdio>
#include <initializer_list>
#include <sstream>
#include <string_view>

#include "app/excerpt.h"
#include "platform/devices.h"
#include "platform/read_file.h"

namespace app {

int KeyByName(const std::string& name) {
    using namespace platform;
    if (name.size() == 1 && name[0] >= 'A' && name[0] <= 'Z') return VK_A + (name[0] - 'A');
    if (name.size() == 4 && name.compare(0, 3, "NUM") == 0 && name[3] >= '0' && name[3] <= '9')
        return VK_NUMPAD0 + (name[3] - '0');
    struct Named {
        const char* name;
        int vk;
    };
    static const Named kNamed[] = {
        {"LEFT", VK_LEFT},       {"UP", VK_UP},           {"RIGHT", VK_RIGHT},
        {"DOWN", VK_DOWN},       {"LBUTTON", VK_LBUTTON}, {"RBUTTON", VK_RBUTTON},
        {"MBUTTON", VK_MBUTTON}, {"ESC", VK_ESCAPE},      {"SPACE", VK_SPACE},
    };
    for (const Named& n : kNamed)
        if (name == n.name) return n.vk;
    return 0;
}

namespace {

// The message for a bad line: "line N: " and the parts; always false, for returning.
bool LineError(std::string& error, int line, std::initializer_list<std::string_view> parts) {
    error = "line ";
    error += std::to_string(line);
    error += ": ";
    for (std::string_view part : parts)
        error += part;
    return false;
}

bool IsBlankOrComment(const std::string& line) {
    const size_t first = line.find_first_not_of(" \t\r");
    return first == std::string::npos || line[first] == '#';
}

bool ParseFrame(const std::string& text, int64_t& frame) {
    if (text.empty() || text.size() > 18) return false;
    frame = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return false;
        frame = frame * 10 + (c - '0');
    }
    return true;
}

}  // namespace

bool ParseInputScript(std::istream& in, std::vector<KeyEvent>& events, std::string& error) {
    std::vector<KeyEvent> parsed;
    std::string line;
    int lineNumber = 0;
    while (std::getline(in, line)) {
        ++lineNumber;
        if (IsBlankOrComment(line)) continue;
        std::istringstream fields(line);
        std::string frameText, action, key, extra;
        fields >> frameText >> action >> key;
        KeyEvent e{};
        if (key.empty() || (fields >> extra))
            return LineError(error, lineNumber, {"expected FRAME down|up KEY"});
        if (!ParseFrame(frameText, e.frame))
            return LineError(error, lineNumber,
                             {"'", Excerpt(frameText), "' is not a frame number"});
        if (action != "down" && action != "up")
            return LineError(error, lineNumber, {"'", Excerpt(action), "' is neither down nor up"});
        e.down = action == "down";
        e.vk = KeyByName(key);
        if (e.vk == 0) return LineError(error, lineNumber, {"unknown key '", Excerpt(key), "'"});
        parsed.push_back(e);
    }
    std::stable_sort(parsed.begin(), parsed.end(),
                     [](const KeyEvent& a, const KeyEvent& b) { return a.frame < b.frame; });
    events = std::move(parsed);
    return true;
}

bool LoadInputScript(const std::string& path, std::vector<KeyEvent>& events) {
    std::string text;
    const platform::ReadStatus status =
        path == "-" ? platform::ReadDescriptor(0, kMaxScriptBytes, text)
                    : platform::ReadRegularFile(path, kMaxScriptBytes, text);
    if (status != platform::ReadStatus::kOk) {
        std::fprintf(stderr, "tovuka02: input script '%s' %s\n", path.c_str(),
                     platform::ReadStatusText(status, kMaxScriptBytes).c_str());
        return false;
    }
    std::istringstream in(text);
    std::string error;
    const bool ok = ParseInputScript(in, events, error);
    if (!ok) std::fprintf(stderr, "tovuka02: %s: %s\n", path.c_str(), error.c_str());
    return ok;
}

}  // namespace app
