#include "app/win32/message_translation.hpp"

namespace vorn::win32 {

namespace {

using Kind = InputEvent::Kind;

// GET_X_LPARAM and GET_Y_LPARAM: signed, since a captured drag reports
// positions left of and above the area as negative.
AreaPoint positionOf(std::int64_t lParam) {
    const auto bits = static_cast<std::uint32_t>(lParam);
    return {static_cast<std::int16_t>(bits & 0xFFFF), static_cast<std::int16_t>(bits >> 16)};
}

struct ButtonMessage {
    unsigned message;
    Kind kind;
    MouseButton button;
};

constexpr ButtonMessage kButtonMessages[] = {
    {kMouseMoveMessage, Kind::kPointerMoved, MouseButton::kLeft},
    {kLeftButtonDownMessage, Kind::kPressed, MouseButton::kLeft},
    {kLeftButtonDoubleClickMessage, Kind::kDoublePressed, MouseButton::kLeft},
    {kLeftButtonUpMessage, Kind::kReleased, MouseButton::kLeft},
    {kRightButtonDownMessage, Kind::kPressed, MouseButton::kOther},
    {kRightButtonDoubleClickMessage, Kind::kPressed, MouseButton::kOther},
    {kRightButtonUpMessage, Kind::kReleased, MouseButton::kOther},
    {kMiddleButtonDownMessage, Kind::kPressed, MouseButton::kOther},
    {kMiddleButtonDoubleClickMessage, Kind::kPressed, MouseButton::kOther},
    {kMiddleButtonUpMessage, Kind::kReleased, MouseButton::kOther},
};

}  // namespace

bool translatePictureMessage(const PictureMessage& m, InputEvents& events) {
    for (const ButtonMessage& b : kButtonMessages) {
        if (b.message == m.message) {
            events.push_back(InputEvent::pointer(b.kind, positionOf(m.lParam), m.scale, b.button));
            return true;
        }
    }
    switch (m.message) {
        case kCharMessage:
            if (!m.windowsKeyDown) events.push_back(InputEvent::character(static_cast<std::int16_t>(m.wParam)));
            return true;
        case kSysCharMessage:
            // Alt with a character types nothing here. Alt+Space is the
            // window system's: it opens the window menu. Any other, passed
            // on, would only beep, as the window has no menu to choose from.
            return m.wParam != ' ';
        case kCaptureChangedMessage:
            // Taking the capture again for a second button is no loss.
            if (m.lParam != m.self) events.push_back(InputEvent::of(Kind::kFocusLost));
            return true;
        case kKillFocusMessage:
        case kCancelModeMessage:
            events.push_back(InputEvent::of(Kind::kFocusLost));
            return false;
        default:
            return false;
    }
}

}  // namespace vorn::win32
