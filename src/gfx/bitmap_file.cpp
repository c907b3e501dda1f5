// Reading a bitmap file: into memory in one go, the header checked, then SDL's decoder.
#include "gfx/bitmap_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <new>
#include <vector>

namespace gfx {

namespace {

class FileHandle {
  public:
    explicit FileHandle(const std::string& path)
        : fd_(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC)) {}
    ~FileHandle() {
        if (fd_ >= 0) ::close(fd_);
    }
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;
    int fd() const { return fd_; }

  private:
    int fd_;
};

// The whole of a regular file no larger than kMaxBitmapFileBytes. The file is opened
// without waiting (a FIFO would block the game until someone writes to it) and looked at
// through the open handle, so what is read is what was checked.
bool ReadSmallRegularFile(const std::string& path, std::vector<uint8_t>& bytes) {
    const FileHandle file(path);
    if (file.fd() < 0) return false;
    struct stat info;
    if (::fstat(file.fd(), &info) != 0 || !S_ISREG(info.st_mode)) return false;
    if (info.st_size < 0 || static_cast<uint64_t>(info.st_size) > kMaxBitmapFileBytes) return false;
    bytes.resize(static_cast<size_t>(info.st_size));
    size_t have = 0;
    while (have < bytes.size()) {
        const ssize_t n = ::read(file.fd(), bytes.data() + have, bytes.size() - have);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return false;
        if (n == 0) break;  // the file shrank since fstat
        have += static_cast<size_t>(n);
    }
    bytes.resize(have);
    return true;
}

// Whether the bitmap header at the start of `bytes` gives a size the game decodes. The
// width and height are read as SDL's decoder reads them: 16-bit unsigned in the old core
// header, 32-bit signed in the later ones, a negative height meaning rows top to bottom.
bool HeaderFits(const std::vector<uint8_t>& bytes) {
    if (bytes.size() < 26 || bytes[0] != 'B' || bytes[1] != 'M') return false;
    auto u16 = [&](size_t at) { return static_cast<uint32_t>(bytes[at] | bytes[at + 1] << 8); };
    auto i32 = [&](size_t at) {
        return static_cast<int64_t>(static_cast<int32_t>(u16(at) | u16(at + 2) << 16));
    };
    const int64_t headerSize = i32(14);
    int64_t width = 0, height = 0;
    if (headerSize == 12) {
        width = u16(18);
        height = u16(20);
    } else if (headerSize >= 40 && headerSize <= 124) {
        width = i32(18);
        height = i32(22);
    } else {
        return false;
    }
    if (height < 0) height = -height;
    return width > 0 && height > 0 && width <= kMaxBitmapWidth && height <= kMaxBitmapHeight;
}

}  // namespace

SurfacePtr ReadBitmap(const std::string& path) {
    std::vector<uint8_t> bytes;
    try {
        if (!ReadSmallRegularFile(path, bytes) || !HeaderFits(bytes)) return nullptr;
    } catch (const std::bad_alloc&) {
        return nullptr;  // no memory for the file's bytes
    }
    SDL_RWops* in = SDL_RWFromConstMem(bytes.data(), static_cast<int>(bytes.size()));
    if (in == nullptr) return nullptr;
    return SurfacePtr(SDL_LoadBMP_RW(in, 1));  // null also when SDL finds no memory
}

}  // namespace gfx
