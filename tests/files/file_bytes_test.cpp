// Whole files in and out: the bytes come back as written, and a file that
// cannot be read or written is an error that names it.
#include "files/file_bytes.hpp"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

namespace {

namespace fs = std::filesystem;

class FileBytesTest : public ::testing::Test {
protected:
    void SetUp() override {
        directory_ = fs::temp_directory_path() /
                     ("vorn-file-bytes-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(directory_);
        fs::create_directories(directory_);
    }
    void TearDown() override { fs::remove_all(directory_); }

    fs::path directory_;
};

TEST_F(FileBytesTest, WrittenBytesReadBackUnchangedAndAShorterWriteReplacesALongerFile) {
    const fs::path path = directory_ / "file.bin";
    // Bytes a text-mode stream would change: CR LF, a Ctrl-Z, a NUL.
    const std::vector<std::uint8_t> bytes = {0x0D, 0x0A, 0x1A, 0x00, 0xFF, 0x42};
    vorn::writeFileBytes(path, bytes);
    EXPECT_EQ(vorn::readFileBytes(path), bytes);

    const std::vector<std::uint8_t> shorter = {0x07};
    vorn::writeFileBytes(path, shorter);
    EXPECT_EQ(vorn::readFileBytes(path), shorter);
}

TEST_F(FileBytesTest, AFileThatCannotBeOpenedIsAnErrorNamingIt) {
    const fs::path missing = directory_ / "missing.bin";
    const fs::path noFolder = directory_ / "no-such-folder" / "out.bin";
    const std::vector<std::uint8_t> bytes = {1, 2, 3};
    try {
        vorn::readFileBytes(missing);
        ADD_FAILURE() << "read a missing file";
    } catch (const std::runtime_error& error) {
        EXPECT_NE(std::string(error.what()).find(missing.string()), std::string::npos) << error.what();
    }
    try {
        vorn::writeFileBytes(noFolder, bytes);
        ADD_FAILURE() << "wrote into a missing folder";
    } catch (const std::runtime_error& error) {
        EXPECT_NE(std::string(error.what()).find(noFolder.string()), std::string::npos) << error.what();
    }
}

}  // namespace
