#include "app/drive_box_win32.h"

#include <thread>
#include <vector>

#include "platform/ansi_win32.h"
#include "platform/filesystem_win32.h"
#include "platform/message_win32.h"

namespace typelens::win32 {
namespace {

std::wstring DriveText(char letter, const std::wstring& label) {
    std::wstring text{static_cast<wchar_t>(letter - 'A' + 'a'), L':'};
    if (!label.empty()) text += L" [" + label + L"]";
    return text;
}

}  // namespace

void DriveBox::attach(HWND combo, char start) {
    combo_ = combo;
    show(start);
}

// The drives the thread finds later come in around it, and it stays selected.
void DriveBox::show(char letter) {
    onDriveFound(letter, nullptr);
    const LRESULT count = SendMessageW(combo_, CB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        if (letterAt(i) == letter) SendMessageW(combo_, CB_SETCURSEL, i, 0);
    }
}

void DriveBox::read(HWND window) const {
    std::thread([window] {
        const auto post = [window](char letter, std::wstring* label) {
            if (!PostMessageW(window, kDriveFound, static_cast<WPARAM>(letter), AsParam(label)))
                delete label;
        };
        const std::vector<char> letters = Win32FileSystem::driveLetters();
        for (const char letter : letters) post(letter, nullptr);
        for (const char letter : letters) {
            const std::string label = Win32FileSystem::volumeLabel(letter);
            if (!label.empty()) post(letter, new std::wstring(Widen(label)));
        }
    }).detach();
}

// The selected drive stays selected.
void DriveBox::onDriveFound(char letter, std::unique_ptr<std::wstring> label) {
    const LRESULT count = SendMessageW(combo_, CB_GETCOUNT, 0, 0);
    const std::optional<char> chosen = selected();
    LRESULT at = 0;
    while (at < count && letterAt(at) < letter) ++at;
    if (at < count && letterAt(at) == letter) {
        if (!label) return;  // listed already
        SendMessageW(combo_, CB_DELETESTRING, at, 0);
    }
    const std::wstring text = DriveText(letter, label ? *label : std::wstring());
    at = SendMessageW(combo_, CB_INSERTSTRING, at, AsParam(text.c_str()));
    if (at < 0) return;
    SendMessageW(combo_, CB_SETITEMDATA, at, static_cast<LPARAM>(letter));
    for (LRESULT i = 0; chosen && i <= count; ++i) {
        if (letterAt(i) == *chosen) SendMessageW(combo_, CB_SETCURSEL, i, 0);
    }
}

std::optional<char> DriveBox::selected() const {
    const LRESULT index = SendMessageW(combo_, CB_GETCURSEL, 0, 0);
    if (index < 0) return std::nullopt;
    return letterAt(index);
}

char DriveBox::letterAt(LRESULT index) const {
    return static_cast<char>(SendMessageW(combo_, CB_GETITEMDATA, index, 0));
}

}  // namespace typelens::win32
