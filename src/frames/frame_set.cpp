#include "frames/frame_set.hpp"

#include <vector>

#include "frames/bmp_rle8_decoder.hpp"
#include "frames/embedded_frames.hpp"

namespace vorn {
namespace {

std::string holderName(int holderNumber) { return "Image" + std::to_string(holderNumber); }

[[noreturn]] void failSet(const std::string& message) { throw FrameSetError(message, 0); }

void checkHolderNumbers(std::span<const int> holderNumbers) {
    if (std::ssize(holderNumbers) != kFrameCount) {
        failSet(std::to_string(holderNumbers.size()) + " holder numbers given, expected " +
                std::to_string(kFrameCount));
    }
    std::array<bool, kFrameCount> seen{};
    for (const int number : holderNumbers) {
        if (number < 1 || number > kFrameCount) {
            failSet("holder number " + std::to_string(number) + " is not in 1.." + std::to_string(kFrameCount));
        }
        bool& holderSeen = seen[holderSlot(number)];
        if (holderSeen) {
            failSet(holderName(number) + " is given more than one record");
        }
        holderSeen = true;
    }
}

std::vector<std::span<const std::uint8_t>> splitRecords(std::span<const std::uint8_t> records,
                                                        std::span<const int> holderNumbers) {
    try {
        return splitFrameRecords(records);
    } catch (const FrameRecordError& error) {
        const bool isHolders = error.recordIndex() < holderNumbers.size();
        const int holder = isHolders ? holderNumbers[error.recordIndex()] : 0;
        const std::string prefix = isHolders ? holderName(holder) + ": " : std::string();
        throw FrameSetError(prefix + error.what(), holder);
    }
}

}  // namespace

FrameSet FrameSet::loadEmbedded() { return loadFromRecords(embeddedFrameRecords(), embeddedFrameHolderNumbers()); }

FrameSet FrameSet::loadFromRecords(std::span<const std::uint8_t> records, std::span<const int> holderNumbers) {
    checkHolderNumbers(holderNumbers);
    const auto files = splitRecords(records, holderNumbers);
    if (std::ssize(files) != kFrameCount) {
        failSet("the frame data holds " + std::to_string(files.size()) + " records, expected " +
                std::to_string(kFrameCount));
    }
    FrameSet set;
    for (std::size_t i = 0; i < files.size(); ++i) {
        const int holder = holderNumbers[i];
        try {
            set.pictures_[holderSlot(holder)] = decodeBmpRle8(files[i]);
        } catch (const BmpRle8Error& error) {
            throw FrameSetError(holderName(holder) + ": " + error.what(), holder);
        }
    }
    return set;
}

const IndexedImage& FrameSet::holderPicture(int holderNumber) const {
    if (holderNumber < 1 || holderNumber > kFrameCount) {
        throw std::out_of_range("there is no frame holder " + holderName(holderNumber));
    }
    return pictures_[holderSlot(holderNumber)];
}

}  // namespace vorn
