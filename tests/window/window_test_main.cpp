// window_tests [GoogleTest flags] [-- COMMAND ARGS...]: the real-window suite
// against the program that COMMAND starts (the Linux build by default).
#include <gtest/gtest.h>

#include "program_command.hpp"

int main(int argc, char** argv) {
    vorn::testing::takeProgramCommand(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
