#include "app/qt/runtime_directory.hpp"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <stdexcept>
#include <vector>

namespace vorn {
namespace {

std::string temporaryBase() {
    const char* base = std::getenv("TMPDIR");
    return base != nullptr && *base != '\0' ? base : "/tmp";
}

// A directory that nobody else can have prepared: ours, not a link, and
// closed to everyone else.
bool isPrivateDirectory(const std::string& path) {
    struct stat status {};
    return lstat(path.c_str(), &status) == 0 && S_ISDIR(status.st_mode) && status.st_uid == geteuid() &&
           (status.st_mode & 077) == 0;
}

// The same directory on every start where it can be had; otherwise a new one
// with a name nobody could have guessed.
std::string makePrivateDirectory() {
    const std::string base = temporaryBase();
    const std::string stable = base + "/vorn-runtime-" + std::to_string(geteuid());
    if ((mkdir(stable.c_str(), 0700) == 0 || errno == EEXIST) && isPrivateDirectory(stable)) {
        return stable;
    }
    std::string pattern = stable + "-XXXXXX";
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    if (mkdtemp(name.data()) == nullptr) {
        throw std::runtime_error("cannot make a private run-time directory under " + base + ": " +
                                 std::strerror(errno));
    }
    return name.data();
}

}  // namespace

std::string ensurePrivateRuntimeDirectory() {
    const char* named = std::getenv("XDG_RUNTIME_DIR");
    if (named != nullptr && *named != '\0') {
        return named;
    }
    const std::string path = makePrivateDirectory();
    if (setenv("XDG_RUNTIME_DIR", path.c_str(), 1) != 0) {
        throw std::runtime_error("cannot set XDG_RUNTIME_DIR: " + std::string(std::strerror(errno)));
    }
    return path;
}

}  // namespace vorn
