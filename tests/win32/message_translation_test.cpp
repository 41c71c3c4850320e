// The Win32 layer's translation of Picture1's window messages: one row for
// each message it translates, and the ones it leaves to the window system.
#include "app/win32/message_translation.hpp"

#include <gtest/gtest.h>

#include "support/input_tables.hpp"

namespace {

using namespace vorn::win32;
using vorn::AreaPoint;
using vorn::InputEvent;
using vorn::InputEvents;
using vorn::MouseButton;
using Kind = InputEvent::Kind;

// MAKELPARAM of a client position: two signed 16-bit halves.
std::int64_t positionParameter(int x, int y) {
    return static_cast<std::int64_t>(static_cast<std::uint16_t>(x) |
                                     static_cast<std::uint32_t>(static_cast<std::uint16_t>(y)) << 16);
}

constexpr std::int64_t kSelf = 0x1234;

struct Translated {
    bool done;
    InputEvents events;
};

Translated translate(unsigned message, std::uint64_t wParam, std::int64_t lParam, bool windowsKey = false) {
    Translated out{};
    out.done = translatePictureMessage(
        {.message = message, .wParam = wParam, .lParam = lParam, .scale = 2, .windowsKeyDown = windowsKey, .self = kSelf},
        out.events);
    return out;
}

TEST(Win32Messages, EachMouseMessageIsReportedWhereItHappened) {
    // A captured drag left of and above the area reports negative positions.
    const AreaPoint at{-30, 12};
    const std::int64_t lParam = positionParameter(at.x, at.y);
    const struct {
        unsigned message;
        InputEvent expected;
    } rows[] = {
        {kMouseMoveMessage, InputEvent::pointer(Kind::kPointerMoved, at, 2)},
        {kLeftButtonDownMessage, InputEvent::pointer(Kind::kPressed, at, 2)},
        {kLeftButtonDoubleClickMessage, InputEvent::pointer(Kind::kDoublePressed, at, 2)},
        {kLeftButtonUpMessage, InputEvent::pointer(Kind::kReleased, at, 2)},
        {kRightButtonDownMessage, InputEvent::pointer(Kind::kPressed, at, 2, MouseButton::kOther)},
        {kRightButtonDoubleClickMessage, InputEvent::pointer(Kind::kPressed, at, 2, MouseButton::kOther)},
        {kRightButtonUpMessage, InputEvent::pointer(Kind::kReleased, at, 2, MouseButton::kOther)},
        {kMiddleButtonDownMessage, InputEvent::pointer(Kind::kPressed, at, 2, MouseButton::kOther)},
        {kMiddleButtonDoubleClickMessage, InputEvent::pointer(Kind::kPressed, at, 2, MouseButton::kOther)},
        {kMiddleButtonUpMessage, InputEvent::pointer(Kind::kReleased, at, 2, MouseButton::kOther)},
    };
    for (const auto& row : rows) {
        const Translated t = translate(row.message, 0, lParam);
        EXPECT_TRUE(t.done) << std::hex << row.message;
        EXPECT_EQ(t.events, InputEvents{row.expected}) << std::hex << row.message;
    }
}

TEST(Win32Messages, CharactersButNotWithAltOrTheWindowsKey) {
    EXPECT_EQ(translate(kCharMessage, '-', 0).events, InputEvents{InputEvent::character('-')});
    EXPECT_EQ(translate(kCharMessage, 0xFFFD, 0).events, InputEvents{InputEvent::character(-3)});
    // Win+- reaches the window wherever the shell does not take it.
    const Translated windowsKey = translate(kCharMessage, '-', 0, true);
    EXPECT_TRUE(windowsKey.done);
    EXPECT_TRUE(windowsKey.events.empty());
    const Translated alt = translate(kSysCharMessage, '-', 0);
    EXPECT_TRUE(alt.done) << "Alt with a key would only beep";
    EXPECT_TRUE(alt.events.empty());
    EXPECT_FALSE(translate(kSysCharMessage, ' ', 0).done) << "Alt+Space opens the window menu";
}

TEST(Win32Messages, LosingTheFocusTheModeOrTheCaptureLosesAHalfMadeClick) {
    const InputEvents lost{InputEvent::of(Kind::kFocusLost)};
    EXPECT_EQ(translate(kCaptureChangedMessage, 0, 0).events, lost);
    EXPECT_EQ(translate(kCaptureChangedMessage, 0, 0x9999).events, lost);
    // Taking the capture again for a chord's second button is no loss.
    EXPECT_TRUE(translate(kCaptureChangedMessage, 0, kSelf).events.empty());
    // Focus and mode changes go on to the window system too.
    for (const unsigned message : {kKillFocusMessage, kCancelModeMessage}) {
        const Translated t = translate(message, 0, 0);
        EXPECT_FALSE(t.done) << std::hex << message;
        EXPECT_EQ(t.events, lost) << std::hex << message;
    }
}

TEST(Win32Messages, OtherMessagesAreLeftToTheWindowSystem) {
    for (const unsigned message : {0x000Fu /* WM_PAINT */, 0x0100u /* WM_KEYDOWN */, 0x020Bu /* WM_XBUTTONDOWN */}) {
        const Translated t = translate(message, 0x41, 0);
        EXPECT_FALSE(t.done) << std::hex << message;
        EXPECT_TRUE(t.events.empty()) << std::hex << message;
    }
}

}  // namespace
