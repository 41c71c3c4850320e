// Reads back the resources linked into vorn.exe, as wrestool (icoutils)
// extracted them in the win32.extract_program_resources test: the version
// record, the icon group with its three images and the application manifest,
// all in US English.
#include <gtest/gtest.h>

#include <algorithm>
#include <regex>
#include <string>

#include "ico_reader.hpp"
#include "res_reader.hpp"
#include "version_record_checks.hpp"

namespace {

using namespace vorn::test;

std::vector<std::uint8_t> extracted(const std::string& name) {
    return readFileBytes(std::string(VORN_EXTRACTED_RESOURCES) + "/" + name);
}

// The text of the first `element` in `xml`, or of its `attribute`.
std::string manifestValue(const std::string& xml, const std::string& element, const std::string& attribute = "") {
    const std::regex pattern =
        attribute.empty() ? std::regex("<" + element + "[^>]*>([^<]*)</" + element + ">")
                          : std::regex("<" + element + "[^>]*\\s" + attribute + "=\"([^\"]*)\"");
    std::smatch match;
    return std::regex_search(xml, match, pattern) ? match[1].str() : "(none)";
}

TEST(ProgramResources, ManifestAsksForPerMonitorScalingAndTheCurrentControls) {
    const auto bytes = extracted("manifest.xml");
    const std::string xml(bytes.begin(), bytes.end());
    // Without it Windows stretches the window, blurred, above 100 %.
    EXPECT_EQ(manifestValue(xml, "dpiAwareness"), "PerMonitorV2, PerMonitor");
    EXPECT_EQ(manifestValue(xml, "dpiAware"), "true/pm");
    EXPECT_EQ(manifestValue(xml, "supportedOS", "Id"), "{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}") << "Windows 10";
    EXPECT_EQ(manifestValue(xml, "requestedExecutionLevel", "level"), "asInvoker");
    EXPECT_NE(xml.find("name=\"Microsoft.Windows.Common-Controls\" version=\"6.0.0.0\""), std::string::npos);
}

TEST(ProgramResources, VersionRecordCarriesTheNumbersStringsAndTranslation) {
    expectTheProgramsVersionRecord(readVersionInfo(extracted("version.bin")));
}

TEST(ProgramResources, IconGroupPointsAtThreeImagesOfTheRightSizesAndDepths) {
    const auto entries = readGroupIcon(extracted("icon-group.bin"));
    const struct {
        int size, bitsPerPixel, colourCount;
    } expected[] = {{32, 1, 2}, {32, 4, 16}, {16, 4, 16}};
    ASSERT_EQ(entries.size(), std::size(expected));
    for (std::size_t i = 0; i < entries.size(); ++i) {
        EXPECT_EQ(entries[i].width, expected[i].size) << i;
        EXPECT_EQ(entries[i].height, expected[i].size) << i;
        EXPECT_EQ(entries[i].bitsPerPixel, expected[i].bitsPerPixel) << i;
        EXPECT_EQ(entries[i].colourCount, expected[i].colourCount) << i;

        // The image the entry names must be in the program, and decode.
        const auto bytes = extracted("icon-" + std::to_string(entries[i].iconId) + ".bin");
        EXPECT_EQ(bytes.size(), entries[i].bytes) << i;
        const vorn::icon::IconImage image = readBmpIconImage(bytes);
        EXPECT_EQ(image.colours.width, expected[i].size) << i;
        EXPECT_EQ(image.colours.height, expected[i].size) << i;
        EXPECT_EQ(image.bitsPerPixel, expected[i].bitsPerPixel) << i;
    }
}

}  // namespace
