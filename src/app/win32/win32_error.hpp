#pragma once

#include <stdexcept>
#include <string>

namespace vorn::win32 {

// A Win32 call that failed at start-up, with the system's own words for why.
class Win32Error : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Throws Win32Error "<what>: <system message> (error <code>)" for the
// calling thread's last error.
[[noreturn]] void throwLastError(const std::string& what);

// `text` (ASCII or UTF-8) as the UTF-16 the wide Win32 calls take.
std::wstring toWide(const std::string& text);

// Tells the operator in a message box and on the standard error (where a
// console or Wine's terminal shows it), then ends the process with `status`.
[[noreturn]] void failWith(const std::string& message, unsigned status);

}  // namespace vorn::win32
