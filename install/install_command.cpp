#include "install/install_command.h"

#include <vector>

#include "install/registry_value.h"
#include "platform/case_blind.h"

namespace typelens {
namespace {

// Where a font is installed: the machine's fonts folder and key, or the user's own.
struct Place {
    std::string folder;  // ends in "\"
    RegistryRoot root;
    bool fullPathInValue;  // a user's value names the copy by its full path
};

enum class Destination { Free, SameFont, Other, SourceUnreadable };

Destination Examine(FileSystem& files, const std::string& source, const std::string& target) {
    if (!files.attributes(target)) return Destination::Free;
    const auto wanted = files.readFile(source);
    if (!wanted) return Destination::SourceUnreadable;
    // A copy that cannot be compared is treated as a different font: it is never overwritten.
    const auto existing = files.readFile(target);
    if (!existing || *existing != *wanted) return Destination::Other;
    return Destination::SameFont;
}

InstallResult Failure(Outcome outcome, InstallResult otherwise) {
    switch (outcome) {
        case Outcome::Denied:
            return InstallResult::Denied;
        case Outcome::Unreadable:
            return InstallResult::SourceUnreadable;
        default:
            return otherwise;
    }
}

// The value an install writes: the first of the names offered whose value is free or names the
// copy already.
struct ValueChoice {
    std::string name;         // empty when every value is taken
    bool registered = false;  // the value names the copy already
    bool unreadable = false;  // a value in the way holds what cannot be read
};

// A value that names another file registers that file and is never re-pointed, or its copy would
// stay in the fonts folder unregistered; a value that cannot be read as text (another type, say)
// may register anything, and is left as it is too.
ValueChoice ChooseValue(Registry& registry, const Place& place,
                        const std::vector<std::string>& names, const std::string& data) {
    ValueChoice choice;
    for (const std::string& name : names) {
        const TextValue registered = registry.readText(place.root, kFontsKey, name);
        switch (registered.state) {
            case TextValue::State::Absent:
                choice.name = name;
                return choice;
            case TextValue::State::Text:
                if (EqualIgnoringCase(registered.text, data)) {
                    choice.name = name, choice.registered = true;
                    return choice;
                }
                break;
            case TextValue::State::Unreadable:
                choice.unreadable = true;
                break;
        }
    }
    return choice;
}

// The copy, then the value that names it; a step that fails leaves nothing of this install in
// that place, and a file that was there before is never touched. A copy that cannot be taken
// back is said, with where it is (`left`).
InstallResult InstallAt(FileSystem& files, Registry& registry, Environment& environment,
                        const Place& place, const std::string& source, const std::string& fileName,
                        const std::vector<std::string>& valueNames, std::string& left) {
    const std::string target = place.folder + fileName;
    const std::string data = place.fullPathInValue ? target : fileName;

    const ValueChoice value = ChooseValue(registry, place, valueNames, data);
    if (value.name.empty()) {
        return value.unreadable ? InstallResult::ValueUnreadable
                                : InstallResult::ValueNamesAnotherFile;
    }

    bool copied = false;
    switch (Examine(files, source, target)) {
        case Destination::Other:
            return InstallResult::OtherFontInTheWay;
        case Destination::SourceUnreadable:
            return InstallResult::SourceUnreadable;
        case Destination::SameFont:
            // The same font, and its value naming it: this very file is installed already.
            if (value.registered) return InstallResult::AlreadyInstalled;
            break;  // copied before, and not registered: the value is written
        case Destination::Free:
            if (const Outcome copy = files.copyNewFile(source, target); copy != Outcome::Done) {
                return Failure(copy, InstallResult::CopyFailed);
            }
            copied = true;
            break;
    }

    const Outcome written = SetRegistryValue(registry, place.root, kFontsKey, value.name, data,
                                             environment.numberFormat());
    if (written == Outcome::Done) return InstallResult::Installed;
    if (copied && !files.deleteFile(target)) {
        left = target;
        return InstallResult::CopyLeftBehind;
    }
    return Failure(written, InstallResult::RegistrationFailed);
}

}  // namespace

FontsFolders FindFontsFolders(Environment& environment) {
    const auto local = environment.variable("LOCALAPPDATA");
    return {environment.variable("windir").value_or("") + "\\Fonts\\",
            local && !local->empty() ? *local + "\\Microsoft\\Windows\\Fonts\\" : ""};
}

std::string BareFileName(const std::string& path) {
    const auto slash = path.find_last_of('\\');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

InstallReport InstallFont(FileSystem& files, Registry& registry, Environment& environment,
                          const InstallInputs& inputs) {
    const std::string fileName = TrimSpaces(BareFileName(inputs.currentFontFile));
    const auto report = [&](InstallResult result, std::string copy = {}) {
        return InstallReport{
            result, std::move(copy), fileName,
            inputs.previewedFullName.empty() ? inputs.previewedFamily : inputs.previewedFullName};
    };
    if (inputs.currentFontFile.empty()) return report(InstallResult::NothingPreviewed);
    if (inputs.faceBoxText.empty()) return report(InstallResult::NoFaceName);
    if (!files.attributes(inputs.currentFontFile)) return report(InstallResult::FileGone);
    // A file in which the preview found no face of its own has no face to register.
    if (inputs.previewedFamily.empty()) return report(InstallResult::NoFaceOfThisFile);

    // The copy is named after the previewed file itself (`fileName`), never after whatever the
    // list has selected now, so one font's content can never get another font's name. The
    // registry value names the file without spaces at its ends, so the copy is named the same
    // way: the value must name a file that is there.
    // A family's first style takes the family's name, as the face box shows it; where that value
    // registers another file (the Regular, when this is the Bold), the face is named as Windows
    // names it, by its full name. A Regular whose full name is its family's name ("Noto Sans
    // Condensed"), after another style took that name, is named by family and style.
    // Each name is offered once: "Lato Regular" is both a full name and a family and style.
    std::vector<std::string> valueNames;
    const auto offer = [&valueNames](const std::string& face) {
        const std::string name = face + kTrueTypeSuffix;
        for (const std::string& offered : valueNames) {
            if (EqualIgnoringCase(offered, name)) return;
        }
        valueNames.push_back(name);
    };
    offer(inputs.previewedFamily);
    if (!inputs.previewedFullName.empty()) offer(inputs.previewedFullName);
    if (!inputs.previewedStyle.empty()) offer(inputs.previewedFamily + " " + inputs.previewedStyle);
    Place place{inputs.folders.machine, RegistryRoot::LocalMachine, false};
    std::string left;
    InstallResult result = InstallAt(files, registry, environment, place, inputs.currentFontFile,
                                     fileName, valueNames, left);

    // A standard user, or a program run without elevation, may not write the machine's fonts
    // folder or key; Windows 10 and later load fonts installed for one user from their own.
    const bool forUser = result == InstallResult::Denied && !inputs.folders.user.empty();
    if (forUser) {
        place = {inputs.folders.user, RegistryRoot::CurrentUser, true};
        result = files.createFolder(place.folder) == Outcome::Done
                     ? InstallAt(files, registry, environment, place, inputs.currentFontFile,
                                 fileName, valueNames, left)
                     : InstallResult::CopyFailed;
    }
    InstallReport done = report(result, left);
    done.forUser = forUser;
    if (result == InstallResult::Installed || result == InstallResult::AlreadyInstalled) {
        done.copy = place.folder + fileName;
    }
    return done;
}

std::string RefusalText(const InstallReport& report) {
    const std::string file = "\"" + report.fileName + "\"";
    const std::string face = "\"" + report.face + "\"";
    switch (report.result) {
        case InstallResult::NoFaceOfThisFile:
            return file + " is not a usable font.";
        case InstallResult::FileGone:
            return file + " is no longer there.";
        case InstallResult::SourceUnreadable:
            return file + " cannot be read; another program may be using it.";
        case InstallResult::OtherFontInTheWay:
            return "A different font named " + file + " is in the fonts folder already.";
        case InstallResult::ValueNamesAnotherFile:
            return "The face " + face + " is registered for another font file already.";
        case InstallResult::ValueUnreadable:
            return "The face " + face +
                   " has a value in the list of installed fonts that cannot be read, and it stays "
                   "as it is.";
        case InstallResult::CopyLeftBehind:
            return "The list of installed fonts cannot be written, and the copy \"" + report.copy +
                   "\" could not be taken back.";
        case InstallResult::Denied:
        case InstallResult::CopyFailed:
        case InstallResult::RegistrationFailed:
            return "The fonts folder or the list of installed fonts cannot be written.";
        case InstallResult::Installed:
        case InstallResult::AlreadyInstalled:
        case InstallResult::NothingPreviewed:
        case InstallResult::NoFaceName:
            break;
    }
    return {};
}

std::string InstalledText(const InstallReport& report) {
    if (report.result == InstallResult::AlreadyInstalled) {
        return report.forUser ? "Installed already, for you, from this very file"
                              : "Installed already, from this very file";
    }
    if (report.result != InstallResult::Installed) return {};
    return report.forUser ? "Installed for you alone: the machine's fonts folder may not be written"
                          : "Installed for every user";
}

}  // namespace typelens
