#include "app/qt/qt_input_codes.hpp"

#include "app/input_masks.hpp"
#include "input/key_commands.hpp"

namespace vorn {

std::int16_t buttonCode(Qt::MouseButtons buttons) {
    return buttonMask(buttons.testFlag(Qt::LeftButton), buttons.testFlag(Qt::RightButton),
                      buttons.testFlag(Qt::MiddleButton));
}

std::int16_t shiftCode(Qt::KeyboardModifiers modifiers) {
    return shiftMask(modifiers.testFlag(Qt::ShiftModifier), modifiers.testFlag(Qt::ControlModifier),
                     modifiers.testFlag(Qt::AltModifier));
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
