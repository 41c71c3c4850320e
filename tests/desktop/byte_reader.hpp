#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <stdexcept>
#include <string>

#include "frames/byte_order.hpp"

namespace vorn::test {

// Little-endian reads from a byte buffer that throw std::runtime_error,
// naming the offset, instead of reading past the end: the test readers use
// it on files whose faults they are meant to catch.
class ByteReader {
public:
    explicit ByteReader(std::span<const std::uint8_t> bytes, std::size_t position = 0)
        : bytes_(bytes), position_(position) {}

    std::size_t position() const { return position_; }
    std::size_t size() const { return bytes_.size(); }
    void seek(std::size_t position) { position_ = position; }
    void alignTo4() { position_ = (position_ + 3) & ~std::size_t{3}; }

    std::uint8_t u8() { return take(1)[0]; }
    std::uint16_t u16() { return byte_order::readLe16(take(2), 0); }
    std::uint32_t u32() { return byte_order::readLe32(take(4), 0); }
    std::span<const std::uint8_t> take(std::size_t count) {
        if (position_ > bytes_.size() || count > bytes_.size() - position_) {
            throw std::runtime_error("read of " + std::to_string(count) + " bytes at offset " +
                                     std::to_string(position_) + " passes the end (" +
                                     std::to_string(bytes_.size()) + " bytes)");
        }
        const auto out = bytes_.subspan(position_, count);
        position_ += count;
        return out;
    }

private:
    std::span<const std::uint8_t> bytes_;
    std::size_t position_;
};

}  // namespace vorn::test
