// The game's settings files: a private-profile layer that reads and writes the same
// "[section]" / "key=value" text files as the old Windows calls did.
//
// Reading rules (GetPrivateProfileInt):
//   - a missing, unreadable or non-regular file (a directory, say), a missing section or a
//     missing key gives the default; so does a key with an empty value;
//   - section and key names compare case-insensitively (ASCII) after trimming the spaces
//     and tabs around them; the first matching key of the first matching section wins,
//     and a section name repeated further down continues that section;
//   - lines starting with ';' are comments; lines without '=' inside a section are ignored;
//   - the value is trimmed, one pair of surrounding double or single quotes is dropped,
//     and it is read like the old call: leading spaces, an optional sign, then decimal
//     digits up to the first non-digit. No digits gives 0 ("abc" and "-" read as 0).
//   - a number beyond the int32 range is clamped to INT32_MIN / INT32_MAX.
//   - CR LF and LF line ends are both understood; NUL bytes and other binary junk only
//     make the lines that hold them useless. Files over kMaxIniBytes are not read.
//   - a UTF-8 byte-order mark at the start is not part of the first line (it stays in
//     the file when it is written).
//
// Writing rules (WritePrivateProfileString):
//   - the existing key (the first match, as for reading) gets its new value in place: the
//     text up to '=' and the spaces after it stay as they were;
//   - a missing key is added after the last entry of its section; a missing section is
//     appended at the end of the file; a missing file is created;
//   - every other line, comment, blank line and the order of the file stay untouched; new
//     lines take the file's own line end (CR LF when its first line has one);
//   - the new content goes to a temporary file beside the target, is flushed to disk and
//     then renamed over the target, so the target is always either the old or the new file;
//   - returns false and leaves the target alone when it cannot: unwritable folder, a
//     directory, FIFO, device or symbolic link (dangling or not) in the target's place, a
//     file too large to read, or names and values that
//     would break the file's structure (line breaks anywhere, '=' in the key, ']' in the
//     section, empty section or key names, null pointers).
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace platform {

constexpr std::size_t kMaxIniBytes = 16u << 20;

// The absolute, normalised form of name against the current directory; name itself when
// it is already absolute (normalised). An empty name, or a current directory that cannot be
// found, gives an empty string (which reads as a missing file and cannot be written).
std::string FullPathOf(const std::string& name);

int32_t GetPrivateProfileInt(const char* section, const char* key, int32_t def,
                             const std::string& path);

// The text of a key's value: trimmed, one pair of surrounding quotes dropped; def when the
// file, section or key is missing (the same reading rules as the numbers).
std::string GetPrivateProfileString(const char* section, const char* key, const std::string& def,
                                    const std::string& path);

bool WritePrivateProfileString(const char* section, const char* key, const char* value,
                               const std::string& path);

// The game pad's dead zone: "key_dis" of section "player1_ctrl_mode" in key_sikii.ini in
// the current directory, 1800 when missing. Both players use this one value.
int32_t ReadPadDeadZone();

}  // namespace platform
