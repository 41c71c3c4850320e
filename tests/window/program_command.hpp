#pragma once

#include <string>
#include <vector>

namespace vorn::testing {

// The command that starts the program under test: the Linux build unless a
// runner named another (such as the Windows build under Wine).
const std::vector<std::string>& programCommand();

// Starts the programs of later tests with `command` instead.
void setProgramCommand(std::vector<std::string> command);

// Takes the command from the arguments after "--", if there are any, and
// leaves argc and argv holding only those before it.
void takeProgramCommand(int& argc, char** argv);

}  // namespace vorn::testing
