#include "app/qt/qt_input_codes.hpp"

#include "input/key_commands.hpp"

namespace vorn {

std::int16_t buttonCode(Qt::MouseButtons buttons) {
    std::int16_t code = 0;
    if (buttons & Qt::LeftButton) code |= 1;
    if (buttons & Qt::RightButton) code |= 2;
    if (buttons & Qt::MiddleButton) code |= 4;
    return code;
}

std::int16_t shiftCode(Qt::KeyboardModifiers modifiers) {
    std::int16_t code = 0;
    if (modifiers & Qt::ShiftModifier) code |= 1;
    if (modifiers & Qt::ControlModifier) code |= 2;
    if (modifiers & Qt::AltModifier) code |= 4;
    return code;
}

std::vector<std::int16_t> typedCharacterCodes(int key, const QString& text) {
    // Some platforms report Escape without its control character.
    if (key == Qt::Key_Escape) {
        return {kEscapeKey};
    }
    std::vector<std::int16_t> codes;
    codes.reserve(static_cast<std::size_t>(text.size()));
    for (QChar c : text) {
        codes.push_back(static_cast<std::int16_t>(c.unicode()));
    }
    return codes;
}

}  // namespace vorn
