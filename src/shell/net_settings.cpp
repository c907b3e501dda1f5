// The network panel's file.
#include "shell/net_settings.h"

#include <cstdio>

#include "platform/ini_file.h"

namespace shell {

namespace {

constexpr const char* kFile = "netplay.ini";
constexpr const char* kSection = "netplay";

// An address is a host name or a number: letters, digits, dots, dashes, colons (IPv6 and
// HOST:PORT), at most 63 of them.
bool PlausibleAddress(const std::string& a) {
    if (a.size() > 63) return false;
    for (char c : a)
        if (!((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
              c == '.' || c == '-' || c == ':' || c == '_'))
            return false;
    return true;
}

}  // namespace

NetSettings LoadNetSettings() {
    NetSettings s;
    const std::string path = platform::FullPathOf(kFile);
    const int port = platform::GetPrivateProfileInt(kSection, "port", s.port, path);
    if (port >= 1 && port <= 65535) s.port = port;
    const std::string address = platform::GetPrivateProfileString(kSection, "address", "", path);
    if (PlausibleAddress(address)) s.address = address;
    return s;
}

bool SaveNetSettings(const NetSettings& settings) {
    const std::string path = platform::FullPathOf(kFile);
    char port[16];
    std::snprintf(port, sizeof port, "%d", settings.port);
    const bool ok =
        platform::WritePrivateProfileString(kSection, "port", port, path) &&
        PlausibleAddress(settings.address) &&
        platform::WritePrivateProfileString(kSection, "address", settings.address.c_str(), path);
    if (!ok)
        std::fprintf(stderr, "tovuka02: the network settings were not saved in '%s'\n",
                     path.c_str());
    return ok;
}

}  // namespace shell
