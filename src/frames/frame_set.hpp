#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <stdexcept>
#include <string>

#include "frames/bmp_rle8_error.hpp"
#include "frames/frame_records.hpp"
#include "frames/indexed_image.hpp"

namespace vorn {

// Why the frame set could not be made. what() names the holder and the
// cause, e.g. "Image7: run past the end of row 12".
class FrameSetError : public std::runtime_error {
public:
    FrameSetError(const std::string& message, int holderNumber)
        : std::runtime_error(message), holderNumber_(holderNumber) {}

    // The holder whose record is bad, or 0 when the fault is not one holder's.
    int holderNumber() const { return holderNumber_; }

private:
    int holderNumber_;
};

// The twenty decoded frame pictures, one per frame holder Image1..Image20.
// Each record is checked and decoded once, when the set is made; afterwards
// the pictures are constant and handing one out neither decodes nor copies.
class FrameSet {
public:
    // The records built into the program. Throws FrameSetError.
    static FrameSet loadEmbedded();

    // `records` holds twenty records laid end to end; holderNumbers[i] is the
    // holder (1..20) of record i, each holder exactly once. Safe on arbitrary
    // bytes. Throws FrameSetError.
    static FrameSet loadFromRecords(std::span<const std::uint8_t> records, std::span<const int> holderNumbers);

    // The picture of holder `holderNumber` (1..20), which shows frame
    // holderNumber - 1. Throws std::out_of_range for another number.
    const IndexedImage& holderPicture(int holderNumber) const;

private:
    FrameSet() = default;

    std::array<IndexedImage, kFrameCount> pictures_;  // index: holder number - 1
};

}  // namespace vorn
