#pragma once

#include "platform/registry.h"

namespace typelens::win32 {

class Win32Registry : public Registry {
  public:
    OpenedKey createKey(RegistryRoot root, const std::string& path) override;
    TextValue readText(RegistryRoot root, const std::string& path,
                       const std::string& name) override;
};

}  // namespace typelens::win32
