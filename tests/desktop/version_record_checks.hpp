#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <utility>
#include <vector>

#include "res_reader.hpp"

namespace vorn::test {

// The version record every build of the program carries, wherever it is
// read from: project()'s version (VORN_VERSION_*, from the build), its
// application version string (VORN_APPLICATION_VERSION, "1.00" for 1.0), US
// English in the Unicode code page.
inline void expectTheProgramsVersionRecord(const VersionInfo& info) {
    // Major and minor in the high pair of 16-bit words, patch and tweak in the low.
    constexpr std::uint32_t kHigh = std::uint32_t{VORN_VERSION_MAJOR} << 16 | VORN_VERSION_MINOR;
    constexpr std::uint32_t kLow = std::uint32_t{VORN_VERSION_PATCH} << 16 | VORN_VERSION_TWEAK;
    EXPECT_EQ(info.fileVersionMs, kHigh);
    EXPECT_EQ(info.fileVersionLs, kLow);
    EXPECT_EQ(info.productVersionMs, kHigh);
    EXPECT_EQ(info.productVersionLs, kLow);

    ASSERT_EQ(info.stringTables.size(), 1U);
    ASSERT_TRUE(info.stringTables.contains("040904B0"));
    const auto& strings = info.stringTables.at("040904B0");
    EXPECT_EQ(strings.at("FileVersion"), VORN_APPLICATION_VERSION);
    EXPECT_EQ(strings.at("ProductVersion"), VORN_APPLICATION_VERSION);
    EXPECT_EQ(strings.at("ProductName"), "VORN");
    EXPECT_EQ(strings.at("OriginalFilename"), "vorn.exe");

    const std::vector<std::pair<std::uint16_t, std::uint16_t>> expected = {{0x0409, 0x04B0}};
    EXPECT_EQ(info.translations, expected);
}

}  // namespace vorn::test
