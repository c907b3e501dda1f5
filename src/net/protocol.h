// The messages two games exchange over the network, and their bytes. Every message is a
// small fixed layout in little-endian order, led by its type; a decoder that gets garbage,
// a message cut short or one of another size refuses it and changes nothing.
//
//   hello    joiner -> host, reliable: protocol version, the hash of the fighters' data
//   welcome  host -> joiner, reliable: the same, the host's seed and speed correction
//   refuse   either way, reliable: why the other side cannot play with this one
//   inputs   both ways, unsequenced-unreliable, every frame: the sender's inputs that the
//            other side has not acknowledged, the last of the other side's inputs it has,
//            its current frame and frame advantage, and the checksum of its newest
//            confirmed frame
//   leave    either way, reliable: the session ends after the given frame
//   desync   either way, reliable: the given frame came out differently on the two sides
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace net {

constexpr uint16_t kProtocolVersion = 1;
constexpr uint32_t kMagic = 0x32564B54;  // "TKV2"
constexpr int kMaxInputsPerMessage = 64;

enum class MessageType : uint8_t {
    kHello = 1,
    kWelcome = 2,
    kRefuse = 3,
    kInputs = 4,
    kLeave = 5,
    kDesync = 6,
};

enum class RefuseReason : uint8_t {
    kVersion = 1,   // another protocol version
    kFighters = 2,  // other fighter data: the games would drift apart
    kBusy = 3,      // the host already has a player
};

struct Message {
    MessageType type = MessageType::kInputs;
    // hello, welcome, refuse
    uint16_t version = 0;
    uint64_t fighterHash = 0;
    // welcome
    uint32_t seed = 0;
    int32_t speed = 0;
    // refuse
    RefuseReason reason = RefuseReason::kVersion;
    // inputs: the sender's inputs for frames firstFrame .. firstFrame + count - 1
    int32_t firstFrame = 0;
    uint8_t count = 0;
    uint8_t inputs[kMaxInputsPerMessage] = {};
    int32_t ackFrame = -1;       // the last frame of the receiver's inputs the sender has
    int32_t currentFrame = 0;    // the frame the sender simulates next
    int8_t advantage = 0;        // how many frames the sender is ahead of the receiver
    int32_t checksumFrame = -1;  // a confirmed frame of the sender, each in turn (-1: none yet)
    uint64_t checksum = 0;
    // leave, desync
    int32_t frame = 0;
};

// The message's bytes.
std::vector<uint8_t> Encode(const Message& message);

// Reads one message; false (and out untouched) for anything that is not exactly one
// well-formed message of this protocol.
bool Decode(const uint8_t* data, size_t size, Message& out);

}  // namespace net
