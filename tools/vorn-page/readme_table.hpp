#pragma once

#include <string>
#include <string_view>

namespace vorn::tools {

// The first table in the README section under the heading line `heading`
// (for example "## Controls"), as an HTML <table>: its first row becomes the
// header, each `code span` a <kbd>, and everything else is HTML-escaped. The
// page shows the README's own table, so that the two cannot disagree.
// Throws std::invalid_argument when the section, or a table in it, is
// missing, or when a row has another number of cells than the header.
std::string readmeTableHtml(std::string_view readme, std::string_view heading);

}  // namespace vorn::tools
