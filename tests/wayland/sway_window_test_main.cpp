// sway_window_tests [GoogleTest flags]: exits 77, CTest's skip, when every
// test it ran skipped itself, so that a run on a compositor or Qt too old
// for what it checks says so rather than pass.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <cstdio>
#include <exception>

#include "test_user.hpp"

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    try {
        vorn::testing::TestUser().requireCanRun(QString::fromLocal8Bit(VORN_EXECUTABLE));
    } catch (const std::exception& error) {
        std::fprintf(stderr, "sway_window_tests: %s\n", error.what());
        return 1;
    }
    const int status = RUN_ALL_TESTS();
    const auto& run = *::testing::UnitTest::GetInstance();
    constexpr int kSkipped = 77;
    return status == 0 && run.test_to_run_count() > 0 && run.skipped_test_count() == run.test_to_run_count()
               ? kSkipped
               : status;
}
