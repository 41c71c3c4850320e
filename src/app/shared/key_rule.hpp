#pragma once

#include <cstdint>
#include <optional>

namespace vorn {

// The keys that type a control character rather than a printable one.
enum class NamedKey { kNone, kEscape, kEnter, kBackspace, kTab };

// A key press as a windowing layer reads it: the character the key types on
// its own (with Shift, but without Ctrl's or Alt's effect: 'a' for Ctrl+A,
// '[' for Ctrl+[), or a named key, and the modifiers held.
struct KeyStroke {
    char32_t character = 0;
    NamedKey named = NamedKey::kNone;
    bool control = false;
    bool alt = false;
    bool meta = false;
};

// The character code a desktop window's character message gives for
// `stroke`, as Windows' WM_CHAR does: the character itself; 27, 13, 8 and 9
// for Escape, Enter, Backspace and Tab; with Ctrl, the control character of a
// letter or of @ [ \ ] ^ _ (Ctrl+[ is Escape, 27), a space for Ctrl+Space, 27
// for Ctrl+Escape, 10 for Ctrl+Enter, 127 for Ctrl+Backspace, and nothing for
// other keys; with Alt or the Windows key, nothing. None also for characters
// beyond 16 bits.
std::optional<std::int16_t> desktopCharacterCode(const KeyStroke& stroke);

// The same in a web page, where keys with Ctrl, Alt or Meta stay the
// browser's shortcuts; only Ctrl+[, no shortcut in any browser, is Escape
// there as on the desktop.
std::optional<std::int16_t> browserCharacterCode(const KeyStroke& stroke);

}  // namespace vorn
