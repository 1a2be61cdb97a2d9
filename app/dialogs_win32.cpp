#include "app/dialogs_win32.h"

#include "about/about_window_win32.h"
#include "app/design.h"
#include "platform/ansi_win32.h"

namespace typelens::win32 {

void WindowDialogs::showAbout() {
    ShowAboutWindow(owner_, shell_);
}

// The warning icon brings the system's warning sound with it.
void WindowDialogs::showRefusal(const std::string& text) {
    MessageBoxW(owner_, Widen(text).c_str(), kProductName, MB_OK | MB_ICONWARNING);
}

}  // namespace typelens::win32
