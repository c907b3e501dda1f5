// Reading and writing "[section]" / "key=value" settings files.
#include "platform/ini_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <filesystem>
#include <optional>
#include <string_view>
#include <vector>

#include "platform/read_file.h"

namespace platform {

namespace {

namespace fs = std::filesystem;

// ---- reading the raw file ----

// A file saved by an editor that puts a UTF-8 byte-order mark first: the mark is not part
// of the first line, or its section would not be found.
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// The file's text without its byte-order mark; the mark comes back in `mark`.
bool ReadIniFile(const std::string& path, std::string& content, std::string& mark,
                 ReadStatus& status) {
    mark.clear();
    status = ReadRegularFile(path, kMaxIniBytes, content);
    if (status != ReadStatus::kOk) return false;
    if (std::string_view(content).substr(0, kByteOrderMark.size()) == kByteOrderMark) {
        mark = kByteOrderMark;
        content.erase(0, kByteOrderMark.size());
    }
    return true;
}

// ---- lines ----

struct Line {
    std::string text;  // without its line end
    std::string end;   // "\r\n", "\n", or "" for a last line without one
};

std::vector<Line> SplitLines(const std::string& content) {
    std::vector<Line> lines;
    std::size_t pos = 0;
    while (pos < content.size()) {
        const std::size_t nl = content.find('\n', pos);
        if (nl == std::string::npos) {
            lines.push_back({content.substr(pos), ""});
            break;
        }
        const bool cr = nl > pos && content[nl - 1] == '\r';
        lines.push_back({content.substr(pos, nl - pos - (cr ? 1 : 0)), cr ? "\r\n" : "\n"});
        pos = nl + 1;
    }
    return lines;
}

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view Trim(std::string_view s) {
    while (!s.empty() && IsBlank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && IsBlank(s.back()))
        s.remove_suffix(1);
    return s;
}

char Lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool SameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (Lower(a[i]) != Lower(b[i])) return false;
    return true;
}

// What one line of the file is.
struct Parsed {
    enum Kind { kOther, kSection, kEntry } kind = kOther;
    std::string_view name;    // section or key name, trimmed
    std::string_view value;   // entry value, trimmed
    std::size_t valueAt = 0;  // where the value's text starts (after '=' and its spaces)
};

Parsed ParseLine(const std::string& text) {
    Parsed p;
    const std::string_view t = Trim(text);
    if (t.empty() || t.front() == ';') return p;
    if (t.front() == '[') {
        std::string_view inner = t.substr(1);
        const std::size_t close = inner.find(']');
        if (close != std::string_view::npos) inner = inner.substr(0, close);
        p.kind = Parsed::kSection;
        p.name = Trim(inner);
        return p;
    }
    const std::size_t eq = text.find('=');
    if (eq == std::string::npos) return p;
    p.name = Trim(std::string_view(text).substr(0, eq));
    if (p.name.empty()) return p;
    p.kind = Parsed::kEntry;
    std::size_t v = eq + 1;
    while (v < text.size() && IsBlank(text[v]))
        ++v;
    p.valueAt = v;
    p.value = Trim(std::string_view(text).substr(v));
    return p;
}

// The number at the start of a value, as the old call read it; clamped to int32.
int32_t ParseInt(std::string_view s) {
    if (s.size() >= 2 && (s.front() == '"' || s.front() == '\'') && s.back() == s.front())
        s = s.substr(1, s.size() - 2);
    std::size_t i = 0;
    while (i < s.size() && IsBlank(s[i]))
        ++i;
    bool negative = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) negative = s[i++] == '-';
    int64_t magnitude = 0;
    constexpr int64_t kCap = int64_t{INT32_MAX} + 1;
    for (; i < s.size() && s[i] >= '0' && s[i] <= '9'; ++i) {
        magnitude = magnitude * 10 + (s[i] - '0');
        if (magnitude > kCap) magnitude = kCap;
    }
    if (negative) return static_cast<int32_t>(-magnitude);  // -2^31 at most
    return magnitude > INT32_MAX ? INT32_MAX : static_cast<int32_t>(magnitude);
}

// The index of the first entry named key in a section named section, or -1; also the
// index after which a new entry of that section belongs (-1 when there is no such section).
struct Lookup {
    int entry = -1;
    int insertAfter = -1;
};

Lookup Find(const std::vector<Line>& lines, std::string_view section, std::string_view key) {
    Lookup found;
    bool inSection = false;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const Parsed p = ParseLine(lines[i].text);
        if (p.kind == Parsed::kSection) {
            inSection = SameName(p.name, section);
            if (inSection) found.insertAfter = static_cast<int>(i);
            continue;
        }
        if (!inSection) continue;
        if (p.kind == Parsed::kEntry) {
            found.insertAfter = static_cast<int>(i);
            if (found.entry < 0 && SameName(p.name, key)) found.entry = static_cast<int>(i);
        } else {
            // Odd lines without '=' stay with their section; comments and blank lines
            // before the next section may belong to it and are left after the new entry.
            const std::string_view t = Trim(lines[i].text);
            if (!t.empty() && t.front() != ';') found.insertAfter = static_cast<int>(i);
        }
    }
    return found;
}

bool HasLineBreak(std::string_view s) {
    return s.find('\n') != std::string_view::npos || s.find('\r') != std::string_view::npos;
}

