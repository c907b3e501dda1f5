// Asks a window to close as a window manager does when its close button is pressed: a
// WM_PROTOCOLS client message carrying WM_DELETE_WINDOW. The program that owns the window
// decides what to do with it (SDL turns it into a close event). xdotool's windowclose
// destroys the window instead, which no window manager's close button does.
//
// Usage: wm_close WINDOW_ID   (decimal or 0x hexadecimal, as xdotool prints it)
#include <X11/Xlib.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: wm_close WINDOW_ID\n");
        return 2;
    }
    errno = 0;
    char* end = nullptr;
    const unsigned long id = std::strtoul(argv[1], &end, 0);
    if (errno != 0 || end == argv[1] || *end != '\0' || id == 0) {
        std::fprintf(stderr, "wm_close: '%s' is not a window id\n", argv[1]);
        return 2;
    }
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        std::fprintf(stderr, "wm_close: cannot open the display\n");
        return 1;
    }
    const Window window = static_cast<Window>(id);
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = static_cast<long>(XInternAtom(display, "WM_DELETE_WINDOW", False));
    event.xclient.data.l[1] = CurrentTime;
    const Status sent = XSendEvent(display, window, False, NoEventMask, &event);
    // XSync rather than a bare flush: a window that is gone shows up as an X error here.
    XSync(display, False);
    XCloseDisplay(display);
    if (sent == 0) {
        std::fprintf(stderr, "wm_close: the message could not be sent\n");
        return 1;
    }
    return 0;
}
