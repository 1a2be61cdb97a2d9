// The windows the main window opens over itself, on Windows.
#pragma once

#include <windows.h>

#include "platform/dialogs.h"
#include "platform/shell.h"

namespace typelens::win32 {

class WindowDialogs : public Dialogs {
  public:
    explicit WindowDialogs(Shell& shell) : shell_(shell) {}
    void setOwner(HWND owner) { owner_ = owner; }
    void showAbout() override;
    void showRefusal(const std::string& text) override;

  private:
    Shell& shell_;
    HWND owner_ = nullptr;
};

}  // namespace typelens::win32
