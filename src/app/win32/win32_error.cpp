#include "app/win32/win32_error.hpp"

#include <windows.h>

#include <cstdio>

namespace vorn::win32 {

namespace {

std::string systemMessage(DWORD code) {
    char* text = nullptr;
    const DWORD length = FormatMessageA(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code,
        0, reinterpret_cast<char*>(&text), 0, nullptr);
    std::string message = length == 0 ? "unknown error" : std::string(text, length);
    LocalFree(text);
    while (!message.empty() && (message.back() == '\n' || message.back() == '\r' || message.back() == '.')) {
        message.pop_back();
    }
    return message;
}

}  // namespace

void throwLastError(const std::string& what) {
    const DWORD code = GetLastError();
    throw Win32Error(what + ": " + systemMessage(code) + " (error " + std::to_string(code) + ")");
}

std::wstring toWide(const std::string& text) {
    if (text.empty()) {
        return {};
    }
    const int length = MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), wide.data(), length);
    return wide;
}

void failWith(const std::string& message, unsigned status) {
    std::fprintf(stderr, "vorn: %s\n", message.c_str());
    std::fflush(nullptr);
    MessageBoxW(nullptr, toWide(message).c_str(), L"VORN", MB_OK | MB_ICONERROR | MB_TASKMODAL);
    ExitProcess(status);
}

}  // namespace vorn::win32
