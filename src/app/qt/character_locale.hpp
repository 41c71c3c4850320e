#pragma once

namespace vorn {

// Makes the character locale UTF-8 before Qt starts, if the environment's is
// not (LANG unset, or LC_ALL=C, as in many service and container
// environments). Qt needs UTF-8 and would switch to C.UTF-8 itself, but with
// a four-line warning on stderr that reads like a fault of the program. Only
// the character set changes: every other category keeps the environment's
// locale.
void settleUtf8CharacterLocale();

}  // namespace vorn
