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

// The character codes a key press types, by the desktop's key rule: what
// Windows' character message gives for the same keys. A key that types no
// character (Shift, the arrows, anything with Alt) gives none; an input
// method's text gives each of its characters.
std::vector<std::int16_t> typedCharacterCodes(int key, Qt::KeyboardModifiers modifiers, const QString& text);

}  // namespace vorn
