// vorn-page: writes the web page from its template, with the caption and the
// sizes the program uses.
//
//   vorn-page <template> <page>

#include <span>
#include <string>
#include <vector>

#include "files/file_bytes.hpp"
#include "page_template.hpp"
#include "run_tool/run_tool.hpp"

int main(int argc, char** argv) {
    return vorn::tools::runTool(argc, argv, "vorn-page", "<template> <page>", 2, [](std::span<char* const> arguments) {
        const std::vector<std::uint8_t> bytes = vorn::readFileBytes(arguments[0]);
        const std::string page = vorn::tools::fillPageTemplate(std::string(bytes.begin(), bytes.end()));
        vorn::writeFileBytes(arguments[1], std::span(reinterpret_cast<const std::uint8_t*>(page.data()), page.size()));
    });
}
