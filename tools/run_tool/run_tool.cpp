#include "run_tool/run_tool.hpp"

#include <exception>
#include <iostream>

namespace vorn::tools {

int runTool(int argc, char** argv, std::string_view name, std::string_view usage, int argumentCount,
            const std::function<void(std::span<char* const> arguments)>& work) {
    if (argc != argumentCount + 1) {
        std::cerr << "usage: " << name << ' ' << usage << '\n';
        return 2;
    }
    try {
        work(std::span<char* const>(argv + 1, static_cast<std::size_t>(argumentCount)));
    } catch (const std::exception& error) {
        std::cerr << name << ": " << error.what() << '\n';
        return 1;
    }
    return 0;
}

}  // namespace vorn::tools
