// The messages' bytes.
#include "net/protocol.h"

namespace net {

namespace {

class Writer {
  public:
    void U8(uint8_t v) { bytes.push_back(v); }
    void U16(uint16_t v) { Bytes(v, 2); }
    void U32(uint32_t v) { Bytes(v, 4); }
    void U64(uint64_t v) { Bytes(v, 8); }
    void I32(int32_t v) { U32(static_cast<uint32_t>(v)); }
    std::vector<uint8_t> bytes;

  private:
    void Bytes(uint64_t v, int n) {
        for (int i = 0; i < n; ++i)
            bytes.push_back(static_cast<uint8_t>(v >> (8 * i)));
    }
};

class Reader {
  public:
    Reader(const uint8_t* data, size_t size) : data_(data), size_(size) {}
    bool U8(uint8_t& v) {
        uint64_t w = 0;
        if (!Bytes(w, 1)) return false;
        v = static_cast<uint8_t>(w);
        return true;
    }
    bool U16(uint16_t& v) {
        uint64_t w = 0;
        if (!Bytes(w, 2)) return false;
        v = static_cast<uint16_t>(w);
        return true;
    }
    bool U32(uint32_t& v) {
        uint64_t w = 0;
        if (!Bytes(w, 4)) return false;
        v = static_cast<uint32_t>(w);
        return true;
    }
    bool U64(uint64_t& v) { return Bytes(v, 8); }
    bool I32(int32_t& v) {
        uint32_t u = 0;
        if (!U32(u)) return false;
        v = static_cast<int32_t>(u);
        return true;
    }
    bool AtEnd() const { return at_ == size_; }

  private:
    bool Bytes(uint64_t& v, int n) {
        if (size_ - at_ < static_cast<size_t>(n)) return false;
        v = 0;
        for (int i = 0; i < n; ++i)
            v |= static_cast<uint64_t>(data_[at_ + i]) << (8 * i);
        at_ += static_cast<size_t>(n);
        return true;
    }
    const uint8_t* data_;
    size_t size_;
    size_t at_ = 0;
};

bool ValidType(uint8_t t) {
    return t >= static_cast<uint8_t>(MessageType::kHello) &&
           t <= static_cast<uint8_t>(MessageType::kDesync);
}

}  // namespace

std::vector<uint8_t> Encode(const Message& m) {
    Writer w;
    w.U8(static_cast<uint8_t>(m.type));
    switch (m.type) {
        case MessageType::kHello:
        case MessageType::kWelcome:
        case MessageType::kRefuse:
            w.U32(kMagic);
            w.U16(m.version);
            w.U64(m.fighterHash);
            if (m.type == MessageType::kWelcome) {
                w.U32(m.seed);
                w.I32(m.speed);
            }
            if (m.type == MessageType::kRefuse) w.U8(static_cast<uint8_t>(m.reason));
            break;
        case MessageType::kInputs: {
            const uint8_t count = m.count > kMaxInputsPerMessage ? kMaxInputsPerMessage : m.count;
            w.I32(m.firstFrame);
            w.U8(count);
            for (int i = 0; i < count; ++i)
                w.U8(m.inputs[i]);
            w.I32(m.ackFrame);
            w.I32(m.currentFrame);
            w.U8(static_cast<uint8_t>(m.advantage));
            w.I32(m.checksumFrame);
            w.U64(m.checksum);
            break;
        }
        case MessageType::kLeave:
        case MessageType::kDesync: w.I32(m.frame); break;
    }
    return w.bytes;
}

bool Decode(const uint8_t* data, size_t size, Message& out) {
    if (data == nullptr || size == 0 || !ValidType(data[0])) return false;
    Message m;
    m.type = static_cast<MessageType>(data[0]);
    Reader r(data + 1, size - 1);
    bool ok = true;
    switch (m.type) {
        case MessageType::kHello:
        case MessageType::kWelcome:
        case MessageType::kRefuse: {
            uint32_t magic = 0;
            ok = r.U32(magic) && magic == kMagic && r.U16(m.version) && r.U64(m.fighterHash);
            if (ok && m.type == MessageType::kWelcome) ok = r.U32(m.seed) && r.I32(m.speed);
            if (ok && m.type == MessageType::kRefuse) {
                uint8_t reason = 0;
                ok = r.U8(reason) && reason >= 1 && reason <= 3;
                m.reason = static_cast<RefuseReason>(reason);
            }
            break;
        }
        case MessageType::kInputs: {
            uint8_t advantage = 0;
            ok = r.I32(m.firstFrame) && m.firstFrame >= 0 && r.U8(m.count) &&
                 m.count <= kMaxInputsPerMessage;
            for (int i = 0; ok && i < m.count; ++i)
                ok = r.U8(m.inputs[i]) && m.inputs[i] < 0x80;  // seven controls
            ok = ok && r.I32(m.ackFrame) && m.ackFrame >= -1 && r.I32(m.currentFrame) &&
                 m.currentFrame >= 0 && r.U8(advantage) && r.I32(m.checksumFrame) &&
                 m.checksumFrame >= -1 && r.U64(m.checksum);
            m.advantage = static_cast<int8_t>(advantage);
            // A frame number near the top of the range would wrap when counted on.
            ok = ok && m.firstFrame <= INT32_MAX - kMaxInputsPerMessage;
            break;
        }
        case MessageType::kLeave:
        case MessageType::kDesync: ok = r.I32(m.frame) && m.frame >= -1; break;
    }
    if (!ok || !r.AtEnd()) return false;
    out = m;
    return true;
}

}  // namespace net
