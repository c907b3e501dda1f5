// Reading a whole input file the player or a script names: only a regular file, only up to
// a size bound, never waiting on a FIFO or a device and never reading a gigabyte of
// /dev/zero. Settings, pad files, input scripts and replays all come in through here.
#pragma once

#include <cstddef>
#include <string>

namespace platform {

enum class ReadStatus {
    kOk,
    kMissing,     // no such file
    kNotRegular,  // a directory, FIFO, device or socket
    kTooLarge,    // more than the bound
    kFailed,      // could not be opened or read (errno says why)
};

// Reads the regular file at path, at most maxBytes of it. Anything but kOk leaves out empty.
ReadStatus ReadRegularFile(const std::string& path, std::size_t maxBytes, std::string& out);

// Reads an already open descriptor (standard input, say) to its end, at most maxBytes.
ReadStatus ReadDescriptor(int fd, std::size_t maxBytes, std::string& out);

// A short reason for a status other than kOk, such as "is not a regular file"; kFailed
// gives the system's reason from errno as it was left by the failing read.
std::string ReadStatusText(ReadStatus status, std::size_t maxBytes);

}  // namespace platform
