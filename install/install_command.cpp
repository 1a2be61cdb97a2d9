#include "install/install_command.h"

#include <optional>
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

enum class Destination { Free, SameFont, Other };

Destination Examine(FileSystem& files, const std::string& source, const std::string& target) {
    if (!files.attributes(target)) return Destination::Free;
    const auto existing = files.readFile(target);
    const auto wanted = files.readFile(source);
    // A copy that cannot be compared is treated as a different font: it is never overwritten.
    if (!existing || !wanted || *existing != *wanted) return Destination::Other;
    return Destination::SameFont;
}

InstallResult Failure(Outcome outcome, InstallResult otherwise) {
    return outcome == Outcome::Denied ? InstallResult::Denied : otherwise;
}

// The first of `names` whose value is free or names `data` already. A value that names another
// file registers that file and is never re-pointed, or its copy would stay in the fonts folder
// unregistered.
std::optional<std::string> FreeValueName(Registry& registry, const Place& place,
                                         const std::vector<std::string>& names,
                                         const std::string& data) {
    for (const std::string& name : names) {
        const auto registered = registry.readText(place.root, kFontsKey, name);
        if (!registered || EqualIgnoringCase(*registered, data)) return name;
    }
    return std::nullopt;
}

// The copy, then the value that names it; a step that fails leaves nothing of this install in
// that place, and a file that was there before is never touched.
InstallResult InstallAt(FileSystem& files, Registry& registry, Environment& environment,
                        const Place& place, const std::string& source, const std::string& fileName,
                        const std::vector<std::string>& valueNames) {
    const std::string target = place.folder + fileName;
    const std::string data = place.fullPathInValue ? target : fileName;

    const auto valueName = FreeValueName(registry, place, valueNames, data);
    if (!valueName) return InstallResult::ValueNamesAnotherFile;

    bool copied = false;
    switch (Examine(files, source, target)) {
        case Destination::Other:
            return InstallResult::OtherFontInTheWay;
        case Destination::SameFont:
            break;  // installed before: only the registry value is written again
        case Destination::Free:
            if (const Outcome copy = files.copyNewFile(source, target); copy != Outcome::Done) {
                return Failure(copy, InstallResult::CopyFailed);
            }
            copied = true;
            break;
    }

    const Outcome written = SetRegistryValue(registry, place.root, kFontsKey, *valueName, data,
                                             environment.numberFormat());
    if (written != Outcome::Done) {
        if (copied) (void)files.deleteFile(target);
        return Failure(written, InstallResult::RegistrationFailed);
    }
    return InstallResult::Installed;
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
    // names it, by its full name.
    std::vector<std::string> valueNames{inputs.previewedFamily + kTrueTypeSuffix};
    if (!inputs.previewedFullName.empty()) {
        valueNames.push_back(inputs.previewedFullName + kTrueTypeSuffix);
    }
    Place place{inputs.folders.machine, RegistryRoot::LocalMachine, false};
    InstallResult result = InstallAt(files, registry, environment, place, inputs.currentFontFile,
                                     fileName, valueNames);

    // A standard user, or a program run without elevation, may not write the machine's fonts
    // folder or key; Windows 10 and later load fonts installed for one user from their own.
    if (result == InstallResult::Denied && !inputs.folders.user.empty()) {
        place = {inputs.folders.user, RegistryRoot::CurrentUser, true};
        result = files.createFolder(place.folder) == Outcome::Done
                     ? InstallAt(files, registry, environment, place, inputs.currentFontFile,
                                 fileName, valueNames)
                     : InstallResult::CopyFailed;
    }
    if (result != InstallResult::Installed) return report(result);
    return report(result, place.folder + fileName);
}

std::string RefusalText(const InstallReport& report) {
    switch (report.result) {
        case InstallResult::NoFaceOfThisFile:
            return "\"" + report.fileName + "\" is not a usable font.";
        case InstallResult::FileGone:
            return "\"" + report.fileName + "\" is no longer there.";
        case InstallResult::OtherFontInTheWay:
            return "A different font named \"" + report.fileName +
                   "\" is in the fonts folder already.";
        case InstallResult::ValueNamesAnotherFile:
            return "The face \"" + report.face + "\" is registered for another font file already.";
        case InstallResult::Denied:
        case InstallResult::CopyFailed:
        case InstallResult::RegistrationFailed:
            return "The fonts folder or the list of installed fonts cannot be written.";
        case InstallResult::Installed:
        case InstallResult::NothingPreviewed:
        case InstallResult::NoFaceName:
            break;
    }
    return {};
}

}  // namespace typelens
