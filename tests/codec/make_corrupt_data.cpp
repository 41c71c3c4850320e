// Writes the corrupt inputs in data/corrupt/ from one valid all-white frame,
// each broken in one way, and each named after the error it must meet:
// <error>-<case>.bmp for the decoder, <error>-<case>.bin for the frame
// records (FrameSetRefused: records that split but make no frame set). They
// feed the decoder's table test, the fuzzers' seeds and the fuzz replay.
// Run by hand after a change to the file layout:
//   cmake --build <dir> --target vorn-make-corrupt-data
//   <dir>/tests/codec/vorn-make-corrupt-data tests/codec/data/corrupt

#include <filesystem>
#include <span>
#include <map>
#include <string>

#include "codec_test_support.hpp"
#include "files/file_bytes.hpp"
#include "run_tool/run_tool.hpp"
#include "frames/bmp_rle8_encoder.hpp"
#include "frames/byte_order.hpp"
#include "frames/frame_records.hpp"

namespace {

using vorn::test::Bytes;
using vorn::test::bmpWithPixelData;
using vorn::test::whiteRowCodes;
namespace field = vorn::bmp::field;

const Bytes& whiteFile() {
    static const Bytes file = vorn::encodeBmpRle8(vorn::test::solidFrame(255));
    return file;
}

Bytes withField32(std::size_t offset, std::uint32_t value) {
    Bytes file = whiteFile();
    vorn::test::writeLe32(file, offset, value);
    return file;
}

Bytes withField16(std::size_t offset, std::uint16_t value) {
    Bytes file = whiteFile();
    vorn::test::writeLe16(file, offset, value);
    return file;
}

// White rows 0..rowCount-1 (stored order), with `firstRow` replacing the first.
Bytes pixelRows(int rowCount, const Bytes& firstRow = whiteRowCodes()) {
    Bytes data = firstRow;
    for (int row = 1; row < rowCount; ++row) {
        const Bytes white = whiteRowCodes();
        data.insert(data.end(), white.begin(), white.end());
    }
    return data;
}

Bytes withEnd(Bytes data, const Bytes& end) {
    data.insert(data.end(), end.begin(), end.end());
    return data;
}

Bytes frameWith(const Bytes& pixelData) { return bmpWithPixelData(whiteFile(), pixelData); }

const Bytes kEndOfBitmap = {0, 1};

std::map<std::string, Bytes> corruptBmpFiles() {
    std::map<std::string, Bytes> files;
    files["TruncatedHeader-file_header.bmp"] = Bytes(whiteFile().begin(), whiteFile().begin() + 10);
    {
        Bytes file(whiteFile().begin(), whiteFile().begin() + 600);  // headers whole, palette cut
        vorn::test::writeLe32(file, field::kFileSize, 600);
        files["TruncatedHeader-palette.bmp"] = file;
    }
    files["BadSignature-BA.bmp"] = withField16(field::kType, 0x4142);  // "BA"
    files["FileSizeMismatch-two_bytes_more.bmp"] = withField32(field::kFileSize, static_cast<std::uint32_t>(whiteFile().size() + 2));
    files["UnsupportedHeaderField-reserved_set.bmp"] = withField16(field::kReserved1, 7);
    files["BadPixelDataOffset-1080.bmp"] = withField32(field::kPixelDataOffset, 1080);
    files["UnsupportedHeaderField-info_header_124.bmp"] = withField32(field::kInfoHeaderSize, 124);
    files["BadDimensions-width_579.bmp"] = withField32(field::kWidth, 579);
    files["BadDimensions-top_down.bmp"] = withField32(field::kHeight, static_cast<std::uint32_t>(-550));
    files["UnsupportedHeaderField-two_planes.bmp"] = withField16(field::kPlanes, 2);
    files["UnsupportedHeaderField-four_bits_per_pixel.bmp"] = withField16(field::kBitsPerPixel, 4);
    files["UnsupportedHeaderField-uncompressed.bmp"] = withField32(field::kCompression, 0);
    files["UnsupportedHeaderField-resolution_set.bmp"] = withField32(field::kXPixelsPerMetre, 2835);
    files["UnsupportedHeaderField-colours_used_16.bmp"] = withField32(field::kColoursUsed, 16);
    files["PixelDataSizeMismatch-4400.bmp"] = withField32(field::kPixelDataSize, 4400);
    {
        Bytes file = whiteFile();
        file[vorn::bmp::kPaletteOffset + 4 * 255] = 0;  // white's blue
        files["PaletteMismatch-white_blue.bmp"] = file;
    }
    files["TruncatedPixelData-in_absolute_run.bmp"] = frameWith(withEnd(pixelRows(549), {0, 100, 255, 255, 255}));
    files["TruncatedPixelData-in_code.bmp"] = frameWith(withEnd(pixelRows(550), {0}));
    files["RunPastRowEnd-encoded_run.bmp"] = frameWith(withEnd(pixelRows(550, {255, 255, 255, 255, 71, 255, 0, 0}), kEndOfBitmap));
    {
        Bytes row = {255, 255, 255, 255, 0, 72};  // 510 + 72 pixels
        row.insert(row.end(), 72, 255);
        row.insert(row.end(), {0, 0});
        files["RunPastRowEnd-absolute_run.bmp"] = frameWith(withEnd(pixelRows(550, row), kEndOfBitmap));
    }
    files["TooManyRows-551.bmp"] = frameWith(withEnd(pixelRows(551), kEndOfBitmap));
    files["DeltaCode-first_row.bmp"] = frameWith(withEnd(pixelRows(550, {0, 2, 4, 0, 255, 255, 255, 255, 66, 255, 0, 0}), kEndOfBitmap));
    files["RowEndedShort-579_pixels.bmp"] = frameWith(withEnd(pixelRows(550, {255, 255, 255, 255, 69, 255, 0, 0}), kEndOfBitmap));
    files["ImageEndedEarly-10_rows.bmp"] = frameWith(withEnd(pixelRows(10), kEndOfBitmap));
    {
        Bytes rows = pixelRows(550);
        rows.resize(rows.size() - 2);  // drop the last row's end of line
        files["ImageEndedEarly-last_line_end_missing.bmp"] = frameWith(withEnd(rows, kEndOfBitmap));
    }
    files["MissingEndOfBitmap-none.bmp"] = frameWith(pixelRows(550));
    files["TrailingBytes-4_bytes.bmp"] = frameWith(withEnd(pixelRows(550), {0, 1, 0, 0}));
    return files;
}

Bytes record(std::initializer_list<std::uint8_t> tag, std::uint32_t length, const Bytes& body) {
    Bytes bytes(tag);
    vorn::byte_order::appendLe32(bytes, length);
    bytes.insert(bytes.end(), body.begin(), body.end());
    return bytes;
}

std::map<std::string, Bytes> corruptRecordStreams() {
    const Bytes good = record({0x6C, 0x74, 0, 0}, 4, {'B', 'M', 4, 0});
    std::map<std::string, Bytes> files;
    files["TruncatedRecordHeader-second_record.bin"] = withEnd(good, {0x6C, 0x74, 0, 0, 4});
    files["BadTag-second_record.bin"] = withEnd(good, record({0x6C, 0x74, 0, 1}, 4, {'B', 'M', 4, 0}));
    files["LengthPastEnd-second_record.bin"] = withEnd(good, record({0x6C, 0x74, 0, 0}, 5, {'B', 'M', 4, 0}));
    // Sound records, but one short of a frame set, or whose first BMP is cut.
    const auto recordsOf = [](std::size_t count, const Bytes& first) {
        Bytes records;
        vorn::appendFrameRecord(records, first);
        for (std::size_t i = 1; i < count; ++i) {
            vorn::appendFrameRecord(records, {});
        }
        return records;
    };
    files["FrameSetRefused-one_record_short.bin"] = recordsOf(vorn::kFrameCount - 1, {});
    files["FrameSetRefused-first_holder_bmp_truncated.bin"] = recordsOf(vorn::kFrameCount, {'B', 'M'});
    return files;
}

void writeAll(const std::string& directory, const std::map<std::string, Bytes>& files) {
    for (const auto& [name, bytes] : files) {
        vorn::writeFileBytes(std::filesystem::path(directory) / name, bytes);
    }
}

// The program's work, on its arguments.
void run(std::span<char* const> arguments) {
    writeAll(arguments[0], corruptBmpFiles());
    writeAll(arguments[0], corruptRecordStreams());
}

}  // namespace

int main(int argc, char** argv) {
    return vorn::tools::runTool(argc, argv, "vorn-make-corrupt-data", "<output-directory>", 1, run);
}
