// netplay.ini beside gameoption.ini: the port and the address the network panel showed
// last. gameoption.ini keeps exactly its own values.
#pragma once

#include <string>

namespace shell {

struct NetSettings {
    int port = 7777;
    std::string address;
};

// The saved values, or the defaults for what is missing or out of range.
NetSettings LoadNetSettings();
// Saves them; false (and the old file kept) when it cannot.
bool SaveNetSettings(const NetSettings& settings);

}  // namespace shell
