#include "page_template.hpp"

#include <map>
#include <stdexcept>
#include <string>

#include "app/pointer_scale.hpp"
#include "app/window_geometry.hpp"
#include "frames/indexed_image.hpp"

namespace vorn::tools {

namespace {

std::string escapedForHtml(std::string_view text) {
    std::string escaped;
    for (const char c : text) {
        switch (c) {
            case '&': escaped += "&amp;"; break;
            case '<': escaped += "&lt;"; break;
            case '>': escaped += "&gt;"; break;
            case '"': escaped += "&quot;"; break;
            default: escaped += c;
        }
    }
    return escaped;
}

const std::map<std::string, std::string, std::less<>>& placeholderValues() {
    static const std::map<std::string, std::string, std::less<>> values{
        {"CAPTION", escapedForHtml(kCaption)},
        {"CLIENT_WIDTH", std::to_string(kClientWidth)},
        {"CLIENT_HEIGHT", std::to_string(kClientHeight)},
        {"PICTURE_WIDTH", std::to_string(kPictureAreaWidth)},
        {"PICTURE_HEIGHT", std::to_string(kPictureAreaHeight)},
        {"PICTURE_BORDER", std::to_string(kPictureAreaBorder)},
        {"FRAME_WIDTH", std::to_string(kFrameWidth)},
        {"FRAME_HEIGHT", std::to_string(kFrameHeight)},
    };
    return values;
}

}  // namespace

std::string fillPageTemplate(std::string_view pageTemplate) {
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
        const auto value = placeholderValues().find(name);
        if (value == placeholderValues().end()) {
            throw std::invalid_argument("page template: no value for @" + std::string(name) + "@");
        }
        page += value->second;
        done = close + 1;
    }
}

}  // namespace vorn::tools
