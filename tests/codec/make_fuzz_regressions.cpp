// Writes the fuzz targets' kept inputs in fuzz/regressions/: for each error
// of the RLE8 decoder, of the frame records and of the frame set, the
// smallest input found to reach it. Each decoder input is named after its
// error; fuzz_regression_tests checks that every one still reaches it. Run
// by hand after a change to the file layout:
//   cmake --build <dir> --target vorn-make-fuzz-regressions
//   <dir>/tests/codec/vorn-make-fuzz-regressions fuzz/regressions

#include <filesystem>
#include <span>
#include <map>
#include <string>

#include "codec_test_support.hpp"
#include "files/file_bytes.hpp"
#include "frames/bmp_rle8_encoder.hpp"
#include "frames/bmp_rle8_error.hpp"
#include "frames/frame_records.hpp"
#include "run_tool/run_tool.hpp"

namespace {

namespace fs = std::filesystem;
namespace field = vorn::bmp::field;
using vorn::BmpRle8ErrorCode;
using vorn::test::Bytes;

const Bytes& headerSource() {
    static const Bytes file = vorn::encodeBmpRle8(vorn::test::solidFrame(255));
    return file;
}

Bytes bmpWith(const Bytes& pixelData) { return vorn::test::bmpWithPixelData(headerSource(), pixelData); }

// Every row of the frame written whole, then `end`.
Bytes allRowsThen(const Bytes& end) {
    Bytes data;
    for (int row = 0; row < vorn::kFrameHeight; ++row) {
        const Bytes white = vorn::test::whiteRowCodes();
        data.insert(data.end(), white.begin(), white.end());
    }
    data.insert(data.end(), end.begin(), end.end());
    return data;
}

const Bytes kEndOfBitmap = {0, 1};

Bytes withField(Bytes file, std::size_t offset, std::uint32_t value) {
    vorn::byte_order::writeLe32(file, offset, value);
    return file;
}

std::map<BmpRle8ErrorCode, Bytes> decoderInputs() {
    const Bytes shortest = bmpWith(kEndOfBitmap);
    std::map<BmpRle8ErrorCode, Bytes> inputs;
    inputs[BmpRle8ErrorCode::kTruncatedHeader] = Bytes(shortest.begin(), shortest.begin() + 10);
    {
        Bytes file = shortest;
        file[0] = 'X';
        inputs[BmpRle8ErrorCode::kBadSignature] = file;
    }
    inputs[BmpRle8ErrorCode::kFileSizeMismatch] =
        withField(shortest, field::kFileSize, static_cast<std::uint32_t>(shortest.size() + 1));
    inputs[BmpRle8ErrorCode::kBadPixelDataOffset] = withField(shortest, field::kPixelDataOffset, 1080);
    inputs[BmpRle8ErrorCode::kUnsupportedHeaderField] = withField(shortest, field::kCompression, 0);
    inputs[BmpRle8ErrorCode::kBadDimensions] = withField(shortest, field::kWidth, 579);
    inputs[BmpRle8ErrorCode::kPixelDataSizeMismatch] = withField(shortest, field::kPixelDataSize, 3);
    {
        Bytes file = shortest;
        file[vorn::bmp::kPaletteOffset] ^= 1;
        inputs[BmpRle8ErrorCode::kPaletteMismatch] = file;
    }
    inputs[BmpRle8ErrorCode::kTruncatedPixelData] = bmpWith({0});
    inputs[BmpRle8ErrorCode::kRunPastRowEnd] = bmpWith({255, 255, 255, 255, 71, 255});
    inputs[BmpRle8ErrorCode::kTooManyRows] = bmpWith(allRowsThen({1, 255}));
    inputs[BmpRle8ErrorCode::kDeltaCode] = bmpWith({0, 2, 4, 0});
    inputs[BmpRle8ErrorCode::kRowEndedShort] = bmpWith({1, 255, 0, 0});
    inputs[BmpRle8ErrorCode::kImageEndedEarly] = shortest;
    inputs[BmpRle8ErrorCode::kMissingEndOfBitmap] = bmpWith(allRowsThen({}));
    inputs[BmpRle8ErrorCode::kTrailingBytes] = bmpWith(allRowsThen({0, 1, 0, 0}));
    return inputs;
}

Bytes recordsOf(std::size_t count, const Bytes& first = {}) {
    Bytes records;
    vorn::appendFrameRecord(records, first);
    for (std::size_t i = 1; i < count; ++i) {
        vorn::appendFrameRecord(records, {});
    }
    return records;
}

std::map<std::string, Bytes> recordInputs() {
    std::map<std::string, Bytes> inputs;
    inputs["truncated_record_header.bin"] = {0x6C, 0x74, 0x00, 0x00, 0x00};
    inputs["bad_tag.bin"] = {0x6C, 0x74, 0x00, 0x01, 0x00, 0x00, 0x00, 0x00};
    inputs["length_past_end.bin"] = {0x6C, 0x74, 0x00, 0x00, 0x01, 0x00, 0x00, 0x00};
    inputs["one_record_short.bin"] = recordsOf(vorn::kHolderCount - 1);
    inputs["first_holder_bmp_truncated.bin"] = recordsOf(vorn::kHolderCount, {'B', 'M'});
    return inputs;
}

// The program's work, on its arguments.
void run(std::span<char* const> arguments) {
    const fs::path directory = arguments[0];
    fs::create_directories(directory / "rle8_decoder");
    fs::create_directories(directory / "frame_records");
    for (const auto& [code, bytes] : decoderInputs()) {
        vorn::writeFileBytes(directory / "rle8_decoder" / (std::string(vorn::errorName(code)) + ".bmp"), bytes);
    }
    for (const auto& [name, bytes] : recordInputs()) {
        vorn::writeFileBytes(directory / "frame_records" / name, bytes);
    }
}

}  // namespace

int main(int argc, char** argv) {
    return vorn::tools::runTool(argc, argv, "vorn-make-fuzz-regressions", "<fuzz-regressions-directory>", 1, run);
}
