// The drive box on Windows: the drives as the classic drive box shows them, "c:" or
// "c: [LABEL]", in the order of their letters.
#pragma once

#include <windows.h>

#include <memory>
#include <optional>
#include <string>

#include "platform/controls.h"

namespace typelens::win32 {

// What the drive reader posts to the window for each drive: wParam its letter, lParam its label
// (a std::wstring the window takes over) or null while none is known.
inline constexpr UINT kDriveFound = WM_APP + 1;

class DriveBox : public DrivePicker {
  public:
    // Shows `start` alone, selected.
    void attach(HWND combo, char start);
    void show(char letter) override;
    // Lists the drives and asks each for its label on a thread of its own: asking Windows for
    // the drives takes a while, and a drive may take long to tell its label (a network drive
    // that does not answer, a floppy), while the window must answer meanwhile. A label that
    // never comes is left out. The drives reach `window` as kDriveFound.
    void read(HWND window) const;
    void onDriveFound(char letter, std::unique_ptr<std::wstring> label);
    std::optional<char> selected() const;

  private:
    char letterAt(LRESULT index) const;

    HWND combo_ = nullptr;
};

}  // namespace typelens::win32
