#include "icotool_images.hpp"

#include <png.h>

#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <system_error>

#include "files/file_bytes.hpp"

namespace vorn::test {
namespace {

namespace fs = std::filesystem;

// A fresh folder of its own for each call (test cases run side by side),
// removed with what icotool wrote into it.
struct TemporaryFolder {
    fs::path path;
    TemporaryFolder() {
        std::string name = (fs::temp_directory_path() / "vorn-icotool-XXXXXX").string();
        if (mkdtemp(name.data()) == nullptr) {
            throw std::runtime_error("cannot make a folder for icotool's output in " + fs::temp_directory_path().string());
        }
        path = name;
    }
    ~TemporaryFolder() {
        std::error_code ignored;
        fs::remove_all(path, ignored);
    }
    TemporaryFolder(const TemporaryFolder&) = delete;
    TemporaryFolder& operator=(const TemporaryFolder&) = delete;
};

std::string fileText(const fs::path& path) {
    std::ifstream in(path);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// Runs one icotool command on `ico`, its output into `out`, its errors
// appended to `errors`; throws if it fails or complains.
void runIcotool(const std::string& arguments, const fs::path& ico, const fs::path& out, const fs::path& errors) {
    const std::string command = std::string(VORN_ICOTOOL) + " " + arguments + " '" + ico.string() + "' >'" +
                                out.string() + "' 2>>'" + errors.string() + "'";
    const int status = std::system(command.c_str());
    const std::string complaint = fileText(errors);
    if (status != 0 || !complaint.empty()) {
        throw std::runtime_error("icotool " + arguments + " " + ico.string() + ": " + complaint);
    }
}

// icotool names the image with index i (from 1) <stem>_<i>_<w>x<h>x<bits>.png.
fs::path extractedImage(const fs::path& directory, const fs::path& ico, std::size_t index) {
    const std::string prefix = ico.stem().string() + "_" + std::to_string(index) + "_";
    for (const fs::directory_entry& entry : fs::directory_iterator(directory)) {
        if (entry.path().filename().string().starts_with(prefix)) {
            return entry.path();
        }
    }
    throw std::runtime_error("icotool extracted no image " + std::to_string(index) + " from " + ico.string());
}

std::vector<IcotoolImage> listAndExtract(const fs::path& ico, const fs::path& folder) {
    const fs::path listing = folder / "listing.txt";
    const fs::path errors = folder / "errors.txt";
    runIcotool("--list", ico, listing, errors);
    runIcotool("--extract --output='" + folder.string() + "'", ico, folder / "extract.txt", errors);

    std::vector<IcotoolImage> images;
    std::istringstream lines(fileText(listing));
    for (std::string line; std::getline(lines, line);) {
        IcotoolImage image;
        image.listing = line;
        image.pixels = readPng(extractedImage(folder, ico, images.size() + 1));
        images.push_back(std::move(image));
    }
    return images;
}

}  // namespace

RgbaImage readPng(const fs::path& path) {
    png_image png;
    std::memset(&png, 0, sizeof png);
    png.version = PNG_IMAGE_VERSION;
    if (png_image_begin_read_from_file(&png, path.c_str()) == 0) {
        throw std::runtime_error(path.string() + ": " + png.message);
    }
    png.format = PNG_FORMAT_RGBA;
    RgbaImage image;
    image.rgba.resize(PNG_IMAGE_SIZE(png));
    if (png_image_finish_read(&png, nullptr, image.rgba.data(), 0, nullptr) == 0) {
        throw std::runtime_error(path.string() + ": " + png.message);
    }
    image.width = static_cast<int>(png.width);
    image.height = static_cast<int>(png.height);
    return image;
}

std::vector<IcotoolImage> readWithIcotool(const fs::path& ico) {
    const TemporaryFolder folder;
    return listAndExtract(ico, folder.path);
}

std::vector<IcotoolImage> readWithIcotool(std::span<const std::uint8_t> icoBytes) {
    const TemporaryFolder folder;
    const fs::path ico = folder.path / "encoded.ico";
    writeFileBytes(ico, icoBytes);
    return listAndExtract(ico, folder.path);
}

}  // namespace vorn::test
