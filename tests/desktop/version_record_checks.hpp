#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <utility>
#include <vector>

#include "res_reader.hpp"

namespace vorn::test {

// The version record every build of the program carries, wherever it is
// read from: 1.0.0.0, the strings "1.00", US English in the Unicode code page.
inline void expectTheProgramsVersionRecord(const VersionInfo& info) {
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

}  // namespace vorn::test