// ---- writing ----

bool WriteAll(int fd, const std::string& data) {
    std::size_t done = 0;
    while (done < data.size()) {
        const ssize_t n = ::write(fd, data.data() + done, data.size() - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    return true;
}

// Writes data to a temporary file beside target and renames it into place.
bool ReplaceFile(const std::string& target, const std::string& data, mode_t mode) {
    std::string temp = target + ".XXXXXX";
    const int fd = ::mkstemp(temp.data());
    if (fd < 0) return false;
    bool ok = WriteAll(fd, data) && ::fchmod(fd, mode) == 0 && ::fsync(fd) == 0;
    ok = ::close(fd) == 0 && ok;
    if (ok) ok = ::rename(temp.c_str(), target.c_str()) == 0;
    if (!ok) {
        ::unlink(temp.c_str());
        return false;
    }
    // Make the rename itself durable.
    const std::string folder = fs::path(target).parent_path().string();
    const int dirFd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_CLOEXEC);
    if (dirFd >= 0) {
        ::fsync(dirFd);
        ::close(dirFd);
    }
    return true;
}

// Only a regular file, or no file yet, is written: a symbolic link could point anywhere.
bool WritableTarget(const std::string& path) {
    struct stat st {};
    if (::lstat(path.c_str(), &st) != 0) return errno == ENOENT;
    return S_ISREG(st.st_mode);
}

}  // namespace

std::string FullPathOf(const std::string& name) {
    if (name.empty()) return {};
    std::error_code ec;
    const fs::path full = fs::absolute(name, ec);
    if (ec) return {};
    return full.lexically_normal().string();
}

int32_t GetPrivateProfileInt(const char* section, const char* key, int32_t def,
                             const std::string& path) {
    if (section == nullptr || key == nullptr) return def;
    std::string content, mark;
    ReadStatus status = ReadStatus::kOk;
    if (!ReadIniFile(path, content, mark, status)) return def;
    const std::vector<Line> lines = SplitLines(content);
    const Lookup found = Find(lines, Trim(section), Trim(key));
    if (found.entry < 0) return def;
    const Parsed p = ParseLine(lines[found.entry].text);
    if (p.value.empty()) return def;
    return ParseInt(p.value);
}

std::string GetPrivateProfileString(const char* section, const char* key, const std::string& def,
                                    const std::string& path) {
    if (section == nullptr || key == nullptr) return def;
    std::string content, mark;
    ReadStatus status = ReadStatus::kOk;
    if (!ReadIniFile(path, content, mark, status)) return def;
    const std::vector<Line> lines = SplitLines(content);
    const Lookup found = Find(lines, Trim(section), Trim(key));
    if (found.entry < 0) return def;
    std::string_view v = ParseLine(lines[found.entry].text).value;
    if (v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front())
        v = v.substr(1, v.size() - 2);
    return std::string(v);
}

bool WritePrivateProfileString(const char* section, const char* key, const char* value,
                               const std::string& path) {
    if (section == nullptr || key == nullptr || value == nullptr) return false;
    const std::string_view sec = Trim(section);
    const std::string_view k = Trim(key);
    if (sec.empty() || k.empty() || HasLineBreak(sec) || HasLineBreak(k) || HasLineBreak(value) ||
        sec.find(']') != std::string_view::npos || k.find('=') != std::string_view::npos ||
        k.front() == ';' || k.front() == '[')
        return false;

    if (path.empty() || !WritableTarget(path)) return false;
    const std::string& target = path;
    std::string content, mark;
    ReadStatus status = ReadStatus::kOk;
    if (!ReadIniFile(target, content, mark, status) && status != ReadStatus::kMissing) return false;

    mode_t mode = 0644;
    struct stat st {};
    if (status == ReadStatus::kOk && ::stat(target.c_str(), &st) == 0) mode = st.st_mode & 07777;

    std::vector<Line> lines = SplitLines(content);
    const std::string newline =
        !lines.empty() && !lines.front().end.empty() ? lines.front().end : std::string("\n");
    const std::string entry = std::string(k) + "=" + value;

    // A new line after index `after` (or at the end); a last line without a line end
    // gets one first.
    auto insertAfter = [&](std::size_t after, std::string text) {
        if (lines[after].end.empty()) lines[after].end = newline;
        lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(after) + 1,
                     Line{std::move(text), newline});
    };

    const Lookup found = Find(lines, sec, k);
    if (found.entry >= 0) {
        Line& line = lines[found.entry];
        line.text = line.text.substr(0, ParseLine(line.text).valueAt) + value;
    } else if (found.insertAfter >= 0) {
        insertAfter(static_cast<std::size_t>(found.insertAfter), entry);
    } else {
        std::string header = "[";
        header.append(sec).append("]");
        if (lines.empty()) {
            lines.push_back({header, newline});
        } else {
            insertAfter(lines.size() - 1, header);
        }
        insertAfter(lines.size() - 1, entry);
    }

    std::string out = mark;
    out.reserve(content.size() + entry.size() + sec.size() + 8);
    for (const Line& line : lines)
        out += line.text + line.end;
    return ReplaceFile(target, out, mode);
}

int32_t ReadPadDeadZone() {
    return GetPrivateProfileInt("player1_ctrl_mode", "key_dis", 1800, FullPathOf("key_sikii.ini"));
}

}  // namespace platform
