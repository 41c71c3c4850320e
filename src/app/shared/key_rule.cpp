#include "app/shared/key_rule.hpp"

#include "input/key_commands.hpp"

namespace vorn {

namespace {

std::optional<std::int16_t> namedKeyCode(NamedKey key) {
    switch (key) {
        case NamedKey::kEscape: return kEscapeKey;
        case NamedKey::kEnter: return 13;
        case NamedKey::kBackspace: return 8;
        case NamedKey::kTab: return 9;
        case NamedKey::kNone: break;
    }
    return std::nullopt;
}

std::optional<std::int16_t> unmodifiedCode(const KeyStroke& stroke) {
    if (stroke.named != NamedKey::kNone) {
        return namedKeyCode(stroke.named);
    }
    if (stroke.character == 0 || stroke.character > 0xFFFF) {
        return std::nullopt;
    }
    // The character code is a 16-bit signed integer; codes past 0x7FFF keep
    // their bits.
    return static_cast<std::int16_t>(static_cast<std::uint16_t>(stroke.character));
}

// Ctrl with a key, as the Windows keyboard layouts give it.
std::optional<std::int16_t> controlCode(const KeyStroke& stroke) {
    switch (stroke.named) {
        case NamedKey::kEscape: return kEscapeKey;
        case NamedKey::kEnter: return 10;
        case NamedKey::kBackspace: return 127;
        case NamedKey::kTab: return std::nullopt;
        case NamedKey::kNone: break;
    }
    const char32_t c = stroke.character;
    if ((c >= U'a' && c <= U'z') || (c >= U'@' && c <= U'_')) {
        return static_cast<std::int16_t>(c & 0x1F);
    }
    if (c == U' ') {
        return static_cast<std::int16_t>(' ');
    }
    return std::nullopt;
}

}  // namespace

std::optional<std::int16_t> desktopCharacterCode(const KeyStroke& stroke) {
    if (stroke.alt || stroke.meta) {
        return std::nullopt;
    }
    return stroke.control ? controlCode(stroke) : unmodifiedCode(stroke);
}

std::optional<std::int16_t> browserCharacterCode(const KeyStroke& stroke) {
    if (stroke.control && !stroke.alt && !stroke.meta && stroke.named == NamedKey::kNone &&
        stroke.character == U'[') {
        return kEscapeKey;
    }
    if (stroke.control || stroke.alt || stroke.meta) {
        return std::nullopt;
    }
    return unmodifiedCode(stroke);
}

}  // namespace vorn
