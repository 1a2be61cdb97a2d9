#include "install/registry_value.h"

#include <cmath>
#include <cstdint>
#include <optional>

#include "preview/number_text.h"

namespace typelens {
namespace {

std::optional<double> NumberIn(const RegistryValue& value, const NumberFormat& format) {
    if (const double* number = std::get_if<double>(&value)) return *number;
    return ParseLocaleNumber(std::get<std::string>(value), format);
}

// The four bytes of a signed 32-bit integer, least significant first.
std::optional<std::string> DwordBytes(double number) {
    const double rounded = std::nearbyint(number);  // the default rounding is half to even
    if (!(rounded >= INT32_MIN && rounded <= INT32_MAX)) return std::nullopt;
    const auto bits = static_cast<std::uint32_t>(static_cast<std::int32_t>(rounded));
    std::string bytes(4, '\0');
    for (int i = 0; i < 4; ++i) bytes[i] = static_cast<char>((bits >> (8 * i)) & 0xFF);
    return bytes;
}

}  // namespace

std::string TrimSpaces(const std::string& text) {
    return std::string(Trimmed(text, " "));
}

Outcome SetRegistryValue(Registry& registry, RegistryRoot root, const std::string& keyPath,
                         const std::string& valueName, const RegistryValue& value,
                         const NumberFormat& format) {
    const std::optional<double> number = NumberIn(value, format);

    const OpenedKey opened = registry.createKey(root, keyPath);
    if (!opened.key) return opened.outcome;

    if (!number) {
        std::string data = TrimSpaces(std::get<std::string>(value));
        data += '\0';
        return opened.key->setValue(valueName, RegistryType::String, data);
    }
    const auto bytes = DwordBytes(*number);
    if (!bytes) return Outcome::Failed;
    return opened.key->setValue(valueName, RegistryType::Dword, *bytes);
}

}  // namespace typelens
