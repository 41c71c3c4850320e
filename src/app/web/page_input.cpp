#include "app/web/page_input.hpp"

#include <cmath>

#include "app/input_masks.hpp"
#include "app/window_geometry.hpp"
#include "input/key_commands.hpp"

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

}  // namespace

std::optional<std::int16_t> typedCharacterCode(std::string_view key, Modifiers modifiers) {
    if (modifiers.control || modifiers.alt || modifiers.meta) {
        return std::nullopt;
    }
    if (key == "Escape") return kEscapeKey;
    if (key == "Enter") return 13;
    if (key == "Backspace") return 8;
    if (key == "Tab") return 9;
    const std::optional<char32_t> code = singleCodePoint(key);
    if (!code || *code > 0xFFFF) {
        return std::nullopt;
    }
    // The desktop's character code is a 16-bit signed integer too; codes past
    // 0x7FFF keep their bits.
    return static_cast<std::int16_t>(static_cast<std::uint16_t>(*code));
}

std::int16_t buttonCode(unsigned buttons) {
    // The event's bits: primary 1, secondary 2, auxiliary (middle) 4.
    return buttonMask((buttons & 1) != 0, (buttons & 2) != 0, (buttons & 4) != 0);
}

std::int16_t shiftCode(Modifiers modifiers) { return shiftMask(modifiers.shift, modifiers.control, modifiers.alt); }

std::pair<int, int> innerAreaPixel(double left, double top) {
    return {static_cast<int>(std::floor(left)) - kPictureAreaBorder,
            static_cast<int>(std::floor(top)) - kPictureAreaBorder};
}

bool PageInput::keyPressed(std::string_view key, Modifiers modifiers) {
    const std::optional<std::int16_t> code = typedCharacterCode(key, modifiers);
    if (code) {
        pending_.push_back(KeyTyped{*code});
    }
    return code.has_value();
}

void PageInput::pointerMoved(double left, double top, unsigned buttons, Modifiers modifiers) {
    const auto [column, row] = innerAreaPixel(left, top);
    if (!moves_.isMove(column, row)) {
        return;
    }
    if (const auto position = reportedPointerPosition(column, row)) {
        pending_.push_back(PointerMoved{buttonCode(buttons), shiftCode(modifiers), *position});
    }
}

void PageInput::clicked(int detail) {
    if (detail % 2 == 1) {
        pending_.push_back(Clicked{});
    }
}

void PageInput::doubleClicked() { pending_.push_back(DoubleClicked{}); }

}  // namespace vorn::web
