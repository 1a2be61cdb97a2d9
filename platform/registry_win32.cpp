#include "platform/registry_win32.h"

#include "platform/scoped_win32.h"

namespace typelens::win32 {
namespace {

class Key : public RegistryKey {
  public:
    explicit Key(UniqueKey key) : key_(std::move(key)) {}
    bool setValue(const std::string& name, RegistryType type, const std::string& data) override {
        return RegSetValueExA(key_.get(), name.c_str(), 0, static_cast<DWORD>(type),
                              reinterpret_cast<const BYTE*>(data.data()),
                              static_cast<DWORD>(data.size())) == ERROR_SUCCESS;
    }

  private:
    UniqueKey key_;
};

HKEY RootKey(RegistryRoot root) {
    return reinterpret_cast<HKEY>(static_cast<ULONG_PTR>(static_cast<LONG>(root)));
}

}  // namespace

std::unique_ptr<RegistryKey> Win32Registry::createKey(RegistryRoot root, const std::string& path) {
    HKEY opened = nullptr;
    if (RegCreateKeyA(RootKey(root), path.c_str(), &opened) != ERROR_SUCCESS) return nullptr;
    return std::make_unique<Key>(UniqueKey(opened));
}

std::optional<std::string> Win32Registry::readText(RegistryRoot root, const std::string& path,
                                                   const std::string& name) {
    DWORD size = 0;
    if (RegGetValueA(RootKey(root), path.c_str(), name.c_str(), RRF_RT_REG_SZ, nullptr, nullptr,
                     &size) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    std::string text(size, '\0');
    if (RegGetValueA(RootKey(root), path.c_str(), name.c_str(), RRF_RT_REG_SZ, nullptr, text.data(),
                     &size) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    text.resize(text.find('\0'));  // the NUL the value ends in, and the room for it
    return text;
}

}  // namespace typelens::win32
