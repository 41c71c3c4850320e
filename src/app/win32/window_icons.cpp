#include "app/win32/window_icons.hpp"

namespace vorn::win32 {
namespace {

// MinGW-w64's import library of comctl32 lacks LoadIconWithScaleDown, so it
// is looked up in the DLL itself (version 6, which the manifest asks for).
using LoadIconWithScaleDownFunction = HRESULT(WINAPI*)(HINSTANCE, PCWSTR, int, int, HICON*);

LoadIconWithScaleDownFunction loadIconWithScaleDown() {
    static const auto function = [] {
        const HMODULE comctl32 = LoadLibraryW(L"comctl32.dll");
        return comctl32 == nullptr ? nullptr
                                   : reinterpret_cast<LoadIconWithScaleDownFunction>(
                                         reinterpret_cast<void*>(GetProcAddress(comctl32, "LoadIconWithScaleDown")));
    }();
    return function;
}

HICON loadIcon(HINSTANCE instance, int resource, int side) {
    const LoadIconWithScaleDownFunction load = loadIconWithScaleDown();
    HICON icon = nullptr;
    if (load == nullptr || FAILED(load(instance, MAKEINTRESOURCEW(resource), side, side, &icon))) {
        return nullptr;
    }
    return icon;
}

// Sets one of the window's icons; the one it replaces, if this class loaded
// it, is destroyed.
void replace(HWND window, WPARAM which, HICON& held, HICON loaded) {
    if (loaded == nullptr) {
        return;
    }
    SendMessageW(window, WM_SETICON, which, reinterpret_cast<LPARAM>(loaded));
    if (held != nullptr) {
        DestroyIcon(held);
    }
    held = loaded;
}

}  // namespace

WindowIcons::~WindowIcons() {
    if (large_ != nullptr) DestroyIcon(large_);
    if (small_ != nullptr) DestroyIcon(small_);
}

void WindowIcons::apply(HWND window, HINSTANCE instance, int resource, UINT dpi) {
    replace(window, ICON_BIG, large_, loadIcon(instance, resource, GetSystemMetricsForDpi(SM_CXICON, dpi)));
    replace(window, ICON_SMALL, small_, loadIcon(instance, resource, GetSystemMetricsForDpi(SM_CXSMICON, dpi)));
}

}  // namespace vorn::win32
