#include <gif_lib.h>

#include <array>
#include <algorithm>
#include <memory>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "docs_outputs.hpp"
#include "frames/frame_drawing.hpp"
#include "frames/palette.hpp"

namespace vorn::docs {
namespace {

// One revolution a second or so: 20 frames at 5 hundredths of a second.
constexpr int kFrameDelayHundredths = 5;

class GifWriter {
public:
    explicit GifWriter(const std::filesystem::path& path) : path_(path.string()) {
        int error = 0;
        file_ = EGifOpenFileName(path_.c_str(), false, &error);
        if (file_ == nullptr) {
            fail("cannot create", error);
        }
        EGifSetGifVersion(file_, true);  // animation needs GIF89 extensions
    }
    GifWriter(const GifWriter&) = delete;
    GifWriter& operator=(const GifWriter&) = delete;
    ~GifWriter() {
        if (file_ != nullptr) {
            int error = 0;
            EGifCloseFile(file_, &error);  // abandoned after an earlier failure
        }
    }

    void writeScreen(int width, int height) {
        std::array<GifColorType, 256> colours{};
        for (std::size_t i = 0; i < colours.size(); ++i) {
            const Rgb rgb = framePalette()[i];
            colours[i] = {rgb.red, rgb.green, rgb.blue};
        }
        const std::unique_ptr<ColorMapObject, decltype(&GifFreeMapObject)> map(
            GifMakeMapObject(static_cast<int>(colours.size()), colours.data()), &GifFreeMapObject);
        if (!map) {
            throw std::runtime_error("out of memory building the GIF palette for " + path_);
        }
        check(EGifPutScreenDesc(file_, width, height, 8, colour::kWhite, map.get()), "screen descriptor");
    }

    // The NETSCAPE2.0 application extension: loop for ever.
    void writeEndlessLoop() {
        static const GifByteType kApplication[] = {'N', 'E', 'T', 'S', 'C', 'A', 'P', 'E', '2', '.', '0'};
        static const GifByteType kLoopForever[] = {1, 0, 0};
        check(EGifPutExtensionLeader(file_, APPLICATION_EXT_FUNC_CODE), "loop extension");
        check(EGifPutExtensionBlock(file_, sizeof kApplication, kApplication), "loop extension");
        check(EGifPutExtensionBlock(file_, sizeof kLoopForever, kLoopForever), "loop extension");
        check(EGifPutExtensionTrailer(file_), "loop extension");
    }

    void writeFrame(const IndexedImage& frame, int delayHundredths) {
        GraphicsControlBlock control{};
        control.DisposalMode = DISPOSE_DO_NOT;
        control.UserInputFlag = false;
        control.DelayTime = delayHundredths;
        control.TransparentColor = NO_TRANSPARENT_COLOR;
        std::array<GifByteType, 4> extension{};
        const std::size_t length = EGifGCBToExtension(&control, extension.data());
        check(EGifPutExtension(file_, GRAPHICS_EXT_FUNC_CODE, static_cast<int>(length), extension.data()),
              "frame delay");
        check(EGifPutImageDesc(file_, 0, 0, frame.width, frame.height, false, nullptr), "image descriptor");
        std::vector<GifPixelType> row(static_cast<std::size_t>(frame.width));
        for (int y = 0; y < frame.height; ++y) {
            const auto* source = frame.pixels.data() + static_cast<std::size_t>(y) * row.size();
            std::copy_n(source, row.size(), row.data());
            check(EGifPutLine(file_, row.data(), frame.width), "pixel row");
        }
    }

    void close() {
        int error = 0;
        GifFileType* file = std::exchange(file_, nullptr);
        if (EGifCloseFile(file, &error) != GIF_OK) {
            fail("cannot finish", error);
        }
    }

private:
    void check(int status, const char* what) {
        if (status != GIF_OK) {
            fail((std::string("cannot write the ") + what + " of").c_str(), file_->Error);
        }
    }
    [[noreturn]] void fail(const char* what, int error) {
        const char* reason = GifErrorString(error);
        throw std::runtime_error(std::string(what) + " " + path_ + ": " + (reason ? reason : "unknown GIF error"));
    }

    std::string path_;
    GifFileType* file_ = nullptr;
};

}  // namespace

void writeAnimationGif(const std::filesystem::path& gifPath) {
    GifWriter writer(gifPath);
    writer.writeScreen(kFrameWidth, kFrameHeight);
    writer.writeEndlessLoop();
    for (int j = 0; j < kFrameCount; ++j) {
        writer.writeFrame(drawFrame(j), kFrameDelayHundredths);
    }
    writer.close();
    // giflib creates the file readable by its owner only; it is a picture
    // for everyone.
    using std::filesystem::perms;
    std::filesystem::permissions(gifPath, perms::owner_read | perms::owner_write | perms::group_read | perms::others_read);
}

}  // namespace vorn::docs
