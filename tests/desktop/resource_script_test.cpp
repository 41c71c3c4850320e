// Reads back the Windows resources compiled from the program's resource
// script (by the MinGW resource compiler, in the desktop.compile_resource_script
// test): the version record and the icon group with its three images.
#include <gtest/gtest.h>

#include <algorithm>

#include "ico_reader.hpp"
#include "res_reader.hpp"
#include "version_record_checks.hpp"

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

    expectTheProgramsVersionRecord(readVersionInfo(versions[0]->data));
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
