#include "app/qt/qt_input_codes.hpp"

#include "app/shared/key_rule.hpp"

namespace vorn {

namespace {

NamedKey namedKeyOf(int key) {
    switch (key) {
        case Qt::Key_Escape: return NamedKey::kEscape;
        case Qt::Key_Return:
        case Qt::Key_Enter: return NamedKey::kEnter;
        case Qt::Key_Backspace: return NamedKey::kBackspace;
        case Qt::Key_Tab: return NamedKey::kTab;
        default: return NamedKey::kNone;
    }
}

bool printable(QChar c) { return c.unicode() >= 0x20 && c.unicode() != 0x7F; }

// The character the key types on its own. With Ctrl, Qt's text is already
// the control character, so the key's own code (the upper-case letter, '[')
// stands in for it.
char32_t characterOf(int key, const QString& text) {
    if (text.size() == 1 && printable(text.front())) {
        return text.front().unicode();
    }
    return key >= Qt::Key_Space && key <= Qt::Key_AsciiTilde ? static_cast<char32_t>(key) : 0;
}

}  // namespace

std::vector<std::int16_t> typedCharacterCodes(int key, Qt::KeyboardModifiers modifiers, const QString& text) {
    const KeyStroke modifiersOnly{.control = modifiers.testFlag(Qt::ControlModifier),
                                  .alt = modifiers.testFlag(Qt::AltModifier),
                                  .meta = modifiers.testFlag(Qt::MetaModifier)};
    std::vector<std::int16_t> codes;
    if (text.size() > 1) {
        for (QChar c : text) {
            KeyStroke stroke = modifiersOnly;
            stroke.character = c.unicode();
            if (const auto code = desktopCharacterCode(stroke)) codes.push_back(*code);
        }
        return codes;
    }
    KeyStroke stroke = modifiersOnly;
    stroke.named = namedKeyOf(key);
    stroke.character = stroke.named == NamedKey::kNone ? characterOf(key, text) : 0;
    if (const auto code = desktopCharacterCode(stroke)) codes.push_back(*code);
    return codes;
}

}  // namespace vorn
