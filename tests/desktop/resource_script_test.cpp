// Reads back the Windows resources compiled from the program's resource
// script (by the MinGW resource compiler, in the desktop.compile_resource_script
// test): the version record and the icon group with its three images.
#include <gtest/gtest.h>

#include <algorithm>

#include "ico_reader.hpp"
#include "res_reader.hpp"

namespace {

using namespace vorn::test;

inline constexpr std::uint16_t kUsEnglish = 0x0409;

std::vector<Resource> compiledResources() { return readRes(readFileBytes(VORN_COMPILED_RESOURCES)); }

std::vector<const Resource*> ofType(const std::vector<Resource>& resources, std::uint16_t type) {
    std::vector<const Resource*> found;
    for (const Resource& resource : resources) {
        if (resource.type.name.empty() && resource.type.ordinal == type) {
            found.push_back(&resource);
        }
    }
    return found;
}

TEST(ResourceScript, VersionRecordCarriesTheNumbersStringsAndTranslation) {
    const auto resources = compiledResources();
    const auto versions = ofType(resources, kResourceTypeVersion);
    ASSERT_EQ(versions.size(), 1U);
    EXPECT_EQ(versions[0]->language, kUsEnglish);

    const VersionInfo info = readVersionInfo(versions[0]->data);
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
    EXPECT_EQ(strings.at("ProductName"), "VORN");
    EXPECT_EQ(strings.at("OriginalFilename"), "vorn.exe");

    const std::vector<std::pair<std::uint16_t, std::uint16_t>> expected = {{0x0409, 0x04B0}};
    EXPECT_EQ(info.translations, expected);
}

TEST(ResourceScript, IconGroupPointsAtThreeImagesOfTheRightSizesAndDepths) {
    const auto resources = compiledResources();
    const auto groups = ofType(resources, kResourceTypeGroupIcon);
    ASSERT_EQ(groups.size(), 1U);
    EXPECT_EQ(groups[0]->name.ordinal, 1);
    const auto entries = readGroupIcon(groups[0]->data);

    const struct {
        int size, bitsPerPixel, colourCount;
    } expected[] = {{32, 1, 2}, {32, 4, 16}, {16, 4, 16}};
    ASSERT_EQ(entries.size(), std::size(expected));

    const auto icons = ofType(resources, kResourceTypeIcon);
    for (std::size_t i = 0; i < entries.size(); ++i) {
        EXPECT_EQ(entries[i].width, expected[i].size) << i;
        EXPECT_EQ(entries[i].height, expected[i].size) << i;
        EXPECT_EQ(entries[i].bitsPerPixel, expected[i].bitsPerPixel) << i;
        EXPECT_EQ(entries[i].colourCount, expected[i].colourCount) << i;
        EXPECT_EQ(entries[i].planes, 1) << i;

        // The group names each image by id; the image itself must be there and decode.
        const auto icon = std::find_if(icons.begin(), icons.end(), [&](const Resource* r) {
            return r->name.name.empty() && r->name.ordinal == entries[i].iconId;
        });
        ASSERT_NE(icon, icons.end()) << "no icon image with id " << entries[i].iconId;
        EXPECT_EQ((*icon)->data.size(), entries[i].bytes) << i;
        const vorn::icon::IconImage image = readBmpIconImage((*icon)->data);
        EXPECT_EQ(image.colours.width, expected[i].size) << i;
        EXPECT_EQ(image.colours.height, expected[i].size) << i;
        EXPECT_EQ(image.bitsPerPixel, expected[i].bitsPerPixel) << i;
    }
}

}  // namespace
