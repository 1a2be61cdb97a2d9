// Writes one registry value, choosing its type from the value itself.
#pragma once

#include <string>
#include <variant>

#include "platform/environment.h"
#include "platform/registry.h"

namespace typelens {

// A number, or a text.
using RegistryValue = std::variant<double, std::string>;

// `text` without the space characters at its ends, as text values are written.
std::string TrimSpaces(const std::string& text);

// Writes `value` as `valueName` under `root`\`keyPath`, creating the key when it is missing.
// A number, or a text that reads completely as one under `format`, becomes a REG_DWORD (rounded
// half to even; outside the signed 32-bit range nothing is written, a failure); any other text
// becomes a REG_SZ without its outer spaces, ending in one NUL.
Outcome SetRegistryValue(Registry& registry, RegistryRoot root, const std::string& keyPath,
                         const std::string& valueName, const RegistryValue& value,
                         const NumberFormat& format);

}  // namespace typelens
