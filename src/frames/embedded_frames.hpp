#pragma once

#include <cstdint>
#include <span>

// The frame records built into the program. The definitions are generated
// at build time by vorn-frames from the drawing of the frames.
namespace vorn {

// The twenty records laid end to end, in the holders' window order.
std::span<const std::uint8_t> embeddedFrameRecords();

// The holder number (1..20) of each record, in the same order.
std::span<const int> embeddedFrameHolderNumbers();

}  // namespace vorn
