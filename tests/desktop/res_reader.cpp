#include "res_reader.hpp"

#include <stdexcept>

#include "byte_reader.hpp"

namespace vorn::test {
namespace {

inline constexpr std::uint32_t kVersionSignature = 0xFEEF04BD;
inline constexpr std::uint16_t kOrdinalMarker = 0xFFFF;

void require(bool condition, const std::string& what) {
    if (!condition) {
        throw std::runtime_error("resource reader: " + what);
    }
}

// Reads a NUL-terminated UTF-16 string of ASCII characters (all the
// resource names and version strings the program uses are ASCII).
std::string readUtf16(ByteReader& in) {
    std::string text;
    for (std::uint16_t unit = in.u16(); unit != 0; unit = in.u16()) {
        require(unit < 0x80, "non-ASCII character in a resource string");
        text.push_back(static_cast<char>(unit));
    }
    return text;
}

ResourceId readId(ByteReader& in) {
    const std::size_t start = in.position();
    if (in.u16() == kOrdinalMarker) {
        return {in.u16(), {}};
    }
    in.seek(start);
    return {0, readUtf16(in)};
}

// A node of the version resource's tree: key, value bytes and children.
struct VersionNode {
    std::string key;
    std::uint16_t type = 0;  // 1: text value, 0: binary
    std::span<const std::uint8_t> value;
    std::vector<VersionNode> children;
};

// Every node starts on a 4-byte boundary of the resource data, as do its
// value and its first child; wLength covers the node with its children.
VersionNode readVersionNode(std::span<const std::uint8_t> bytes, std::size_t start) {
    ByteReader in(bytes, start);
    const std::uint16_t length = in.u16();
    const std::uint16_t valueLength = in.u16();
    VersionNode node;
    node.type = in.u16();
    node.key = readUtf16(in);
    require(length >= 6 && start + length <= bytes.size(), "version node '" + node.key + "' overruns the data");
    const std::size_t end = start + length;
    in.alignTo4();
    const std::size_t valueBytes = node.type == 1 ? std::size_t{valueLength} * 2 : valueLength;
    node.value = in.take(valueBytes);
    in.alignTo4();
    while (in.position() < end) {
        node.children.push_back(readVersionNode(bytes, in.position()));
        in.seek(in.position() + ByteReader(bytes, in.position()).u16());
        in.alignTo4();
    }
    return node;
}

std::string textValue(const VersionNode& node) {
    std::vector<std::uint8_t> terminated(node.value.begin(), node.value.end());
    terminated.push_back(0);
    terminated.push_back(0);
    ByteReader in(terminated);
    return readUtf16(in);
}

}  // namespace

std::vector<Resource> readRes(std::span<const std::uint8_t> bytes) {
    std::vector<Resource> resources;
    ByteReader in(bytes);
    while (in.position() < bytes.size()) {
        const std::size_t start = in.position();
        const std::uint32_t dataSize = in.u32();
        const std::uint32_t headerSize = in.u32();
        Resource resource;
        resource.type = readId(in);
        resource.name = readId(in);
        in.alignTo4();
        in.u32();  // data version
        in.u16();  // memory flags
        resource.language = in.u16();
        in.take(8);  // version, characteristics
        require(in.position() == start + headerSize, "header size field disagrees with the header");
        const auto data = in.take(dataSize);
        in.alignTo4();
        const bool emptyFirstEntry = resources.empty() && start == 0 && dataSize == 0;
        if (!emptyFirstEntry) {
            resource.data.assign(data.begin(), data.end());
            resources.push_back(std::move(resource));
        }
    }
    return resources;
}

std::vector<GroupIconEntry> readGroupIcon(std::span<const std::uint8_t> bytes) {
    ByteReader in(bytes);
    require(in.u16() == 0, "icon group's reserved field is not 0");
    require(in.u16() == 1, "icon group's type is not 1 (icon)");
    const int count = in.u16();
    std::vector<GroupIconEntry> entries;
    for (int i = 0; i < count; ++i) {
        GroupIconEntry entry;
        entry.width = in.u8();
        entry.height = in.u8();
        entry.colourCount = in.u8();
        in.u8();  // reserved
        entry.planes = in.u16();
        entry.bitsPerPixel = in.u16();
        entry.bytes = in.u32();
        entry.iconId = in.u16();
        entries.push_back(entry);
    }
    require(in.position() == bytes.size(), "icon group has bytes past its entries");
    return entries;
}

VersionInfo readVersionInfo(std::span<const std::uint8_t> bytes) {
    const VersionNode root = readVersionNode(bytes, 0);
    require(root.key == "VS_VERSION_INFO", "root key is '" + root.key + "'");
    ByteReader fixed(root.value);
    require(fixed.u32() == kVersionSignature, "fixed file info signature missing");
    fixed.u32();  // structure version
    VersionInfo info;
    info.fileVersionMs = fixed.u32();
    info.fileVersionLs = fixed.u32();
    info.productVersionMs = fixed.u32();
    info.productVersionLs = fixed.u32();

    for (const VersionNode& block : root.children) {
        for (const VersionNode& child : block.children) {
            if (block.key == "StringFileInfo") {
                for (const VersionNode& value : child.children) {
                    info.stringTables[child.key][value.key] = textValue(value);
                }
            } else if (block.key == "VarFileInfo" && child.key == "Translation") {
                ByteReader pairs(child.value);
                while (pairs.position() < pairs.size()) {
                    const std::uint16_t language = pairs.u16();
                    info.translations.emplace_back(language, pairs.u16());
                }
            }
        }
    }
    return info;
}

}  // namespace vorn::test
