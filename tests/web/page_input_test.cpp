// The web layer's translation of the page's input: typed characters, the
// masks, where a move is reported, clicks as the desktop gives them, and the
// queue that holds it all until the form serves its events.
#include "app/web/page_input.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using namespace vorn::web;

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
        // The browser's shortcuts stay the browser's.
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

TEST(WebPointer, PagePositionsBecomeInnerAreaPixels) {
    EXPECT_EQ(innerAreaPixel(2.0, 2.0), std::make_pair(0, 0));
    EXPECT_EQ(innerAreaPixel(1.9, 2.5), std::make_pair(-1, 0)) << "on the edge";
    EXPECT_EQ(innerAreaPixel(2.5, 3.75), std::make_pair(0, 1)) << "a zoomed page's fractions";
    EXPECT_EQ(innerAreaPixel(-10.5, 800.0), std::make_pair(-13, 798));
}

// Records the handlers the queue calls, as the form would receive them.
struct RecordingForm {
    std::vector<std::string> calls;
    PageInput* input = nullptr;

    void Picture1_KeyPress(std::int16_t keyAscii) { calls.push_back("key " + std::to_string(keyAscii)); }
    void Picture1_MouseMove(std::int16_t button, std::int16_t shift, float x, float y) {
        calls.push_back("move " + std::to_string(button) + " " + std::to_string(shift) + " " + std::to_string(x) +
                        " " + std::to_string(y));
    }
    void Picture1_Click() {
        calls.push_back("click");
        // Input that arrives while a handler runs waits for the next service.
        if (input != nullptr) input->keyPressed("+", {});
    }
    void Picture1_DblClick() { calls.push_back("double-click"); }
};

TEST(WebInputQueue, DeliversOnlyWhenServedInOrderAndOnce) {
    PageInput input;
    RecordingForm form;
    EXPECT_TRUE(input.keyPressed("-", {}));
    EXPECT_FALSE(input.keyPressed("Shift", {.shift = true})) << "the browser keeps keys that type nothing";
    input.pointerMoved(2.0, 2.0, 1, {.shift = true});
    input.keyPressed("+", {});
    input.deliverTo(form);
    EXPECT_EQ(form.calls, (std::vector<std::string>{"key 45", "move 1 1 0.000000 0.000000", "key 43"}));

    form.calls.clear();
    input.deliverTo(form);
    EXPECT_TRUE(form.calls.empty()) << "each event is delivered once";
}

TEST(WebInputQueue, InputArrivingDuringServiceWaitsForTheNext) {
    PageInput input;
    RecordingForm form{.calls = {}, .input = &input};
    input.clicked(1);
    input.deliverTo(form);
    EXPECT_EQ(form.calls, (std::vector<std::string>{"click"}));
    form.input = nullptr;
    input.deliverTo(form);
    EXPECT_EQ(form.calls, (std::vector<std::string>{"click", "key 43"}));
}

TEST(WebInputQueue, ADoubleClickIsAClickThenTheDoubleClickAsOnTheDesktop) {
    // The page reports: click (1), click (2), double-click, then a third
    // click (3) of a triple click.
    PageInput input;
    RecordingForm form;
    input.clicked(1);
    input.clicked(2);
    input.doubleClicked();
    input.clicked(3);
    input.deliverTo(form);
    EXPECT_EQ(form.calls, (std::vector<std::string>{"click", "double-click", "click"}));
}

TEST(WebInputQueue, MovesOverTheEdgeAndMovesThatDoNotMoveReportNothing) {
    PageInput input;
    RecordingForm form;
    input.pointerMoved(0.5, 100.0, 0, {});    // the sunken edge
    input.pointerMoved(100.0, 100.0, 0, {});
    input.pointerMoved(100.4, 100.9, 0, {});  // the same pixel again
    input.pointerMoved(-20.0, 100.0, 1, {});  // a drag beyond the area
    input.deliverTo(form);
    ASSERT_EQ(form.calls.size(), 2u);
    const vorn::PointerPosition at = vorn::pointerPositionInUnits(98, 98);
    EXPECT_EQ(form.calls[0], "move 0 0 " + std::to_string(at.x) + " " + std::to_string(at.y));
    EXPECT_EQ(form.calls[1].rfind("move 1 0 -", 0), 0u) << form.calls[1];
}

}  // namespace
