// Prints the frame round the running program's client area as Windows gives
// it to the program, in device pixels: "left top right bottom". Under Wine a
// window manager draws a frame of its own, whose size need not match, so the
// real-window tests ask this for the frame the program was placed with.
#include <windows.h>

#include <cstdio>

#include "app/shared/caption.hpp"

int main() {
    SetProcessDpiAwarenessContext(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2);
    const HWND window = FindWindowA(nullptr, vorn::kCaption);
    RECT whole{};
    RECT client{};
    POINT clientOrigin{0, 0};
    if (window == nullptr || !GetWindowRect(window, &whole) || !GetClientRect(window, &client) ||
        !ClientToScreen(window, &clientOrigin)) {
        std::fprintf(stderr, "no window captioned \"%s\" to read the frame of (error %lu)\n", vorn::kCaption,
                     GetLastError());
        return 1;
    }
    std::printf("%ld %ld %ld %ld\n", clientOrigin.x - whole.left, clientOrigin.y - whole.top,
                whole.right - (clientOrigin.x + client.right), whole.bottom - (clientOrigin.y + client.bottom));
    return 0;
}
