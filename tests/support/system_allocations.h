// While one of these lives, the leak checker of the sanitizer build ignores new allocations:
// for tests that start SDL's video and renderer, whose drivers (loaded and unloaded as
// modules) keep memory the leak checker cannot attribute. A no-op in other builds.
#pragma once

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/lsan_interface.h>
#endif

namespace testing_support {

class SystemAllocations {
  public:
#if defined(__SANITIZE_ADDRESS__)
    SystemAllocations() {
        __lsan_disable();
    }
    ~SystemAllocations() {
        __lsan_enable();
    }
#endif
    SystemAllocations(const SystemAllocations&) = delete;
    SystemAllocations& operator=(const SystemAllocations&) = delete;
#if !defined(__SANITIZE_ADDRESS__)
    SystemAllocations() = default;
#endif
};

}  // namespace testing_support
