// bellwatch: prints one line for every bell rung on the X display, so the end-to-end tests can
// count the program's beeps (Wine rings the X bell for MessageBeep).
#include <X11/XKBlib.h>
#include <X11/Xlib.h>

#include <cstdio>

int main() {
    int opcode = 0, event = 0, error = 0, major = XkbMajorVersion, minor = XkbMinorVersion;
    Display* display = XkbOpenDisplay(nullptr, &event, &error, &major, &minor, nullptr);
    if (!display) {
        std::fprintf(stderr, "bellwatch: no display with XKB\n");
        return 1;
    }
    (void)opcode;
    XkbSelectEvents(display, XkbUseCoreKbd, XkbBellNotifyMask, XkbBellNotifyMask);
    std::printf("ready\n");
    std::fflush(stdout);
    for (;;) {
        XEvent next;
        XNextEvent(display, &next);
        if (next.type == event &&
            reinterpret_cast<XkbAnyEvent*>(&next)->xkb_type == XkbBellNotify) {
            std::printf("bell\n");
            std::fflush(stdout);
        }
    }
}
