#include "platform/fonts_win32.h"

#include <utility>

#include "platform/ansi_win32.h"
#include "platform/dwrite_win32.h"
#include "platform/scoped_win32.h"

namespace typelens::win32 {
namespace {

struct Collected {
    std::vector<FontFace> faces;
    bool described;  // with full names and styles
};

int CALLBACK CollectFace(const LOGFONTW* font, const TEXTMETRICW*, DWORD, LPARAM collected) {
    auto& into = *reinterpret_cast<Collected*>(collected);
    // A name the code page cannot spell could not be asked for again.
    auto name = ExactAnsi(font->lfFaceName);
    if (!name) return 1;
    into.faces.push_back(
        {std::move(*name), font->lfCharSet, static_cast<int>(font->lfWeight), font->lfItalic != 0});
    if (into.described) {
        const auto& described = *reinterpret_cast<const ENUMLOGFONTEXW*>(font);
        into.faces.back().fullName = ExactAnsi(described.elfFullName).value_or("");
        into.faces.back().style = ExactAnsi(described.elfStyle).value_or("");
    }
    return 1;
}

// The faces the system lists for the screen: with no family, each family's first face.
std::vector<FontFace> Enumerate(const std::wstring& family, bool described) {
    Collected collected{{}, described};
    const WindowDC screen(nullptr);
    if (!screen.get() || family.size() >= LF_FACESIZE) return {};
    LOGFONTW wanted{};
    wanted.lfCharSet = DEFAULT_CHARSET;
    lstrcpynW(wanted.lfFaceName, family.c_str(), LF_FACESIZE);
    EnumFontFamiliesExW(screen.get(), &wanted, CollectFace, reinterpret_cast<LPARAM>(&collected),
                        0);
    return std::move(collected.faces);
}

// Every string of a set, the English one first; those the code page cannot spell left out.
std::vector<std::string> Strings(IDWriteLocalizedStrings* set) {
    std::vector<std::string> strings;
    if (!set) return strings;
    UINT32 english = 0;
    BOOL exists = FALSE;
    if (FAILED(set->FindLocaleName(L"en-us", &english, &exists)) || !exists) english = 0;
    for (UINT32 n = 0; n < set->GetCount(); ++n) {
        const UINT32 i = n == 0 ? english : (n <= english ? n - 1 : n);
        UINT32 length = 0;
        if (FAILED(set->GetStringLength(i, &length))) continue;
        std::wstring text(length + 1, L'\0');
        if (FAILED(set->GetString(i, text.data(), length + 1))) continue;
        if (auto spelled = ExactAnsi(text.c_str())) strings.push_back(std::move(*spelled));
    }
    return strings;
}

// What a face says of itself, through DirectWrite; nullopt where it gives no family name.
std::optional<FileFace> Describe(IDWriteFontFace* plain) {
    IDWriteFontFace3* asked = nullptr;
    if (FAILED(plain->QueryInterface(__uuidof(IDWriteFontFace3), reinterpret_cast<void**>(&asked))))
        return std::nullopt;
    const UniqueCom<IDWriteFontFace3> face(asked);
    const auto strings = [&](DWRITE_INFORMATIONAL_STRING_ID id) {
        IDWriteLocalizedStrings* set = nullptr;
        BOOL exists = FALSE;
        if (FAILED(face.get()->GetInformationalStrings(id, &set, &exists)) || !exists)
            return std::vector<std::string>{};
        const UniqueCom<IDWriteLocalizedStrings> owned(set);
        return Strings(set);
    };
    const auto first = [&](DWRITE_INFORMATIONAL_STRING_ID id) {
        const auto said = strings(id);
        return said.empty() ? std::string() : said.front();
    };
    FileFace described;
    described.families = strings(DWRITE_INFORMATIONAL_STRING_WIN32_FAMILY_NAMES);
    if (described.families.empty()) return std::nullopt;
    described.style = first(DWRITE_INFORMATIONAL_STRING_WIN32_SUBFAMILY_NAMES);
    described.fullName = first(DWRITE_INFORMATIONAL_STRING_FULL_NAME);
    described.weight = face.get()->GetWeight();
    described.italic = face.get()->GetStyle() != DWRITE_FONT_STYLE_NORMAL;
    described.version = first(DWRITE_INFORMATIONAL_STRING_VERSION_STRINGS);
    described.designer = first(DWRITE_INFORMATIONAL_STRING_DESIGNER);
    described.maker = first(DWRITE_INFORMATIONAL_STRING_MANUFACTURER);
    described.copyright = first(DWRITE_INFORMATIONAL_STRING_COPYRIGHT_NOTICE);
    described.ranges = RangesOf(plain);
    return described;
}

}  // namespace

Win32Fonts::Win32Fonts(HWND mainWindow) : mainWindow_(mainWindow) {}

// Every family in every character set it offers, as the system lists them for the screen. The
// list is long and read at every preview: its full names and styles are left out.
std::vector<FontFace> Win32Fonts::faceList() {
    return Enumerate(L"", false);
}

std::vector<FontFace> Win32Fonts::familyFaces(const std::string& family) {
    return family.empty() ? std::vector<FontFace>{} : Enumerate(Widen(family), true);
}

std::vector<FileFace> Win32Fonts::fileFaces(const std::string& path) {
    std::vector<FileFace> faces;
    for (const auto& face : OpenFaces(Widen(path), UINT32(-1))) {
        if (auto described = Describe(face.get())) faces.push_back(std::move(*described));
    }
    return faces;
}

int Win32Fonts::addFontResource(const std::string& path) {
    return AddFontResourceW(Widen(path).c_str());
}

bool Win32Fonts::removeFontResource(const std::string& path) {
    return RemoveFontResourceW(Widen(path).c_str()) != FALSE;
}

void Win32Fonts::announceFontChange() {
    if (mainWindow_) SendMessageW(mainWindow_, WM_FONTCHANGE, 0, 0);
}

void Win32Fonts::broadcastFontChange() {
    constexpr UINT kPatience = 1000;  // milliseconds for each window that does not answer
    SendMessageTimeoutW(HWND_BROADCAST, WM_FONTCHANGE, 0, 0, SMTO_ABORTIFHUNG, kPatience, nullptr);
}

}  // namespace typelens::win32
