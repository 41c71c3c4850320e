#pragma once

#include <sys/types.h>

#include <chrono>
#include <optional>
#include <string>
#include <vector>

namespace vorn::testing {

// The real vorn program, started on the current DISPLAY by `command` (the
// program and its arguments; for the Windows build, Wine's launcher first);
// killed at the end of the test if still running.
class VornProcess {
public:
    explicit VornProcess(const std::vector<std::string>& command);
    ~VornProcess();
    VornProcess(const VornProcess&) = delete;
    VornProcess& operator=(const VornProcess&) = delete;

    pid_t pid() const { return pid_; }
    // The exit status once it has exited within `timeout`; -1 when killed by
    // a signal; nothing when still running.
    std::optional<int> waitForExit(std::chrono::milliseconds timeout);
    // Resident memory in kilobytes, from /proc.
    long residentKilobytes() const;

private:
    pid_t pid_ = -1;
    bool reaped_ = false;
};

}  // namespace vorn::testing
