#pragma once

#include <functional>
#include <span>
#include <string_view>

namespace vorn::tools {

// The whole main() of a build-time program that takes exactly
// `argumentCount` arguments: runs `work` on them and returns the exit status.
// A wrong count prints the usage and gives 2; an error `work` throws is
// printed after the program's name and gives 1, so the build stops there.
int runTool(int argc, char** argv, std::string_view name, std::string_view usage, int argumentCount,
            const std::function<void(std::span<char* const> arguments)>& work);

}  // namespace vorn::tools
