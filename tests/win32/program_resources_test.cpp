// Reads back the resources linked into vorn.exe, as wrestool (icoutils)
// extracted them in the win32.extract_program_resources test: the version
// record and the icon group with its three images, all in US English.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "ico_reader.hpp"
#include "res_reader.hpp"
#include "version_record_checks.hpp"

namespace {

using namespace vorn::test;

std::vector<std::uint8_t> extracted(const std::string& name) {
    return readFileBytes(std::string(VORN_EXTRACTED_RESOURCES) + "/" + name);
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
