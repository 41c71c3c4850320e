// vorn-page: writes the web page from its template, with the caption and the
// sizes the program uses, the motion view drawn from the pose code and the
// README's controls table.
//
//   vorn-page <template> <README.md> <page>

#include <span>
#include <string>
#include <vector>

#include "files/file_bytes.hpp"
#include "page_template.hpp"
#include "run_tool/run_tool.hpp"

namespace {

std::string fileText(const char* path) {
    const std::vector<std::uint8_t> bytes = vorn::readFileBytes(path);
    return std::string(bytes.begin(), bytes.end());
}

}  // namespace

int main(int argc, char** argv) {
    return vorn::tools::runTool(argc, argv, "vorn-page", "<template> <README.md> <page>", 3,
                                [](std::span<char* const> arguments) {
                                    const std::string page =
                                        vorn::tools::makePage(fileText(arguments[0]), fileText(arguments[1]));
                                    vorn::writeFileBytes(arguments[2],
                                                         std::span(reinterpret_cast<const std::uint8_t*>(page.data()),
                                                                   page.size()));
                                });
}
