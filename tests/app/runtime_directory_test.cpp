// The private run-time directory Qt is pointed at when none is named.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string>

#include "app/qt/runtime_directory.hpp"

namespace vorn {
namespace {

namespace fs = std::filesystem;

// Runs each case in a temporary directory of its own as TMPDIR, with
// XDG_RUNTIME_DIR unset, and puts both variables back afterwards.
class RuntimeDirectoryTest : public ::testing::Test {
protected:
    void SetUp() override {
        saveVariable("TMPDIR", savedTmpdir_);
        saveVariable("XDG_RUNTIME_DIR", savedRuntime_);
        std::string pattern = (fs::temp_directory_path() / "vorn-runtime-test-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        base_ = pattern;
        setenv("TMPDIR", base_.c_str(), 1);
        unsetenv("XDG_RUNTIME_DIR");
    }
    void TearDown() override {
        restoreVariable("TMPDIR", savedTmpdir_);
        restoreVariable("XDG_RUNTIME_DIR", savedRuntime_);
        fs::remove_all(base_);
    }

    static mode_t permissions(const std::string& path) {
        struct stat status {};
        EXPECT_EQ(lstat(path.c_str(), &status), 0) << path;
        return status.st_mode & 07777;
    }

    std::string stablePath() const { return base_ + "/vorn-runtime-" + std::to_string(geteuid()); }

    std::string base_;

private:
    static void saveVariable(const char* name, std::optional<std::string>& into) {
        if (const char* value = std::getenv(name)) into = value;
    }
    static void restoreVariable(const char* name, const std::optional<std::string>& value) {
        if (value) {
            setenv(name, value->c_str(), 1);
        } else {
            unsetenv(name);
        }
    }
    std::optional<std::string> savedTmpdir_;
    std::optional<std::string> savedRuntime_;
};

TEST_F(RuntimeDirectoryTest, MakesAPrivateDirectoryAndNamesIt) {
    const std::string path = ensurePrivateRuntimeDirectory();
    EXPECT_EQ(path, stablePath());
    EXPECT_EQ(std::string(std::getenv("XDG_RUNTIME_DIR")), path);
    EXPECT_EQ(permissions(path), 0700u);
    EXPECT_EQ(ensurePrivateRuntimeDirectory(), path) << "the same directory on the next start";
}

TEST_F(RuntimeDirectoryTest, LeavesANamedDirectoryAlone) {
    setenv("XDG_RUNTIME_DIR", "/somewhere/else", 1);
    EXPECT_EQ(ensurePrivateRuntimeDirectory(), "/somewhere/else");
    EXPECT_FALSE(fs::exists(stablePath()));
}

TEST_F(RuntimeDirectoryTest, TakesAnEmptyNameAsNone) {
    setenv("XDG_RUNTIME_DIR", "", 1);
    EXPECT_EQ(ensurePrivateRuntimeDirectory(), stablePath());
}

// Another user could have made the usual name first, open to all or as a
// link to a place of theirs: such a directory is never used.
TEST_F(RuntimeDirectoryTest, NeverUsesADirectoryOthersCouldHavePrepared) {
    ASSERT_EQ(mkdir(stablePath().c_str(), 0777), 0);
    ASSERT_EQ(chmod(stablePath().c_str(), 0777), 0);
    const std::string open = ensurePrivateRuntimeDirectory();
    EXPECT_NE(open, stablePath());
    EXPECT_EQ(permissions(open), 0700u);

    fs::remove_all(stablePath());
    fs::create_directory(base_ + "/elsewhere");
    fs::create_directory_symlink(base_ + "/elsewhere", stablePath());
    unsetenv("XDG_RUNTIME_DIR");
    const std::string linked = ensurePrivateRuntimeDirectory();
    EXPECT_NE(linked, stablePath());
    EXPECT_EQ(permissions(linked), 0700u);
}

TEST_F(RuntimeDirectoryTest, SaysWhereWhenNoDirectoryCanBeMade) {
    setenv("TMPDIR", "/nonexistent/vorn-test", 1);
    try {
        ensurePrivateRuntimeDirectory();
        FAIL() << "expected an error";
    } catch (const std::runtime_error& error) {
        EXPECT_NE(std::string(error.what()).find("/nonexistent/vorn-test"), std::string::npos) << error.what();
    }
}

}  // namespace
}  // namespace vorn
