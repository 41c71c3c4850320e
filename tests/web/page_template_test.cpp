// The page's template filled with the program's own caption and sizes, its
// motion view's readouts and the README's controls table.
#include "vorn-page/page_template.hpp"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "app/shared/caption.hpp"
#include "files/file_bytes.hpp"
#include "vorn-page/motion_view.hpp"
#include "vorn-page/readme_table.hpp"

namespace {

using vorn::tools::fillPageTemplate;
using vorn::tools::frameReadout;
using vorn::tools::readmeTableHtml;

std::string fileText(const char* path) {
    const std::vector<std::uint8_t> bytes = vorn::readFileBytes(path);
    return std::string(bytes.begin(), bytes.end());
}

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
    const std::string page = vorn::tools::makePage(fileText(VORN_PAGE_TEMPLATE), fileText(VORN_README));
    EXPECT_EQ(page.find('@'), std::string::npos);
    EXPECT_NE(page.find(std::string("<title>") + vorn::kCaption + "</title>"), std::string::npos);
    EXPECT_NE(page.find("id=\"Picture1\""), std::string::npos);
    // The README's controls, and the readout and marker of the first frame.
    EXPECT_NE(page.find("<td>Escape or a double-click</td>"), std::string::npos);
    EXPECT_NE(page.find(frameReadout(0)), std::string::npos);
    EXPECT_NE(page.find("id='marker'"), std::string::npos);
}

// The readout's numbers are the pose formulas' at 18 degrees a frame: a
// quarter turn from the top the VORN piston has gone about 48 of its 130,
// the conventional one 73. Values that round to zero read "0.0".
TEST(MotionView, AFramesReadoutGivesItsAngleAndBothDisplacements) {
    EXPECT_EQ(frameReadout(0), "Crank angle 0\u00B0: VORN 0.0, conventional 0.0 below the top");
    EXPECT_EQ(frameReadout(5), "Crank angle 90\u00B0: VORN 47.6, conventional 73.3 below the top");
    EXPECT_EQ(frameReadout(10), "Crank angle 180\u00B0: VORN 130.0, conventional 130.0 below the top");
    EXPECT_EQ(frameReadout(15), "Crank angle 270\u00B0: VORN 47.6, conventional 73.3 below the top");
    for (int j = 0; j < 20; ++j) {
        // The page carries the readouts in JSON inside a <script>.
        EXPECT_EQ(frameReadout(j).find_first_of("\"\\<&"), std::string::npos) << frameReadout(j);
    }
}

TEST(ReadmeTable, CodeSpansBecomeKeysAndTextIsEscaped) {
    const std::string readme =
        "# Title\n\n## Other\n\n| x |\n|---|\n| not this |\n\n## Controls\n\nIntro.\n\n"
        "| Key | Does |\n|---|---|\n| `+` or `,` | run <fast> & on |\n| `Esc` | quit |\n\nAfter.\n";
    EXPECT_EQ(readmeTableHtml(readme, "## Controls"),
              "<table>\n<thead><tr><th>Key</th><th>Does</th></tr>\n</thead>\n<tbody>\n"
              "<tr><td><kbd>+</kbd> or <kbd>,</kbd></td><td>run &lt;fast&gt; &amp; on</td></tr>\n"
              "<tr><td><kbd>Esc</kbd></td><td>quit</td></tr>\n</tbody>\n</table>");
}

TEST(ReadmeTable, AMissingOrMalformedTableStopsTheBuild) {
    const struct {
        const char* readme;
        const char* why;
    } cases[] = {
        {"## Other\n| a |\n|---|\n| b |\n", "no such section"},
        {"## Controls\nNo table.\n## Next\n| a |\n|---|\n| b |\n", "the table is in the next section"},
        {"## Controls\n| a | b |\n|---|---|\n", "a header without rows"},
        {"## Controls\n| a | b |\n|---|---|\n| only one |\n", "a row short of a cell"},
        {"## Controls\n| a |\n|---|\n| `unclosed |\n", "a code span left open"},
    };
    for (const auto& c : cases) {
        EXPECT_THROW(readmeTableHtml(c.readme, "## Controls"), std::invalid_argument) << c.why;
    }
}

}  // namespace
