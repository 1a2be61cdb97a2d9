// The About window on Windows: modal over its owner, created afresh at every opening.
#pragma once

#include <windows.h>

#include "platform/controls.h"
#include "platform/shell.h"

namespace typelens::win32 {

// Returns once the window has been closed.
void ShowAboutWindow(HWND owner, Shell& shell);

class AboutWindowOpener : public Dialogs {
  public:
    explicit AboutWindowOpener(Shell& shell) : shell_(shell) {}
    void setOwner(HWND owner) { owner_ = owner; }
    void showAbout() override { ShowAboutWindow(owner_, shell_); }

  private:
    Shell& shell_;
    HWND owner_ = nullptr;
};

}  // namespace typelens::win32
