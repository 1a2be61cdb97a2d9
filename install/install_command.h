// Installs the previewed font: a copy in the fonts folder and one registry value naming it, for
// the whole machine, or for the user alone where the machine refuses for lack of rights.
#pragma once

#include <string>

#include "platform/environment.h"
#include "platform/filesystem.h"
#include "platform/registry.h"

namespace typelens {

inline constexpr char kFontsKey[] = "Software\\Microsoft\\Windows NT\\CurrentVersion\\Fonts\\";
inline constexpr char kTrueTypeSuffix[] = " (TrueType)";

// Where fonts are installed, each folder ending in "\": the machine's, in the Windows folder
// ("\Fonts\" without "windir"), and the user's own, as Windows 10 (1809) and later keep them
// (empty without LOCALAPPDATA).
struct FontsFolders {
    std::string machine, user;
};
FontsFolders FindFontsFolders(Environment& environment);

struct InstallInputs {
    FontsFolders folders;
    std::string currentFontFile;  // full path of the previewed file; empty before any preview
    std::string faceBoxText;      // what the face-name box shows now
    // The face the last preview found in that file, by family, full name and style; all empty
    // when it found none.
    std::string previewedFamily;
    std::string previewedFullName;
    std::string previewedStyle{};
};

enum class InstallResult {
    Installed,
    AlreadyInstalled,       // this very file, its copy and its value there before
    NothingPreviewed,       // a beep
    NoFaceName,             // silent
    NoFaceOfThisFile,       // the preview found no face of its own in the file
    FileGone,               // the previewed file is no longer there
    SourceUnreadable,       // the previewed file cannot be read (another program holds it)
    OtherFontInTheWay,      // the fonts folder holds a different file of that name
    ValueNamesAnotherFile,  // the values of the family and of the full name register others
    ValueUnreadable,        // and one of them cannot even be read
    Denied,                 // neither the machine nor the user's place may be written
    CopyFailed,
    RegistrationFailed,  // a copy made by this command is taken back
    CopyLeftBehind,      // the value could not be written, nor the copy taken back
};

struct InstallReport {
    InstallResult result;
    std::string copy;      // full path of the installed copy, or of the copy left behind
    std::string fileName;  // the copy's bare name
    std::string face;      // the name of the face the value would register
    bool forUser = false;  // in the user's place, the machine's refused
};

// Installs the previewed font, or tells why not; nothing is reported here.
InstallReport InstallFont(FileSystem& files, Registry& registry, Environment& environment,
                          const InstallInputs& inputs);

// Why the install was refused, in one sentence; empty where nothing is refused (installed,
// nothing previewed, no face name).
std::string RefusalText(const InstallReport& report);

// Where an install went, in a few words; empty where it did not.
std::string InstalledText(const InstallReport& report);

// The part of a full path after its last "\".
std::string BareFileName(const std::string& path);

}  // namespace typelens
