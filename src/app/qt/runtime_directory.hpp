#pragma once

#include <string>

namespace vorn {

// Qt keeps per-user run-time files in the directory XDG_RUNTIME_DIR names
// and warns on every start when none is named, as under a bare X server or
// in CI. When the variable is unset or empty, this points it at a private
// directory (owned by the user, mode 0700) under TMPDIR or /tmp, making one
// if need be; a variable that is set is left alone, so that Qt's own checks
// of it still warn when something is really wrong.
//
// Returns the directory now named. Throws std::runtime_error, naming the
// path and the reason, when no private directory can be had.
std::string ensurePrivateRuntimeDirectory();

}  // namespace vorn
