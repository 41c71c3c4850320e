// Reads back the resources linked into vorn.exe, as wrestool (icoutils)
// extracted them in the win32.extract_program_resources test: the version
// record and the icon group with its three images, all in US English.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "ico_reader.hpp"
#include "res_reader.hpp"

namespace {

using namespace vorn::test;

std::vector<std::uint8_t> extracted(const std::string& name) {
    return readFileBytes(std::string(VORN_EXTRACTED_RESOURCES) + "/" + name);
}

TEST(ProgramResources, VersionRecordCarriesTheNumbersStringsAndTranslation) {
    const VersionInfo info = readVersionInfo(extracted("version.bin"));
    // 1.0.0.0: major and minor in the high word pair, patch and tweak in the low.
    EXPECT_EQ(info.fileVersionMs, 0x00010000U);
    EXPECT_EQ(info.fileVersionLs, 0x00000000U);
    EXPECT_EQ(info.productVersionMs, 0x00010000U);
    EXPECT_EQ(info.productVersionLs, 0x00000000U);

    ASSERT_EQ(info.stringTables.size(), 1U);
    ASSERT_TRUE(info.stringTables.contains("040904B0"));
    const auto& strings = info.stringTables.at("040904B0");
    EXPECT_EQ(strings.at("FileVersion"), "1.00");
    EXPECT_EQ(strings.at("ProductVersion"), "1.00");
    EXPECT_EQ(strings.at("OriginalFilename"), "vorn.exe");

    const std::vector<std::pair<std::uint16_t, std::uint16_t>> expected = {{0x0409, 0x04B0}};
    EXPECT_EQ(info.translations, expected);
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
