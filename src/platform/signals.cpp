// Signal handling: only a flag is set inside the handler; the frame loop looks at it.
#include "platform/signals.h"

#include <csignal>

namespace platform {

namespace {

volatile std::sig_atomic_t hangup = 0;

extern "C" void OnHangup(int) {
    hangup = 1;
}

}  // namespace

void IgnoreFileSizeSignal() {
    std::signal(SIGXFSZ, SIG_IGN);
}

void CatchHangup() {
    std::signal(SIGHUP, OnHangup);
}

bool HangupReceived() {
    return hangup != 0;
}

}  // namespace platform
