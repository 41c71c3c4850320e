#include "program_command.hpp"

#include <cstring>
#include <utility>

namespace vorn::testing {
namespace {

std::vector<std::string>& command() {
    static std::vector<std::string> theCommand{VORN_EXECUTABLE};
    return theCommand;
}

}  // namespace

const std::vector<std::string>& programCommand() { return command(); }

void setProgramCommand(std::vector<std::string> newCommand) { command() = std::move(newCommand); }

void takeProgramCommand(int& argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--") == 0) {
            if (i + 1 < argc) command().assign(argv + i + 1, argv + argc);
            argc = i;
            argv[i] = nullptr;
            return;
        }
    }
}

}  // namespace vorn::testing
