#include "platform/dwrite_win32.h"

#include "platform/late_win32.h"

namespace typelens::win32 {
namespace {

// Whether the file's table directory lies within it; the file is open only while this reads.
bool DirectoryFits(const std::wstring& path) {
    const UniqueFile file(CreateFileW(path.c_str(), GENERIC_READ,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                      nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    LARGE_INTEGER size{};
    if (!file || !GetFileSizeEx(file.get(), &size)) return false;
    const auto read = [&](std::uint64_t offset, std::size_t length) {
        std::string bytes(length, '\0');
        LARGE_INTEGER at{};
        at.QuadPart = static_cast<LONGLONG>(offset);
        DWORD got = 0;
        if (!SetFilePointerEx(file.get(), at, nullptr, FILE_BEGIN) ||
            !ReadFile(file.get(), bytes.data(), static_cast<DWORD>(length), &got, nullptr)) {
            got = 0;
        }
        bytes.resize(got);
        return bytes;
    };
    return TableDirectoryFits(read, static_cast<std::uint64_t>(size.QuadPart));
}

}  // namespace

IDWriteFactory* DirectWrite() {
    static const UniqueCom<IDWriteFactory> factory = [] {
        using Create = HRESULT WINAPI(DWRITE_FACTORY_TYPE, REFIID, IUnknown**);
        const auto create = Late<Create>(L"dwrite.dll", "DWriteCreateFactory");
        IUnknown* made = nullptr;
        if (!create ||
            FAILED(create(DWRITE_FACTORY_TYPE_ISOLATED, __uuidof(IDWriteFactory), &made))) {
            made = nullptr;
        }
        return UniqueCom<IDWriteFactory>(static_cast<IDWriteFactory*>(made));
    }();
    return factory.get();
}

std::vector<UniqueCom<IDWriteFontFace>> OpenFaces(const std::wstring& path, UINT32 most) {
    std::vector<UniqueCom<IDWriteFontFace>> faces;
    IDWriteFactory* factory = DirectWrite();
    IDWriteFontFile* opened = nullptr;
    if (!factory || !DirectoryFits(path) ||
        FAILED(factory->CreateFontFileReference(path.c_str(), nullptr, &opened))) {
        return faces;
    }
    const UniqueCom<IDWriteFontFile> file(opened);
    BOOL supported = FALSE;
    DWRITE_FONT_FILE_TYPE fileType{};
    DWRITE_FONT_FACE_TYPE faceType{};
    UINT32 count = 0;
    if (FAILED(file.get()->Analyze(&supported, &fileType, &faceType, &count)) || !supported) {
        return faces;
    }
    IDWriteFontFile* files[] = {file.get()};
    for (UINT32 index = 0; index < count && index < most; ++index) {
        IDWriteFontFace* face = nullptr;
        if (SUCCEEDED(factory->CreateFontFace(faceType, 1, files, index,
                                              DWRITE_FONT_SIMULATIONS_NONE, &face))) {
            faces.emplace_back(face);
        }
    }
    return faces;
}

std::vector<CodeRange> RangesOf(IDWriteFontFace* face) {
    IDWriteFontFace1* asked = nullptr;
    if (FAILED(face->QueryInterface(__uuidof(IDWriteFontFace1), reinterpret_cast<void**>(&asked))))
        return {};
    const UniqueCom<IDWriteFontFace1> face1(asked);
    UINT32 count = 0;
    face1.get()->GetUnicodeRanges(0, nullptr, &count);  // tells the count, and fails for it
    std::vector<DWRITE_UNICODE_RANGE> found(count);
    if (FAILED(face1.get()->GetUnicodeRanges(count, found.data(), &count))) return {};
    std::vector<CodeRange> ranges;
    for (const DWRITE_UNICODE_RANGE& range : found) ranges.push_back({range.first, range.last});
    return ranges;
}

}  // namespace typelens::win32
