#pragma once

#include <QString>
#include <Qt>
#include <cstdint>
#include <vector>

namespace vorn {

// The character codes a key press types, by the desktop's key rule: what
// Windows' character message gives for the same keys. A key that types no
// character (Shift, the arrows, anything with Alt) gives none; an input
// method's text gives each of its characters.
std::vector<std::int16_t> typedCharacterCodes(int key, Qt::KeyboardModifiers modifiers, const QString& text);

}  // namespace vorn
