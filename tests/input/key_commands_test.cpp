#include <gtest/gtest.h>

#include "input/key_commands.hpp"

namespace vorn {
namespace {

TEST(KeyPress, CaptionKeysWriteTheirCommand) {
    const struct {
        char key;
        int command;
    } cases[] = {{'-', -1}, {'+', 3}, {',', 3}, {'/', -2}, {'*', 2}, {' ', 2}, {'.', 2}};
    for (const auto& c : cases) {
        for (int mode : {0, 1}) {
            SequencerState state;
            state.n = 1;
            state.nm = mode;
            EXPECT_EQ(Picture1_KeyPress(state, c.key), HandlerOutcome::kGoOn);
            EXPECT_EQ(state.n, c.command) << "key '" << c.key << "' in mode " << mode;
        }
    }
}

TEST(KeyPress, OtherCharactersChangeNothing) {
    const std::int16_t ignored[] = {'a', 'Z', 'q', '0', '9', '=', '_', '<', '>', '\r', '\t', 8, 127, 0, -1, 1000};
    for (std::int16_t key : ignored) {
        SequencerState state;
        state.n = 3;
        state.k = 77;
        EXPECT_EQ(Picture1_KeyPress(state, key), HandlerOutcome::kGoOn) << "key code " << key;
        EXPECT_EQ(state.n, 3) << "key code " << key;
        EXPECT_EQ(state.k, 77) << "key code " << key;
    }
}

TEST(KeyPress, EscapeQuitsInEitherModeWithoutWritingTheCommand) {
    for (int mode : {0, 1}) {
        SequencerState state;
        state.nm = mode;
        state.n = 2;
        EXPECT_EQ(Picture1_KeyPress(state, kEscapeKey), HandlerOutcome::kQuit);
        EXPECT_EQ(state.n, 2);
    }
}

}  // namespace
}  // namespace vorn
