#pragma once

#include <string>
#include <string_view>

namespace vorn::tools {

// `text` with the characters that HTML gives a meaning (& < > ") escaped.
std::string escapedForHtml(std::string_view text);

}  // namespace vorn::tools
