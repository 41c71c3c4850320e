// The one translation of the picture area's input that every windowing layer
// feeds: the gesture and key tables through it, at scales 1 and 2, and input
// held until the form serves its events.
#include "app/picture_input.hpp"

#include <gtest/gtest.h>

#include "app/key_rule.hpp"
#include "support/gesture_table.hpp"

namespace {

using namespace vorn;
using vorn::testing::GestureStep;

// The device position of the top-left corner of inner pixel (column, row)'s
// block at `scale`, and one inside it.
AreaPoint devicePoint(const GestureStep& step, int scale, int within) {
    return {(step.column + 2) * scale + within, (step.row + 2) * scale + within};
}

void feed(PictureInput& input, const GestureStep& step, int scale, int within) {
    const AreaPoint at = devicePoint(step, scale, within);
    switch (step.kind) {
        case GestureStep::kPress: input.buttonPressed(MouseButton::kLeft, at); break;
        case GestureStep::kRelease: input.buttonReleased(MouseButton::kLeft, at); break;
        case GestureStep::kDoublePress: input.buttonDoublePressed(MouseButton::kLeft, at); break;
        case GestureStep::kMove: input.pointerMoved(at, 0, 0); break;
        case GestureStep::kCaptureLost: input.captureLost(); break;
        case GestureStep::kOtherPress: input.buttonPressed(MouseButton::kOther, at); break;
        case GestureStep::kOtherRelease: input.buttonReleased(MouseButton::kOther, at); break;
    }
}

TEST(PictureInput, EachGestureTellsTheFormTheSameAtEveryScale) {
    for (int scale : {1, 2, 3}) {
        for (int within : {0, scale - 1}) {
            for (const vorn::testing::Gesture& gesture : vorn::testing::gestureTable()) {
                PictureInput input;
                input.setScale(scale);
                for (const GestureStep& step : gesture.steps) feed(input, step, scale, within);
                vorn::testing::RecordedCalls form;
                input.deliverTo(form);
                EXPECT_EQ(form.calls, gesture.expected) << gesture.name << " at scale " << scale << " + " << within;
            }
        }
    }
}

TEST(PictureInput, HoldsInputUntilTheFormServesItsEventsAndDeliversItOnce) {
    PictureInput input;
    input.characterTyped(27);
    input.buttonPressed(MouseButton::kLeft, {50, 50});
    input.buttonReleased(MouseButton::kLeft, {50, 50});
    vorn::testing::RecordedCalls form;
    EXPECT_TRUE(form.calls.empty()) << "nothing reaches the form before its first event service";
    input.deliverTo(form);
    EXPECT_EQ(form.calls, (std::vector<std::string>{"key 27", "click"}));
    input.deliverTo(form);
    EXPECT_EQ(form.calls.size(), 2u) << "delivered once";
}

TEST(PictureInput, AMoveToWhereThePointerRestsIsNoMove) {
    PictureInput input;
    input.pointerRestsAt({40, 40});
    input.pointerMoved({40, 40}, 0, 0);
    vorn::testing::RecordedCalls form;
    input.deliverTo(form);
    EXPECT_TRUE(form.calls.empty());
    input.pointerMoved({40, 41}, 0, 0);
    input.deliverTo(form);
    EXPECT_EQ(form.calls, (std::vector<std::string>{"move 38,39"}));
}

TEST(KeyRule, EachKeyGivesOnTheDesktopWhatWindowsGivesAndInTheBrowserWhatItLeaves) {
    for (const vorn::testing::KeyRow& row : vorn::testing::keyTable()) {
        const KeyStroke stroke{.character = row.character,
                               .named = row.escape ? NamedKey::kEscape : NamedKey::kNone,
                               .control = row.control,
                               .alt = row.alt};
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
