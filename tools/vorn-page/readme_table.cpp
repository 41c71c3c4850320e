#include "readme_table.hpp"

#include <stdexcept>
#include <string>
#include <vector>

#include "html_text.hpp"

namespace vorn::tools {
namespace {

std::vector<std::string_view> lines(std::string_view text) {
    std::vector<std::string_view> result;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        result.push_back(text.substr(0, end));
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
    }
    return result;
}

std::string_view trimmed(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t\r");
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

bool isTableRow(std::string_view line) { return trimmed(line).starts_with('|'); }

// "| a | b |" gives "a" and "b". A cell holds no "|" of its own.
std::vector<std::string_view> cells(std::string_view row) {
    row = trimmed(row);
    row.remove_prefix(1);
    if (row.ends_with('|')) {
        row.remove_suffix(1);
    }
    std::vector<std::string_view> result;
    for (;;) {
        const std::size_t bar = row.find('|');
        result.push_back(trimmed(row.substr(0, bar)));
        if (bar == std::string_view::npos) {
            return result;
        }
        row.remove_prefix(bar + 1);
    }
}

// Markdown's inline code spans become <kbd>: in this table they name keys.
std::string cellHtml(std::string_view cell) {
    std::string html;
    bool inCode = false;
    for (std::size_t start = 0; start <= cell.size();) {
        const std::size_t tick = cell.find('`', start);
        html += escapedForHtml(cell.substr(start, tick == std::string_view::npos ? tick : tick - start));
        if (tick == std::string_view::npos) {
            break;
        }
        html += inCode ? "</kbd>" : "<kbd>";
        inCode = !inCode;
        start = tick + 1;
    }
    if (inCode) {
        throw std::invalid_argument("README table: a code span is not closed in \"" + std::string(cell) + '"');
    }
    return html;
}

std::string rowHtml(const std::vector<std::string_view>& row, const char* cellTag) {
    std::string html = "<tr>";
    for (const std::string_view cell : row) {
        html += std::string("<") + cellTag + ">" + cellHtml(cell) + "</" + cellTag + ">";
    }
    return html + "</tr>\n";
}

// The table's lines: from the first row in the section to the last row
// before anything else.
std::vector<std::string_view> sectionTable(std::string_view readme, std::string_view heading) {
    const std::vector<std::string_view> all = lines(readme);
    std::size_t at = 0;
    while (at < all.size() && trimmed(all[at]) != heading) {
        ++at;
    }
    if (at == all.size()) {
        throw std::invalid_argument("README: no section \"" + std::string(heading) + '"');
    }
    ++at;
    while (at < all.size() && !isTableRow(all[at]) && !all[at].starts_with('#')) {
        ++at;
    }
    std::vector<std::string_view> table;
    while (at < all.size() && isTableRow(all[at])) {
        table.push_back(all[at++]);
    }
    // A header, the line under it and one row at least.
    if (table.size() < 3) {
        throw std::invalid_argument("README: no table in the section \"" + std::string(heading) + '"');
    }
    return table;
}

}  // namespace

std::string readmeTableHtml(std::string_view readme, std::string_view heading) {
    const std::vector<std::string_view> table = sectionTable(readme, heading);
    const std::vector<std::string_view> header = cells(table[0]);
    std::string html = "<table>\n<thead>" + rowHtml(header, "th") + "</thead>\n<tbody>\n";
    // table[1] is the line of dashes under the header.
    for (std::size_t row = 2; row < table.size(); ++row) {
        const std::vector<std::string_view> rowCells = cells(table[row]);
        if (rowCells.size() != header.size()) {
            throw std::invalid_argument("README table under \"" + std::string(heading) + "\": row " +
                                        std::to_string(row - 1) + " has " + std::to_string(rowCells.size()) +
                                        " cells, the header " + std::to_string(header.size()));
        }
        html += rowHtml(rowCells, "td");
    }
    return html + "</tbody>\n</table>";
}

}  // namespace vorn::tools
