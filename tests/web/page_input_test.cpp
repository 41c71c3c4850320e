// The web layer's translation of the page's input: typed characters, one
// row for each kind of pointer event the page reports, taps, the device
// scale, and the key table.
#include "app/web/page_input.hpp"
#include "app/web/page_scale.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/input_tables.hpp"

namespace {

using namespace vorn::web;
using vorn::AreaPoint;
using vorn::InputEvent;
using vorn::InputEvents;
using vorn::MouseButton;
using Kind = InputEvent::Kind;

// What the keys typed into `input` tell the form.
std::vector<std::string> typed(PageInput& input) {
    vorn::PictureInput rules;
    for (const InputEvent& event : input.takeEvents()) rules.feed(event);
    return vorn::testing::describe(rules.take());
}

// The character code the form gets for `key`, if any.
std::optional<std::int16_t> typedCharacterCode(const char* key, Modifiers modifiers) {
    PageInput input;
    const bool taken = input.keyPressed(key, modifiers);
    const InputEvents events = input.takeEvents();
    EXPECT_EQ(taken, !events.empty()) << "the browser's own action is cancelled just when the form takes the key";
    if (events.empty()) return std::nullopt;
    return events.front().keyAscii;
}

TEST(WebKeys, TypedCharactersArriveByTheirCode) {
    const struct {
        const char* key;
        Modifiers modifiers;
        std::optional<std::int16_t> code;
    } cases[] = {
        {"-", {}, 45},
        {"+", {.shift = true}, 43},
        {" ", {}, 32},
        {"/", {}, 47},
        {"Escape", {}, 27},
        {"Enter", {}, 13},
        {"A", {.shift = true}, 65},
        {"\xC3\xA9", {}, 0xE9},                                      // é
        {"\xE2\x82\xAC", {}, 0x20AC},                                // €
        {"\xEF\xBF\xBF", {}, static_cast<std::int16_t>(-1)},         // U+FFFF keeps its bits
        {"\xF0\x9F\x98\x80", {}, std::nullopt},                      // beyond 16 bits
        {"Shift", {.shift = true}, std::nullopt},
        {"ArrowUp", {}, std::nullopt},
        {"F5", {}, std::nullopt},
        {"", {}, std::nullopt},
        {"ab", {}, std::nullopt},
        {"\xC3", {}, std::nullopt},                                  // cut short
        {"\xC3\x28", {}, std::nullopt},                              // no continuation byte
        // The browser's shortcuts stay the browser's; Ctrl+[ is none.
        {"[", {.control = true}, 27},
        {"r", {.control = true}, std::nullopt},
        {"-", {.control = true}, std::nullopt},
        {"Escape", {.alt = true}, std::nullopt},
        {"c", {.meta = true}, std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(typedCharacterCode(c.key, c.modifiers), c.code) << '"' << c.key << '"';
    }
}

TEST(WebPointer, EachEventIsReportedAtThePixelThatHoldsIt) {
    // Zoomed pages give fractions; a drag off the area gives negative ones.
    constexpr auto mouse = PointerKind::kMouse;
    PageInput input;
    input.pointerMoved(2.99, -0.5);
    input.buttonPressed(0, 1000, mouse, 10.2, 11.7);
    input.buttonReleased(0, 10.2, 11.7);
    input.buttonPressed(0, 1100, mouse, 10.2, 11.7);
    input.buttonPressed(0, 1200, mouse, 10.2, 11.7);
    input.buttonPressed(0, 1300, mouse, 10.2, 11.7);
    input.buttonPressed(2, 1400, mouse, 10.2, 11.7);
    input.buttonReleased(1, 10.2, 11.7);
    input.focusLost();
    const AreaPoint at{10, 11};
    const InputEvents expected = {
        InputEvent::pointer(Kind::kPointerMoved, {2, -1}, 1),
        InputEvent::pointer(Kind::kPressed, at, 1),
        InputEvent::pointer(Kind::kReleased, at, 1),
        // A quick second press is a double-click's; a third starts anew.
        InputEvent::pointer(Kind::kDoublePressed, at, 1),
        InputEvent::pointer(Kind::kPressed, at, 1),
        InputEvent::pointer(Kind::kDoublePressed, at, 1),
        // Another button's press is none of the left's second presses.
        InputEvent::pointer(Kind::kPressed, at, 1, MouseButton::kOther),
        InputEvent::pointer(Kind::kReleased, at, 1, MouseButton::kOther),
        InputEvent::of(Kind::kFocusLost),
    };
    EXPECT_EQ(input.takeEvents(), expected);
    EXPECT_TRUE(input.takeEvents().empty()) << "handed over once";
}

// What two presses and releases, the second `gapMs` after the first and
// `apart` CSS pixels to its right, tell the form.
std::vector<std::string> twoTaps(PointerKind kind, double gapMs, double apart) {
    PageInput input;
    // A tap's order: pointerdown, pointerup; its mouse events come after and
    // are not reported.
    input.buttonPressed(0, 5000, kind, 100.5, 100.5);
    input.buttonReleased(0, 100.5, 100.5);
    input.buttonPressed(0, 5000 + gapMs, kind, 100.5 + apart, 100.5);
    input.buttonReleased(0, 100.5 + apart, 100.5);
    vorn::PictureInput rules;
    for (const InputEvent& event : input.takeEvents()) rules.feed(event);
    return vorn::testing::describe(rules.take());
}

TEST(WebPointer, TapsInTheirOrderAreClicksAndAQuickNearOneADoubleClick) {
    // Catches a double press told by a wrong time or distance, or a finger
    // held to a mouse's tolerance.
    const std::vector<std::string> click = vorn::testing::describe({vorn::picture_event::Clicked{}});
    const std::vector<std::string> clickThenDouble =
        vorn::testing::describe({vorn::picture_event::Clicked{}, vorn::picture_event::DoubleClicked{}});
    std::vector<std::string> twoClicks = click;
    twoClicks.insert(twoClicks.end(), click.begin(), click.end());
    EXPECT_EQ(twoTaps(PointerKind::kTouchOrPen, 200, 0), clickThenDouble);
    EXPECT_EQ(twoTaps(PointerKind::kTouchOrPen, 200, 10), clickThenDouble) << "a finger lands a little apart";
    EXPECT_EQ(twoTaps(PointerKind::kTouchOrPen, 600, 0), twoClicks) << "too slow for a double tap";
    EXPECT_EQ(twoTaps(PointerKind::kTouchOrPen, 200, 40), twoClicks) << "too far for a double tap";
    EXPECT_EQ(twoTaps(PointerKind::kMouse, 200, 10), twoClicks) << "too far for a double-click";
}

TEST(WebPointer, AtADeviceScaleThePositionReducesToTheSameFramePixel) {
    // A phone: 3 device pixels per CSS pixel, 2 per frame pixel. The centre
    // of inner pixel (200, 100) lies (2 + 200.5) × 2/3 CSS pixels across.
    // Catches positions taken as CSS pixels, or reported at the wrong scale.
    PageInput atScaleOne;
    atScaleOne.pointerMoved(202.5, 102.5);
    PageInput onAPhone;
    onAPhone.laidOut(3, 2);
    onAPhone.pointerMoved(202.5 * 2 / 3, 102.5 * 2 / 3);
    EXPECT_EQ(typed(onAPhone), typed(atScaleOne));
}

TEST(WebScale, TheWindowTakesTheDensitysWholeNumberLoweredToFitTheWidth) {
    // The whole window is 585 pixels across at scale 1, its border included.
    const struct {
        double devicePixelRatio;
        int viewportWidth;  // device pixels
        int scale;
    } cases[] = {
        {2, 1600, 2},
        {3, 1170, 2},  // 390 CSS pixels: 3 × 585 does not fit, 2 × 585 just does
        {3, 1169, 1},  // the border counts
        {3, 3 * 585, 3},
        {2, 720, 1},
        {1.75, 3000, 2},  // as a desktop at 175 %
        {3, 100, 1},  // never below 1
        {0, 3000, 1},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(pageWindowScale(c.devicePixelRatio, c.viewportWidth), c.scale)
            << c.devicePixelRatio << " at " << c.viewportWidth;
    }
}

TEST(WebKeys, EachKeyOfTheTableGivesWhatTheBrowserLeavesToThePage) {
    for (const vorn::testing::KeyRow& row : vorn::testing::keyTable()) {
        PageInput input;
        const std::string key = row.escape ? std::string("Escape") : std::string(1, static_cast<char>(row.character));
        input.keyPressed(key, {.control = row.control, .alt = row.alt, .meta = row.meta});
        EXPECT_EQ(typed(input), vorn::testing::expectedCalls(row.browser)) << row.name;
    }
}

}  // namespace
