// The page's template filled with the program's own caption and sizes.
#include "vorn-page/page_template.hpp"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "app/window_geometry.hpp"
#include "files/file_bytes.hpp"

namespace {

using vorn::tools::fillPageTemplate;

TEST(PageTemplate, PlaceholdersBecomeTheProgramsValues) {
    EXPECT_EQ(fillPageTemplate("<title>@CAPTION@</title>"), std::string("<title>") + vorn::kCaption + "</title>");
    EXPECT_EQ(fillPageTemplate("@CLIENT_WIDTH@x@CLIENT_HEIGHT@ @PICTURE_WIDTH@x@PICTURE_HEIGHT@ @PICTURE_BORDER@"),
              "583x553 583x768 2");
    EXPECT_EQ(fillPageTemplate("@FRAME_WIDTH@,@FRAME_HEIGHT@"), "580,550");
    EXPECT_EQ(fillPageTemplate("no placeholders"), "no placeholders");
}

TEST(PageTemplate, AnUnknownOrUnclosedPlaceholderStopsTheBuild) {
    EXPECT_THROW(fillPageTemplate("@WIDTH@"), std::invalid_argument);
    EXPECT_THROW(fillPageTemplate("mail@example"), std::invalid_argument);
    EXPECT_THROW(fillPageTemplate("@@"), std::invalid_argument);
}

TEST(PageTemplate, ThePagesOwnTemplateFillsCompletely) {
    const std::vector<std::uint8_t> bytes = vorn::readFileBytes(VORN_PAGE_TEMPLATE);
    const std::string page = fillPageTemplate(std::string(bytes.begin(), bytes.end()));
    EXPECT_EQ(page.find('@'), std::string::npos);
    EXPECT_NE(page.find(std::string("<title>") + vorn::kCaption + "</title>"), std::string::npos);
    EXPECT_NE(page.find("id=\"Picture1\""), std::string::npos);
}

}  // namespace
