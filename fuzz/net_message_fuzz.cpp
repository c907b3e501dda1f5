// Fuzz target: bytes from the network are one well-formed message or nothing; a message
// that is taken is exactly the bytes it would be sent as.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "net/protocol.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    net::Message m;
    if (!net::Decode(data, size, m)) return 0;
    const std::vector<uint8_t> again = net::Encode(m);
    if (again.size() != size) __builtin_trap();
    for (size_t i = 0; i < size; ++i)
        if (again[i] != data[i]) __builtin_trap();
    if (m.type == net::MessageType::kInputs && m.count > net::kMaxInputsPerMessage)
        __builtin_trap();
    return 0;
}
