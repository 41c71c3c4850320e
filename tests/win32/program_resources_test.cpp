// Reads back the application manifest linked into vorn.exe, as wrestool
// (icoutils) extracted it in the win32.extract_program_resources test. (The
// version record: win32.version_record; the icon group and its images:
// win32.icotool_reads_program_icon.)
#include <gtest/gtest.h>

#include <cstdint>
#include <regex>
#include <string>
#include <vector>

#include "files/file_bytes.hpp"

namespace {

std::vector<std::uint8_t> extracted(const std::string& name) {
    return vorn::readFileBytes(std::string(VORN_EXTRACTED_RESOURCES) + "/" + name);
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

}  // namespace
