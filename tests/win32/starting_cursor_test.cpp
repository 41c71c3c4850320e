// Under Wine: ending the start-up pointer takes its own message back and no
// other. Catches a GetMessage filter that takes every message (bounds of 0
// and 0 mean "all"), which took and dropped whatever was queued first.
#include <windows.h>

#include <gtest/gtest.h>

#include "app/win32/starting_cursor.hpp"

namespace {

TEST(StartingCursor, AMessagePostedBeforeItIsStillQueuedAfterIt) {
    const HWND window = CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
    ASSERT_NE(window, nullptr);
    constexpr UINT kQueuedFirst = WM_USER + 7;
    ASSERT_TRUE(PostMessageW(window, kQueuedFirst, 42, 0));

    vorn::win32::endStartingCursor(window);

    MSG message{};
    ASSERT_TRUE(PeekMessageW(&message, window, 0, 0, PM_REMOVE));
    EXPECT_EQ(message.message, kQueuedFirst);
    EXPECT_EQ(message.wParam, 42U);
    EXPECT_FALSE(PeekMessageW(&message, window, 0, 0, PM_REMOVE)) << "left behind: message " << message.message;
    DestroyWindow(window);
}

}  // namespace
