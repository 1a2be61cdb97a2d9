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

}  // namespace

std::unique_ptr<RegistryKey> Win32Registry::createKey(RegistryRoot root, const std::string& path) {
    HKEY opened = nullptr;
    const HKEY rootKey = reinterpret_cast<HKEY>(static_cast<ULONG_PTR>(static_cast<LONG>(root)));
    if (RegCreateKeyA(rootKey, path.c_str(), &opened) != ERROR_SUCCESS) return nullptr;
    return std::make_unique<Key>(UniqueKey(opened));
}

}  // namespace typelens::win32
