#pragma once

// The picture area's gestures and keys, and what the form must be told for
// each: one table that every windowing layer's translation is run through,
// each layer's test turning the steps into its own platform's events.

#include <cmath>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "app/picture_handlers.hpp"

namespace vorn::testing {

// One thing the operator does, at inner-area pixel (column, row): the inner
// area starts at 0, its 2-pixel edge lies at -1 and -2 (and 579, 580 across;
// 764, 765 down), beyond it the pointer is off the area.
struct GestureStep {
    enum Kind { kPress, kRelease, kDoublePress, kMove, kCaptureLost, kOtherPress, kOtherRelease };
    Kind kind;
    int column = 0;
    int row = 0;
};

struct Gesture {
    const char* name;
    std::vector<GestureStep> steps;
    // What the form's handlers receive at the next event service, written
    // as RecordedCalls writes it.
    std::vector<std::string> expected;
};

inline const std::vector<Gesture>& gestureTable() {
    using S = GestureStep;
    static const std::vector<Gesture> table = {
        {"press and release inside", {{S::kPress, 100, 100}, {S::kRelease, 110, 90}}, {"click"}},
        {"press inside, release outside", {{S::kPress, 100, 100}, {S::kRelease, 700, 100}}, {}},
        {"press inside, release on the edge", {{S::kPress, 100, 100}, {S::kRelease, -1, 100}}, {}},
        {"press outside, release inside", {{S::kPress, -40, 100}, {S::kRelease, 100, 100}}, {}},
        {"press and release on the edge", {{S::kPress, -2, 300}, {S::kRelease, -1, 300}}, {}},
        {"a double-click inside",
         {{S::kPress, 50, 50}, {S::kRelease, 50, 50}, {S::kDoublePress, 50, 50}, {S::kRelease, 50, 50}},
         {"click", "double-click"}},
        {"a double-click on the edge",
         {{S::kPress, 300, -1}, {S::kRelease, 300, -1}, {S::kDoublePress, 300, -1}, {S::kRelease, 300, -1}},
         {}},
        {"a drag out and back in",
         {{S::kPress, 10, 10}, {S::kMove, -30, 10}, {S::kMove, 20, 20}, {S::kRelease, 20, 20}},
         {"move 20,20", "click"}},
        {"a drag out, released outside",
         {{S::kPress, 10, 10}, {S::kMove, -30, 10}, {S::kRelease, -30, 10}}, {"move -30,10"}},
        {"capture lost between press and release",
         {{S::kPress, 100, 100}, {S::kCaptureLost}, {S::kRelease, 100, 100}}, {}},
        {"the other buttons make no click", {{S::kOtherPress, 100, 100}, {S::kOtherRelease, 100, 100}}, {}},
        {"three moves in one service", {{S::kMove, 10, 10}, {S::kMove, 11, 30}, {S::kMove, 12, 20}}, {"move 12,20"}},
        {"moves on the edge report nothing", {{S::kMove, -1, 10}, {S::kMove, 10, 764}}, {}},
        {"moves apart keep their order",
         {{S::kMove, 10, 10}, {S::kPress, 10, 10}, {S::kRelease, 10, 10}, {S::kMove, 12, 20}, {S::kMove, 13, 21}},
         {"move 10,10", "click", "move 13,21"}},
    };
    return table;
}

// A key the operator types: the character it types on its own (with Shift),
// or a named key, and the modifiers held; what a desktop window's character
// message gives for it (Windows' WM_CHAR), and what the web page passes on.
struct KeyRow {
    const char* name;
    char32_t character;
    bool escape;
    bool control;
    bool alt;
    std::optional<std::int16_t> desktop;
    std::optional<std::int16_t> browser;
};

inline const std::vector<KeyRow>& keyTable() {
    static const std::vector<KeyRow> table = {
        {"-", U'-', false, false, false, '-', '-'},
        {"+", U'+', false, false, false, '+', '+'},
        {"Space", U' ', false, false, false, ' ', ' '},
        {"a", U'a', false, false, false, 'a', 'a'},
        {"Escape", 0, true, false, false, 27, 27},
        {"Ctrl+[", U'[', false, true, false, 27, 27},
        {"Ctrl+Escape", 0, true, true, false, 27, std::nullopt},
        {"Alt+Escape", 0, true, false, true, std::nullopt, std::nullopt},
        {"Alt+-", U'-', false, false, true, std::nullopt, std::nullopt},
        {"Ctrl+-", U'-', false, true, false, std::nullopt, std::nullopt},
        {"Alt++", U'+', false, false, true, std::nullopt, std::nullopt},
        {"Ctrl+,", U',', false, true, false, std::nullopt, std::nullopt},
        {"Ctrl+.", U'.', false, true, false, std::nullopt, std::nullopt},
        {"Ctrl+Space", U' ', false, true, false, ' ', std::nullopt},
        {"Ctrl+A", U'a', false, true, false, 1, std::nullopt},
    };
    return table;
}

// The handlers' calls as text: "click", "double-click", "key 27", and
// "move C,R" with the inner-area pixel (C, R) that the reported units stand
// for (x × 579 / 14.882789 and y × 25.6, rounded).
class RecordedCalls final : public PictureHandlers {
public:
    void Picture1_Click() override { calls.push_back("click"); }
    void Picture1_DblClick() override { calls.push_back("double-click"); }
    void Picture1_KeyPress(std::int16_t keyAscii) override { calls.push_back("key " + std::to_string(keyAscii)); }
    void Picture1_MouseMove(std::int16_t /*button*/, std::int16_t /*shift*/, float x, float y) override {
        const long column = std::lround(x * 579.0 / 14.882789);
        const long row = std::lround(y * 25.6);
        calls.push_back("move " + std::to_string(column) + "," + std::to_string(row));
    }

    std::vector<std::string> calls;
};

// What the key table expects, written as RecordedCalls writes it.
inline std::vector<std::string> expectedCalls(std::optional<std::int16_t> code) {
    return code ? std::vector<std::string>{"key " + std::to_string(*code)} : std::vector<std::string>{};
}

}  // namespace vorn::testing
