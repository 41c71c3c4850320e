#pragma once

#include <string>
#include <string_view>

namespace vorn::tools {

// Fills the web page's template: each @NAME@ becomes the value the program
// itself uses (the caption, HTML-escaped, and the window's sizes in pixels),
// so that the page and the program cannot disagree. Throws
// std::invalid_argument naming a placeholder it does not know, or an '@'
// that opens none.
std::string fillPageTemplate(std::string_view pageTemplate);

// The whole page: the template filled as above, and also with the motion
// view made from the pose code (@MOTION_...@, see motion_view.hpp) and with
// the README's controls table (@CONTROLS@). Throws std::invalid_argument as
// fillPageTemplate and readmeTableHtml do.
std::string makePage(std::string_view pageTemplate, std::string_view readme);

}  // namespace vorn::tools
