#include "page_template.hpp"

#include <map>
#include <stdexcept>
#include <string>

#include "app/shared/pointer_units.hpp"
#include "app/shared/caption.hpp"
#include "app/shared/window_size.hpp"
#include "app/web/page_scale.hpp"
#include "frames/indexed_image.hpp"
#include "html_text.hpp"
#include "motion_view.hpp"
#include "readme_table.hpp"

namespace vorn::tools {

namespace {

using PageValues = std::map<std::string, std::string, std::less<>>;

const PageValues& programValues() {
    static const PageValues values{
        {"CAPTION", escapedForHtml(kCaption)},
        {"CLIENT_WIDTH", std::to_string(kClientWidth)},
        {"CLIENT_HEIGHT", std::to_string(kClientHeight)},
        {"PICTURE_WIDTH", std::to_string(kPictureAreaWidth)},
        {"PICTURE_HEIGHT", std::to_string(kPictureAreaHeight)},
        {"PICTURE_BORDER", std::to_string(kPictureAreaBorder)},
        {"WINDOW_BORDER", std::to_string(web::kPageWindowBorder)},
        {"FRAME_WIDTH", std::to_string(kFrameWidth)},
        {"FRAME_HEIGHT", std::to_string(kFrameHeight)},
    };
    return values;
}

// Each @NAME@ of `pageTemplate` replaced by values[NAME].
std::string filled(std::string_view pageTemplate, const PageValues& values) {
    std::string page;
    std::size_t done = 0;
    for (;;) {
        const std::size_t open = pageTemplate.find('@', done);
        page += pageTemplate.substr(done, open - done);
        if (open == std::string_view::npos) {
            return page;
        }
        const std::size_t close = pageTemplate.find('@', open + 1);
        if (close == std::string_view::npos) {
            throw std::invalid_argument("page template: an '@' at offset " + std::to_string(open) + " opens no placeholder");
        }
        const std::string_view name = pageTemplate.substr(open + 1, close - open - 1);
        const auto value = values.find(name);
        if (value == values.end()) {
            throw std::invalid_argument("page template: no value for @" + std::string(name) + "@");
        }
        page += value->second;
        done = close + 1;
    }
}

}  // namespace

std::string fillPageTemplate(std::string_view pageTemplate) { return filled(pageTemplate, programValues()); }

std::string makePage(std::string_view pageTemplate, std::string_view readme) {
    PageValues values = programValues();
    values.merge(motionViewParts());
    values.emplace("CONTROLS", readmeTableHtml(readme, "## Controls"));
    return filled(pageTemplate, values);
}

}  // namespace vorn::tools
