#pragma once

#include <windows.h>

namespace vorn::win32 {

// Ends the "working in background" pointer Windows shows after a program
// starts until its first GetMessage: posts `window` a private message and
// takes that one back, and no other, so that every message already queued
// stays for the form's event service.
void endStartingCursor(HWND window);

}  // namespace vorn::win32
