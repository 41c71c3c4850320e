#include "app/web/page_input.hpp"

#include <cmath>

#include "app/input_masks.hpp"

namespace vorn::web {

namespace {

// The one code point that `utf8` spells, if it spells exactly one.
std::optional<char32_t> singleCodePoint(std::string_view utf8) {
    if (utf8.empty()) {
        return std::nullopt;
    }
    const auto lead = static_cast<unsigned char>(utf8[0]);
    const std::size_t length = lead < 0x80 ? 1 : (lead >> 5) == 0x6 ? 2 : (lead >> 4) == 0xE ? 3 : (lead >> 3) == 0x1E ? 4 : 0;
    if (length == 0 || utf8.size() != length) {
        return std::nullopt;
    }
    char32_t code = length == 1 ? lead : lead & (0x7F >> length);
    for (std::size_t i = 1; i < length; ++i) {
        const auto next = static_cast<unsigned char>(utf8[i]);
        if ((next & 0xC0) != 0x80) {
            return std::nullopt;
        }
        code = code << 6 | (next & 0x3F);
    }
    return code;
}

NamedKey namedKeyOf(std::string_view key) {
    if (key == "Escape") return NamedKey::kEscape;
    if (key == "Enter") return NamedKey::kEnter;
    if (key == "Backspace") return NamedKey::kBackspace;
    if (key == "Tab") return NamedKey::kTab;
    return NamedKey::kNone;
}

AreaPoint areaPoint(double left, double top) {
    return {static_cast<int>(std::floor(left)), static_cast<int>(std::floor(top))};
}

MouseButton buttonOf(int button) { return button == 0 ? MouseButton::kLeft : MouseButton::kOther; }

}  // namespace

KeyStroke keyStrokeOf(std::string_view key, Modifiers modifiers) {
    KeyStroke stroke{.control = modifiers.control, .alt = modifiers.alt, .meta = modifiers.meta};
    stroke.named = namedKeyOf(key);
    if (stroke.named == NamedKey::kNone) {
        stroke.character = singleCodePoint(key).value_or(0);
    }
    return stroke;
}

std::int16_t buttonCode(unsigned buttons) {
    // The event's bits: primary 1, secondary 2, auxiliary (middle) 4.
    return buttonMask((buttons & 1) != 0, (buttons & 2) != 0, (buttons & 4) != 0);
}

std::int16_t shiftCode(Modifiers modifiers) { return shiftMask(modifiers.shift, modifiers.control, modifiers.alt); }

bool PageInput::keyPressed(std::string_view key, Modifiers modifiers) {
    const std::optional<std::int16_t> code = browserCharacterCode(keyStrokeOf(key, modifiers));
    if (code) {
        input_.characterTyped(*code);
    }
    return code.has_value();
}

void PageInput::pointerMoved(double left, double top, unsigned buttons, Modifiers modifiers) {
    input_.pointerMoved(areaPoint(left, top), buttonCode(buttons), shiftCode(modifiers));
}

void PageInput::buttonPressed(int button, int detail, double left, double top) {
    // A desktop reports a double-click's second press in place of a plain
    // one; so does every even click count here (a third press starts anew).
    if (detail >= 2 && detail % 2 == 0) {
        input_.buttonDoublePressed(buttonOf(button), areaPoint(left, top));
    } else {
        input_.buttonPressed(buttonOf(button), areaPoint(left, top));
    }
}

void PageInput::buttonReleased(int button, double left, double top) {
    input_.buttonReleased(buttonOf(button), areaPoint(left, top));
}

}  // namespace vorn::web
