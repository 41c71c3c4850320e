#pragma once

#include <optional>
#include <string>

namespace vorn {

// Why the window could not be opened, or nothing when a display is there.
// Checked before Qt starts, because Qt aborts the process when its X
// platform cannot connect.
std::optional<std::string> missingDisplayReason();

}  // namespace vorn
