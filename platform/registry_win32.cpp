#include "platform/registry_win32.h"

#include "platform/ansi_win32.h"
#include "platform/scoped_win32.h"

namespace typelens::win32 {
namespace {

Outcome OutcomeOf(LSTATUS status) {
    if (status == ERROR_SUCCESS) return Outcome::Done;
    return status == ERROR_ACCESS_DENIED ? Outcome::Denied : Outcome::Failed;
}

class Key : public RegistryKey {
  public:
    explicit Key(UniqueKey key) : key_(std::move(key)) {}
    // A text is stored as the system stores every text, in UTF-16, so that a name in any
    // script reads back as itself.
    Outcome setValue(const std::string& name, RegistryType type, const std::string& data) override {
        const std::wstring text = type == RegistryType::String ? Widen(data) : std::wstring();
        const BYTE* bytes = type == RegistryType::String
                                ? reinterpret_cast<const BYTE*>(text.data())
                                : reinterpret_cast<const BYTE*>(data.data());
        const std::size_t size =
            type == RegistryType::String ? text.size() * sizeof(wchar_t) : data.size();
        return OutcomeOf(RegSetValueExW(key_.get(), Widen(name).c_str(), 0,
                                        static_cast<DWORD>(type), bytes, static_cast<DWORD>(size)));
    }

  private:
    UniqueKey key_;
};

HKEY RootKey(RegistryRoot root) {
    return reinterpret_cast<HKEY>(static_cast<ULONG_PTR>(static_cast<LONG>(root)));
}

}  // namespace

OpenedKey Win32Registry::createKey(RegistryRoot root, const std::string& path) {
    HKEY opened = nullptr;
    const Outcome outcome = OutcomeOf(RegCreateKeyW(RootKey(root), Widen(path).c_str(), &opened));
    if (outcome != Outcome::Done) return {nullptr, outcome};
    return {std::make_unique<Key>(UniqueKey(opened)), outcome};
}

// Only a value that is not there, under a key that may not be there either, is absent; a value
// of another type (REG_DWORD, REG_BINARY, REG_EXPAND_SZ), or one that may not be read, is there.
TextValue Win32Registry::readText(RegistryRoot root, const std::string& path,
                                  const std::string& name) {
    const std::wstring key = Widen(path), value = Widen(name);
    const auto read = [&](wchar_t* into, DWORD& size) {
        return RegGetValueW(RootKey(root), key.c_str(), value.c_str(), RRF_RT_REG_SZ, nullptr, into,
                            &size);
    };
    DWORD size = 0;
    LSTATUS status = read(nullptr, size);
    if (status == ERROR_FILE_NOT_FOUND) return {TextValue::State::Absent};
    std::wstring text(size / sizeof(wchar_t) + 1, L'\0');
    if (status == ERROR_SUCCESS) status = read(text.data(), size);
    auto spelled = status == ERROR_SUCCESS ? ExactAnsi(text.c_str()) : std::nullopt;
    if (!spelled) return {TextValue::State::Unreadable};
    return {TextValue::State::Text, std::move(*spelled)};
}

}  // namespace typelens::win32
