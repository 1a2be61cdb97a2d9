#include "app/pictures.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace typelens {

Picture Keyed(int width, int height, const std::vector<std::uint32_t>& drawing, std::uint32_t key) {
    Picture keyed{width, height, {}};
    keyed.pixels.reserve(drawing.size());
    for (const std::uint32_t pixel : drawing) {
        const std::uint32_t colour = pixel & 0xFFFFFF;
        keyed.pixels.push_back(colour == key ? 0 : 0xFF000000 | colour);
    }
    return keyed;
}

// Box filtering: every source pixel adds to each new pixel by the share of its area that lies
// within that new pixel. Premultiplied colours average correctly: a transparent pixel adds
// nothing to the colour, only to the transparency.
Picture Scaled(const Picture& picture, int width, int height) {
    if (width == picture.width && height == picture.height) return picture;
    Picture scaled{width, height, std::vector<std::uint32_t>(std::size_t(width) * height)};
    const double sx = double(picture.width) / width, sy = double(picture.height) / height;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            std::array<double, 4> sum{};  // a, r, g, b
            const double left = x * sx, right = (x + 1) * sx, top = y * sy, bottom = (y + 1) * sy;
            for (int v = int(top); v < std::min<int>(picture.height, int(std::ceil(bottom))); ++v) {
                const double h = std::min<double>(bottom, v + 1) - std::max<double>(top, v);
                for (int u = int(left); u < std::min<int>(picture.width, int(std::ceil(right)));
                     ++u) {
                    const double share =
                        h * (std::min<double>(right, u + 1) - std::max<double>(left, u));
                    const std::uint32_t p = picture.pixels[std::size_t(v) * picture.width + u];
                    for (int c = 0; c < 4; ++c) sum[c] += share * ((p >> (24 - 8 * c)) & 0xFF);
                }
            }
            std::uint32_t pixel = 0;
            for (int c = 0; c < 4; ++c) {
                const auto value = std::uint32_t(std::lround(std::min(255.0, sum[c] / (sx * sy))));
                pixel |= value << (24 - 8 * c);
            }
            scaled.pixels[std::size_t(y) * width + x] = pixel;
        }
    }
    return scaled;
}

}  // namespace typelens
