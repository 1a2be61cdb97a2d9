#pragma once

#include "platform/shell.h"

namespace typelens::win32 {

class Win32Shell : public Shell {
  public:
    bool open(const std::string& address) override;
};

}  // namespace typelens::win32
