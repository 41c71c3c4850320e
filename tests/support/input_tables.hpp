#pragma once

// The picture area's gestures and keys, and what the form must be told for
// each: the one place where these expectations are written. The shared input
// rules are run through the gesture table; the key rules through the key
// table, and each layer's key translation through the rows it can type.

#include <cmath>
#include <cstdint>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include <variant>

#include "app/shared/picture_input.hpp"

namespace vorn {

// How GoogleTest prints an input event in a failure.
inline void PrintTo(const InputEvent& e, std::ostream* out) {
    *out << "{kind " << static_cast<int>(e.kind) << " key " << e.keyAscii << " button "
         << (e.button == MouseButton::kLeft ? "left" : "other") << " at " << e.at.x << "," << e.at.y << " scale "
         << e.scale << "}";
}

}  // namespace vorn

namespace vorn::testing {

// One thing the operator does, at inner-area pixel (column, row): the inner
// area starts at 0, its 2-pixel edge lies at -1 and -2 (and 579, 580 across;
// 764, 765 down), beyond it the pointer is off the area; rows 551 to 763 lie
// below the window's lower edge.
struct GestureStep {
    enum Kind { kPress, kRelease, kDoublePress, kMove, kFocusLost, kOtherPress, kOtherRelease };
    Kind kind;
    int column = 0;
    int row = 0;
};

struct Gesture {
    const char* name;
    std::vector<GestureStep> steps;
    // What the form's handlers receive at the next event service, written
    // as describe() writes it.
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
        {"focus or capture lost between press and release",
         {{S::kPress, 100, 100}, {S::kFocusLost}, {S::kRelease, 100, 100}}, {}},
        // A drag can reach the rows of Picture1 that lie below the window;
        // a release there is off the window, as off any other edge.
        {"press inside, release below the window",
         {{S::kPress, 100, 100}, {S::kRelease, 100, 551}, {S::kPress, 100, 100}, {S::kRelease, 100, 762}}, {}},
        {"press and release on the lowest visible row", {{S::kPress, 578, 550}, {S::kRelease, 578, 550}}, {"click"}},
        // The platform reports the second press of a quick pair as a double
        // press even when the first made no click; it is a press then.
        {"a click on the edge, then at once inside",
         {{S::kPress, -1, 100}, {S::kRelease, -1, 100}, {S::kDoublePress, 5, 100}, {S::kRelease, 5, 100}},
         {"click"}},
        // Only the left button makes clicks; the others neither make nor
        // spoil one, in whatever order they go.
        {"a left click with the other button pressed inside it",
         {{S::kPress, 50, 50}, {S::kOtherPress, 50, 50}, {S::kRelease, 50, 50}, {S::kOtherRelease, 50, 50}},
         {"click"}},
        {"a left click inside the other button's",
         {{S::kOtherPress, 50, 50}, {S::kPress, 50, 50}, {S::kOtherRelease, 50, 50}, {S::kRelease, 50, 50}},
         {"click"}},
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
    bool meta = false;
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
        // The Windows key's combinations are the shell's.
        {"Meta+-", U'-', false, false, false, std::nullopt, std::nullopt, true},
        {"Meta+Space", U' ', false, false, false, std::nullopt, std::nullopt, true},
    };
    return table;
}

// What the picture events tell the handlers, as text: "click",
// "double-click", "close", "key 27", and "move C,R" with the inner-area pixel
// (C, R) that the reported units stand for (x × 579 / 14.882789 and y × 25.6,
// rounded).
inline std::vector<std::string> describe(const std::vector<PictureEvent>& events) {
    std::vector<std::string> calls;
    for (const PictureEvent& event : events) {
        if (const auto* typed = std::get_if<picture_event::Typed>(&event)) {
            calls.push_back("key " + std::to_string(typed->keyAscii));
        } else if (const auto* moved = std::get_if<picture_event::Moved>(&event)) {
            calls.push_back("move " + std::to_string(std::lround(moved->at.x * 579.0 / 14.882789)) + "," +
                            std::to_string(std::lround(moved->at.y * 25.6)));
        } else if (std::holds_alternative<picture_event::Clicked>(event)) {
            calls.push_back("click");
        } else if (std::holds_alternative<picture_event::DoubleClicked>(event)) {
            calls.push_back("double-click");
        } else {
            calls.push_back("close");
        }
    }
    return calls;
}

// What the key table expects, written as describe() writes it.
inline std::vector<std::string> expectedCalls(std::optional<std::int16_t> code) {
    return code ? std::vector<std::string>{"key " + std::to_string(*code)} : std::vector<std::string>{};
}

}  // namespace vorn::testing
