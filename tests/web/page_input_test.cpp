// The web layer's translation of the page's input: typed characters, the
// masks, and the gesture and key tables every layer passes, from the events
// the page's listeners report.
#include "app/web/page_input.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/gesture_table.hpp"

namespace {

using namespace vorn::web;
using vorn::testing::GestureStep;
using vorn::testing::RecordedCalls;

// The character code the form gets for `key`, if any.
std::optional<std::int16_t> typedCharacterCode(const char* key, Modifiers modifiers) {
    PageInput input;
    const bool typed = input.keyPressed(key, modifiers);
    RecordedCalls form;
    input.deliverTo(form);
    EXPECT_EQ(typed, !form.calls.empty()) << "the browser's own action is cancelled just when the form takes the key";
    if (form.calls.empty()) return std::nullopt;
    return static_cast<std::int16_t>(std::stoi(form.calls.front().substr(4)));
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

TEST(WebPointer, ButtonsAndModifiersBecomeTheDesktopMasks) {
    EXPECT_EQ(buttonCode(0), 0);
    EXPECT_EQ(buttonCode(1), 1);
    EXPECT_EQ(buttonCode(2), 2);
    EXPECT_EQ(buttonCode(4), 4);
    EXPECT_EQ(buttonCode(1 | 2 | 4 | 8 | 16), 7) << "back and forward are no buttons of the form's";
    EXPECT_EQ(shiftCode({}), 0);
    EXPECT_EQ(shiftCode({.shift = true, .control = true, .alt = true}), 7);
    EXPECT_EQ(shiftCode({.meta = true}), 0);
}

// The page's CSS pixel under inner pixel (column, row): its centre.
double cssLeft(const GestureStep& step) { return step.column + 2 + 0.5; }
double cssTop(const GestureStep& step) { return step.row + 2 + 0.5; }

void feed(PageInput& input, const GestureStep& step) {
    const double left = cssLeft(step);
    const double top = cssTop(step);
    switch (step.kind) {
        case GestureStep::kPress: input.buttonPressed(0, 1, left, top); break;
        case GestureStep::kRelease: input.buttonReleased(0, left, top); break;
        case GestureStep::kDoublePress: input.buttonPressed(0, 2, left, top); break;
        case GestureStep::kMove: input.pointerMoved(left, top, 0, {}); break;
        case GestureStep::kCaptureLost: input.captureLost(); break;
        case GestureStep::kOtherPress: input.buttonPressed(2, 1, left, top); break;
        case GestureStep::kOtherRelease: input.buttonReleased(2, left, top); break;
    }
}

TEST(WebGestures, EachGestureTellsTheFormWhatTheDesktopTellsIt) {
    for (const vorn::testing::Gesture& gesture : vorn::testing::gestureTable()) {
        PageInput input;
        for (const GestureStep& step : gesture.steps) feed(input, step);
        RecordedCalls form;
        input.deliverTo(form);
        EXPECT_EQ(form.calls, gesture.expected) << gesture.name;
    }
}

TEST(WebGestures, ATripleClickIsADoubleClickThenAPress) {
    PageInput input;
    for (int detail : {1, 2, 3}) {
        input.buttonPressed(0, detail, 50, 50);
        input.buttonReleased(0, 50, 50);
    }
    RecordedCalls form;
    input.deliverTo(form);
    EXPECT_EQ(form.calls, (std::vector<std::string>{"click", "double-click", "click"}));
}

TEST(WebKeys, EachKeyOfTheTableGivesWhatTheBrowserLeavesToThePage) {
    for (const vorn::testing::KeyRow& row : vorn::testing::keyTable()) {
        PageInput input;
        const std::string key = row.escape ? std::string("Escape") : std::string(1, static_cast<char>(row.character));
        input.keyPressed(key, {.control = row.control, .alt = row.alt});
        RecordedCalls form;
        input.deliverTo(form);
        EXPECT_EQ(form.calls, vorn::testing::expectedCalls(row.browser)) << row.name;
    }
}

TEST(WebInput, NothingReachesTheFormBeforeItServesItsEvents) {
    PageInput input;
    input.keyPressed("Escape", {});
    input.buttonPressed(0, 1, 50, 50);
    input.buttonReleased(0, 50, 50);
    RecordedCalls form;
    EXPECT_TRUE(form.calls.empty());
    input.deliverTo(form);
    EXPECT_EQ(form.calls, (std::vector<std::string>{"key 27", "click"}));
}

TEST(WebInput, ZoomedPositionsFallToThePixelThatHoldsThem) {
    PageInput input;
    input.pointerMoved(2.99, 2.0, 0, {});
    input.buttonPressed(0, 1, 1.99, 10.0);  // on the edge: no click
    input.buttonReleased(0, 1.99, 10.0);
    RecordedCalls form;
    input.deliverTo(form);
    EXPECT_EQ(form.calls, (std::vector<std::string>{"move 0,0"}));
}

}  // namespace
