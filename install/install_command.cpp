#include "install/install_command.h"

#include <algorithm>

#include "install/registry_value.h"

namespace typelens {
namespace {

enum class Destination { Free, SameFont, Other };

Destination Examine(FileSystem& files, const std::string& source, const std::string& target) {
    if (!files.attributes(target)) return Destination::Free;
    const auto existing = files.readFile(target);
    const auto wanted = files.readFile(source);
    // A copy that cannot be compared is treated as a different font: it is never overwritten.
    if (!existing || !wanted || *existing != *wanted) return Destination::Other;
    return Destination::SameFont;
}

InstallResult Refuse(Environment& environment, InstallResult result) {
    environment.beep();
    return result;
}

bool SameFileName(const std::string& a, const std::string& b) {
    const auto fold = [](char c) { return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c; };
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [&](char x, char y) { return fold(x) == fold(y); });
}

}  // namespace

std::string BareFileName(const std::string& path) {
    const auto slash = path.find_last_of('\\');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

InstallResult InstallFont(FileSystem& files, Registry& registry, Environment& environment,
                          const InstallInputs& inputs) {
    if (inputs.currentFontFile.empty()) return Refuse(environment, InstallResult::NothingPreviewed);
    if (inputs.faceBoxText.empty()) return InstallResult::NoFaceName;
    // The face box may still show a face that an earlier file brought; registering that name
    // for this file would name a face the copy does not hold.
    if (inputs.previewedFace.empty()) return Refuse(environment, InstallResult::NoFaceOfThisFile);

    // The copy is named after the previewed file itself, never after whatever the list has
    // selected now, so one font's content can never get another font's name. The registry value
    // names the file without spaces at its ends, so the copy is named the same way: the value
    // must name a file that is there.
    const std::string fileName = TrimSpaces(BareFileName(inputs.currentFontFile));
    const std::string target = inputs.fontsFolder + fileName;
    const std::string valueName = inputs.previewedFace + kTrueTypeSuffix;

    // The fonts key is keyed by face, and a family's faces share one name: a value that names
    // another file (the Regular, when this is the Bold) registers that file and is never
    // re-pointed, or its copy would stay in the fonts folder unregistered.
    const auto registered = registry.readText(RegistryRoot::LocalMachine, kFontsKey, valueName);
    if (registered && !SameFileName(*registered, fileName)) {
        return Refuse(environment, InstallResult::ValueNamesAnotherFile);
    }

    bool copied = false;
    switch (Examine(files, inputs.currentFontFile, target)) {
        case Destination::Other:
            return Refuse(environment, InstallResult::OtherFontInTheWay);
        case Destination::SameFont:
            break;  // installed before: only the registry value is written again
        case Destination::Free:
            if (!files.copyNewFile(inputs.currentFontFile, target)) {
                return Refuse(environment, InstallResult::CopyFailed);
            }
            copied = true;
            break;
    }

    if (!SetRegistryValue(registry, RegistryRoot::LocalMachine, kFontsKey, valueName, fileName,
                          environment.numberFormat())) {
        // No half-installed font stays behind; a file that was there before is not touched.
        if (copied) (void)files.deleteFile(target);
        return Refuse(environment, InstallResult::RegistrationFailed);
    }
    return InstallResult::Installed;
}

}  // namespace typelens
