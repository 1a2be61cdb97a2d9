#pragma once

#include "platform/environment.h"

namespace typelens::win32 {

class Win32Environment : public Environment {
  public:
    std::optional<std::string> variable(const std::string& name) override;
    void beep() override;
    NumberFormat numberFormat() override;
};

}  // namespace typelens::win32
