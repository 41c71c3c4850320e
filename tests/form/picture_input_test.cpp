// The one translation of the picture area's input that every windowing layer
// feeds: the gesture and key tables through it, at scales 1, 2 and 3.
#include "app/shared/picture_input.hpp"

#include <gtest/gtest.h>

#include "app/shared/key_rule.hpp"
#include "support/input_tables.hpp"

namespace {

using namespace vorn;
using vorn::testing::GestureStep;

// The device position of the top-left corner of inner pixel (column, row)'s
// block at `scale`, and one inside it.
AreaPoint devicePoint(const GestureStep& step, int scale, int within) {
    return {(step.column + 2) * scale + within, (step.row + 2) * scale + within};
}

InputEvent eventFor(const GestureStep& step, int scale, int within) {
    using Kind = InputEvent::Kind;
    const AreaPoint at = devicePoint(step, scale, within);
    switch (step.kind) {
        case GestureStep::kPress: return InputEvent::pointer(Kind::kPressed, at, scale);
        case GestureStep::kRelease: return InputEvent::pointer(Kind::kReleased, at, scale);
        case GestureStep::kDoublePress: return InputEvent::pointer(Kind::kDoublePressed, at, scale);
        case GestureStep::kMove: return InputEvent::pointer(Kind::kPointerMoved, at, scale);
        case GestureStep::kFocusLost: return InputEvent::of(Kind::kFocusLost);
        case GestureStep::kOtherPress: return InputEvent::pointer(Kind::kPressed, at, scale, MouseButton::kOther);
        case GestureStep::kOtherRelease: return InputEvent::pointer(Kind::kReleased, at, scale, MouseButton::kOther);
    }
    return {};
}

TEST(PictureInput, EachGestureTellsTheFormTheSameAtEveryScale) {
    for (int scale : {1, 2, 3}) {
        for (int within : {0, scale - 1}) {
            for (const vorn::testing::Gesture& gesture : vorn::testing::gestureTable()) {
                PictureInput input;
                for (const GestureStep& step : gesture.steps) input.feed(eventFor(step, scale, within));
                EXPECT_EQ(vorn::testing::describe(input.take()), gesture.expected)
                    << gesture.name << " at scale " << scale << " + " << within;
            }
        }
    }
}

TEST(PictureInput, AMoveToWhereThePointerRestsIsNoMoveAndCharactersAndClosingPassAsTheyCome) {
    using Kind = InputEvent::Kind;
    PictureInput input;
    input.feed(InputEvent::pointer(Kind::kPointerRests, {80, 80}, 2));
    input.feed(InputEvent::pointer(Kind::kPointerMoved, {81, 81}, 2));  // the same frame pixel at scale 2
    input.feed(InputEvent::character(27));
    input.feed(InputEvent::of(Kind::kCloseRequested));
    input.feed(InputEvent::pointer(Kind::kPointerMoved, {80, 82}, 2));
    EXPECT_EQ(vorn::testing::describe(input.take()), (std::vector<std::string>{"key 27", "close", "move 38,39"}));
    EXPECT_TRUE(input.take().empty()) << "taken once";
}

TEST(KeyRule, EachKeyGivesOnTheDesktopWhatWindowsGivesAndInTheBrowserWhatItLeaves) {
    for (const vorn::testing::KeyRow& row : vorn::testing::keyTable()) {
        const KeyStroke stroke{.character = row.character,
                               .named = row.escape ? NamedKey::kEscape : NamedKey::kNone,
                               .control = row.control,
                               .alt = row.alt,
                               .meta = row.meta};
        EXPECT_EQ(desktopCharacterCode(stroke), row.desktop) << row.name;
        EXPECT_EQ(browserCharacterCode(stroke), row.browser) << row.name;
    }
}

TEST(KeyRule, ControlCharactersAndKeysBeyondTheCharacterRange) {
    const struct {
        KeyStroke stroke;
        std::optional<std::int16_t> desktop;
    } cases[] = {
        {{.character = U'z', .control = true}, 26},  {{.character = U'Z', .control = true}, 26},
        {{.character = U']', .control = true}, 29},  {{.character = U'_', .control = true}, 31},
        {{.named = NamedKey::kEnter}, 13},           {{.named = NamedKey::kEnter, .control = true}, 10},
        {{.named = NamedKey::kBackspace}, 8},        {{.named = NamedKey::kBackspace, .control = true}, 127},
        {{.named = NamedKey::kTab}, 9},              {{.named = NamedKey::kTab, .control = true}, std::nullopt},
        {{.character = U'a', .meta = true}, std::nullopt},
        {{.character = U'é'}, static_cast<std::int16_t>(0xE9)},
        {{.character = U'\uFFFD'}, static_cast<std::int16_t>(-3)},
        {{.character = U'\U0001F600'}, std::nullopt},
        {{}, std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(desktopCharacterCode(c.stroke), c.desktop)
            << "U+" << std::hex << static_cast<unsigned>(c.stroke.character) << " control " << c.stroke.control;
    }
}

}  // namespace
