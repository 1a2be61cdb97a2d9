// The toolbar's buttons, which carry neither keys nor captions: the image index tells them apart.
#pragma once

namespace typelens {

namespace toolbar_image {
inline constexpr int Install = 1;
inline constexpr int Bold = 2;
inline constexpr int Italic = 3;
// 4, a small A beside a large one, is in the image list and on no button.
inline constexpr int About = 5;
inline constexpr int None = 0;  // separators and the size box's placeholder
}  // namespace toolbar_image

enum class ToolbarCommand { None, Install, Bold, Italic, About };

// The image index is compared with Install, Bold, Italic and About in that order.
constexpr ToolbarCommand CommandForImage(int image) {
    if (image == toolbar_image::Install) return ToolbarCommand::Install;
    if (image == toolbar_image::Bold) return ToolbarCommand::Bold;
    if (image == toolbar_image::Italic) return ToolbarCommand::Italic;
    if (image == toolbar_image::About) return ToolbarCommand::About;
    return ToolbarCommand::None;
}

}  // namespace typelens
