// The program's pictures at any size: drawn on a key colour that stands for transparent, which
// is taken out before a picture is scaled, so no edge keeps a tint of it.
#pragma once

#include <cstdint>
#include <vector>

namespace typelens {

// Pixels 0xAARRGGBB, each colour premultiplied by its alpha, rows top first.
struct Picture {
    int width = 0, height = 0;
    std::vector<std::uint32_t> pixels;
};

inline constexpr std::uint32_t kKeyColour = 0xFF00FF;  // magenta: the drawings' transparent

// A drawing (pixels 0x..RRGGBB) with its key colour made transparent and the rest opaque.
Picture Keyed(int width, int height, const std::vector<std::uint32_t>& drawing,
              std::uint32_t key = kKeyColour);

// `picture` at width x height, each new pixel the average of the area it covers.
Picture Scaled(const Picture& picture, int width, int height);

}  // namespace typelens
