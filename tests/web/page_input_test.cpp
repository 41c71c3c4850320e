// The web layer's translation of the page's input: typed characters, one
// row for each kind of pointer event the page reports, and the key table.
#include "app/web/page_input.hpp"

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
    PageInput input;
    input.pointerMoved(2.99, -0.5);
    input.buttonPressed(0, 1, 10.2, 11.7);
    input.buttonReleased(0, 10.2, 11.7);
    input.buttonPressed(0, 2, 10.2, 11.7);
    input.buttonPressed(0, 3, 10.2, 11.7);
    input.buttonPressed(0, 4, 10.2, 11.7);
    input.buttonPressed(2, 1, 10.2, 11.7);
    input.buttonReleased(1, 10.2, 11.7);
    input.focusLost();
    const AreaPoint at{10, 11};
    const InputEvents expected = {
        InputEvent::pointer(Kind::kPointerMoved, {2, -1}, 1),
        InputEvent::pointer(Kind::kPressed, at, 1),
        InputEvent::pointer(Kind::kReleased, at, 1),
        // Every even click count is a double-click's second press; a third
        // press starts anew.
        InputEvent::pointer(Kind::kDoublePressed, at, 1),
        InputEvent::pointer(Kind::kPressed, at, 1),
        InputEvent::pointer(Kind::kDoublePressed, at, 1),
        InputEvent::pointer(Kind::kPressed, at, 1, MouseButton::kOther),
        InputEvent::pointer(Kind::kReleased, at, 1, MouseButton::kOther),
        InputEvent::of(Kind::kFocusLost),
    };
    EXPECT_EQ(input.takeEvents(), expected);
    EXPECT_TRUE(input.takeEvents().empty()) << "handed over once";
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
