#include "platform/fonts_win32.h"

#include <dwrite_3.h>

#include <utility>

#include "platform/ansi_win32.h"
#include "platform/late_win32.h"
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

}  // namespace

// What font files say about themselves, read through DirectWrite, which is loaded when a file is
// first read: most previews find a new family in the face list and need none of it.
class FileNames {
  public:
    FileNames() {
        using Create = HRESULT WINAPI(DWRITE_FACTORY_TYPE, REFIID, IUnknown**);
        const auto create = Late<Create>(L"dwrite.dll", "DWriteCreateFactory");
        IUnknown* made = nullptr;
        if (create &&
            SUCCEEDED(create(DWRITE_FACTORY_TYPE_ISOLATED, __uuidof(IDWriteFactory), &made))) {
            factory_.reset(static_cast<IDWriteFactory*>(made));
        }
    }

    std::vector<FileFace> read(const std::wstring& path) const {
        std::vector<FileFace> faces;
        IDWriteFontFile* opened = nullptr;
        if (!factory_ ||
            FAILED(factory_.get()->CreateFontFileReference(path.c_str(), nullptr, &opened)))
            return faces;
        const UniqueCom<IDWriteFontFile> file(opened);
        BOOL supported = FALSE;
        DWRITE_FONT_FILE_TYPE fileType{};
        DWRITE_FONT_FACE_TYPE faceType{};
        UINT32 count = 0;
        if (FAILED(file.get()->Analyze(&supported, &fileType, &faceType, &count)) || !supported)
            return faces;
        for (UINT32 index = 0; index < count; ++index) {
            if (auto face = readFace(file.get(), faceType, index))
                faces.push_back(std::move(*face));
        }
        return faces;
    }

  private:
    std::optional<FileFace> readFace(IDWriteFontFile* file, DWRITE_FONT_FACE_TYPE type,
                                     UINT32 index) const {
        IDWriteFontFace* made = nullptr;
        if (FAILED(factory_.get()->CreateFontFace(type, 1, &file, index,
                                                  DWRITE_FONT_SIMULATIONS_NONE, &made)))
            return std::nullopt;
        const UniqueCom<IDWriteFontFace> plain(made);
        IDWriteFontFace3* asked = nullptr;
        if (FAILED(plain.get()->QueryInterface(__uuidof(IDWriteFontFace3),
                                               reinterpret_cast<void**>(&asked))))
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
        FileFace described;
        described.families = strings(DWRITE_INFORMATIONAL_STRING_WIN32_FAMILY_NAMES);
        if (described.families.empty()) return std::nullopt;
        const auto styles = strings(DWRITE_INFORMATIONAL_STRING_WIN32_SUBFAMILY_NAMES);
        const auto fullNames = strings(DWRITE_INFORMATIONAL_STRING_FULL_NAME);
        described.style = styles.empty() ? "" : styles.front();
        described.fullName = fullNames.empty() ? "" : fullNames.front();
        described.weight = face.get()->GetWeight();
        described.italic = face.get()->GetStyle() != DWRITE_FONT_STYLE_NORMAL;
        return described;
    }

    UniqueCom<IDWriteFactory> factory_;
};

Win32Fonts::Win32Fonts(HWND mainWindow) : mainWindow_(mainWindow) {}
Win32Fonts::~Win32Fonts() = default;

// Every family in every character set it offers, as the system lists them for the screen. The
// list is long and read at every preview: its full names and styles are left out.
std::vector<FontFace> Win32Fonts::faceList() {
    return Enumerate(L"", false);
}

std::vector<FontFace> Win32Fonts::familyFaces(const std::string& family) {
    return family.empty() ? std::vector<FontFace>{} : Enumerate(Widen(family), true);
}

std::vector<FileFace> Win32Fonts::fileFaces(const std::string& path) {
    if (!fileNames_) fileNames_ = std::make_unique<FileNames>();
    return fileNames_->read(Widen(path));
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
