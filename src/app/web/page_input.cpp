#include "app/web/page_input.hpp"

#include <cmath>
#include <utility>


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

// A double-click's second press comes within Windows' default double-click
// time of the first, and within its rectangle: 4 pixels at 100 % for a
// mouse; a finger's second tap is given a fingertip's width.
constexpr double kDoublePressMs = 500;
constexpr double kMouseDoublePressSlop = 2;
constexpr double kFingerDoublePressSlop = 12;

NamedKey namedKeyOf(std::string_view key) {
    if (key == "Escape") return NamedKey::kEscape;
    if (key == "Enter") return NamedKey::kEnter;
    if (key == "Backspace") return NamedKey::kBackspace;
    if (key == "Tab") return NamedKey::kTab;
    return NamedKey::kNone;
}

}  // namespace

KeyStroke keyStrokeOf(std::string_view key, Modifiers modifiers) {
    KeyStroke stroke{.control = modifiers.control, .alt = modifiers.alt, .meta = modifiers.meta};
    stroke.named = namedKeyOf(key);
    if (stroke.named == NamedKey::kNone) {
        stroke.character = singleCodePoint(key).value_or(0);
    }
    return stroke;
}

bool PageInput::keyPressed(std::string_view key, Modifiers modifiers) {
    const std::optional<std::int16_t> code = browserCharacterCode(keyStrokeOf(key, modifiers));
    if (code) {
        events_.push_back(InputEvent::character(*code));
    }
    return code.has_value();
}

void PageInput::laidOut(double devicePixelRatio, int scale) {
    devicePixelRatio_ = devicePixelRatio > 0 ? devicePixelRatio : 1;
    scale_ = scale;
}

void PageInput::addPointer(InputEvent::Kind kind, int button, double left, double top) {
    const AreaPoint at{static_cast<int>(std::floor(left * devicePixelRatio_)),
                       static_cast<int>(std::floor(top * devicePixelRatio_))};
    events_.push_back(InputEvent::pointer(kind, at, scale_, button == 0 ? MouseButton::kLeft : MouseButton::kOther));
}

void PageInput::pointerMoved(double left, double top) { addPointer(InputEvent::Kind::kPointerMoved, 0, left, top); }

bool PageInput::isSecondPress(const Press& press, PointerKind kind) const {
    if (!lastPress_ || lastPress_->second || lastPress_->button != press.button) {
        return false;
    }
    // In CSS pixels, which the page's zoom and density leave the operator's.
    const double slop = kind == PointerKind::kMouse ? kMouseDoublePressSlop : kFingerDoublePressSlop;
    return press.timeMs - lastPress_->timeMs <= kDoublePressMs && std::abs(press.left - lastPress_->left) <= slop &&
           std::abs(press.top - lastPress_->top) <= slop;
}

void PageInput::buttonPressed(int button, double timeMs, PointerKind kind, double left, double top) {
    // A desktop reports a double-click's second press in place of a plain
    // one; so does this, and a third press starts anew.
    Press press{button, timeMs, left, top, false};
    press.second = isSecondPress(press, kind);
    lastPress_ = press;
    addPointer(press.second ? InputEvent::Kind::kDoublePressed : InputEvent::Kind::kPressed, button, left, top);
}

void PageInput::buttonReleased(int button, double left, double top) {
    addPointer(InputEvent::Kind::kReleased, button, left, top);
}

InputEvents PageInput::takeEvents() { return std::exchange(events_, {}); }

}  // namespace vorn::web
