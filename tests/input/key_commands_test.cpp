#include <gtest/gtest.h>

#include "input/key_commands.hpp"
#include "support/fake_window.hpp"

namespace vorn {
namespace {

using testing::FakeWindow;

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
            FakeWindow window;
            Picture1_KeyPress(state, window, c.key);
            EXPECT_EQ(state.n, c.command) << "key '" << c.key << "' in mode " << mode;
            EXPECT_EQ(window.quits, 0);
        }
    }
}

TEST(KeyPress, OtherCharactersChangeNothing) {
    const std::int16_t ignored[] = {'a', 'Z', 'q', '0', '9', '=', '_', '<', '>', '\r', '\t', 8, 127, 0, -1, 1000};
    for (std::int16_t key : ignored) {
        SequencerState state;
        state.n = 3;
        state.k = 77;
        FakeWindow window;
        Picture1_KeyPress(state, window, key);
        EXPECT_EQ(state.n, 3) << "key code " << key;
        EXPECT_EQ(state.k, 77) << "key code " << key;
        EXPECT_EQ(window.quits, 0) << "key code " << key;
    }
}

TEST(KeyPress, EscapeClearsAndQuitsInEitherModeWithoutWritingTheCommand) {
    for (int mode : {0, 1}) {
        SequencerState state;
        state.nm = mode;
        state.n = 2;
        FakeWindow window;
        Picture1_KeyPress(state, window, kEscapeKey);
        EXPECT_EQ(window.clears, 1);
        EXPECT_EQ(window.quits, 1);
        EXPECT_EQ(state.n, 2);
    }
}

}  // namespace
}  // namespace vorn
