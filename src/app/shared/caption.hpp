#pragma once

namespace vorn {

// The window's caption, which tells the operator the controls. The two gaps
// are runs of 13 spaces each.
inline constexpr const char* kCaption =
    "VORN and Conventional             Use: SpaceBar + - / * mouse , .             ESC to Quit";

}  // namespace vorn
