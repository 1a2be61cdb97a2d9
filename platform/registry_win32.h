#pragma once

#include "platform/registry.h"

namespace typelens::win32 {

class Win32Registry : public Registry {
  public:
    std::unique_ptr<RegistryKey> createKey(RegistryRoot root, const std::string& path) override;
};

}  // namespace typelens::win32
