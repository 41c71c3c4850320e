#pragma once

#include <QString>
#include <Qt>
#include <cstdint>
#include <vector>

namespace vorn {

// Mouse buttons held, as a bit set: left 1, right 2, middle 4.
std::int16_t buttonCode(Qt::MouseButtons buttons);

// Modifier keys held, as a bit set: Shift 1, Ctrl 2, Alt 4.
std::int16_t shiftCode(Qt::KeyboardModifiers modifiers);

// The character codes a key press typed: Escape gives 27, a key that types
// no character (Shift, the arrows) gives none.
std::vector<std::int16_t> typedCharacterCodes(int key, const QString& text);

}  // namespace vorn
