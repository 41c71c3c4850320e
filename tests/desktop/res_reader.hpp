#pragma once

#include <cstdint>
#include <map>
#include <span>
#include <string>
#include <utility>
#include <vector>

namespace vorn::test {

// Resource types of the compiled resource format.
inline constexpr std::uint16_t kResourceTypeIcon = 3;
inline constexpr std::uint16_t kResourceTypeGroupIcon = 14;
inline constexpr std::uint16_t kResourceTypeVersion = 16;

// A type or name: an ordinal, or (when `name` is not empty) a string.
struct ResourceId {
    std::uint16_t ordinal = 0;
    std::string name;
};

struct Resource {
    ResourceId type;
    ResourceId name;
    std::uint16_t language = 0;
    std::vector<std::uint8_t> data;
};

// Reads every resource of a compiled .res file (as windres -O res writes
// it), skipping the empty first entry. Throws std::runtime_error on a
// truncated or malformed file.
std::vector<Resource> readRes(std::span<const std::uint8_t> bytes);

// One image of an icon group (RT_GROUP_ICON), which points at an RT_ICON.
struct GroupIconEntry {
    int width = 0;
    int height = 0;
    int colourCount = 0;
    int planes = 0;
    int bitsPerPixel = 0;
    std::uint32_t bytes = 0;
    std::uint16_t iconId = 0;
};

std::vector<GroupIconEntry> readGroupIcon(std::span<const std::uint8_t> bytes);

// The parts of a VS_VERSIONINFO resource that the program sets.
struct VersionInfo {
    std::uint32_t fileVersionMs = 0;
    std::uint32_t fileVersionLs = 0;
    std::uint32_t productVersionMs = 0;
    std::uint32_t productVersionLs = 0;
    // String table key ("040904B0") -> value name -> value.
    std::map<std::string, std::map<std::string, std::string>> stringTables;
    std::vector<std::pair<std::uint16_t, std::uint16_t>> translations;  // language, code page
};

VersionInfo readVersionInfo(std::span<const std::uint8_t> bytes);

}  // namespace vorn::test
