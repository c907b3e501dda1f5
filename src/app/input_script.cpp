// Parsing of headless input scripts.
#include "app/input_script.h"

#include <algorithm>
#include <sstream>

#include "platform/devices.h"

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
        const std::string where = "line " + std::to_string(lineNumber) + ": ";
        KeyEvent e{};
        if (key.empty() || (fields >> extra)) {
            error = where + "expected FRAME down|up KEY";
            return false;
        }
        if (!ParseFrame(frameText, e.frame)) {
            error = where + "'" + frameText + "' is not a frame number";
            return false;
        }
        if (action != "down" && action != "up") {
            error = where + "'" + action + "' is neither down nor up";
            return false;
        }
        e.down = action == "down";
        e.vk = KeyByName(key);
        if (e.vk == 0) {
            error = where + "unknown key '" + key + "'";
            return false;
        }
        parsed.push_back(e);
    }
    std::stable_sort(parsed.begin(), parsed.end(),
                     [](const KeyEvent& a, const KeyEvent& b) { return a.frame < b.frame; });
    events = std::move(parsed);
    return true;
}

}  // namespace app
