#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <utility>
#include <vector>

namespace vorn {

// Every frame of the animation is this size.
inline constexpr int kFrameWidth = 580;
inline constexpr int kFrameHeight = 550;

// An allocator that leaves new elements default-initialised: for bytes, not
// written at all. A decoder that writes every pixel anyway then touches each
// page once instead of twice.
template <typename T>
struct DefaultInitAllocator : std::allocator<T> {
    template <typename U>
    struct rebind {
        using other = DefaultInitAllocator<U>;
    };
    using std::allocator<T>::allocator;
    template <typename U>
    void construct(U* place) {
        ::new (static_cast<void*>(place)) U;
    }
    template <typename U, typename... Args>
    void construct(U* place, Args&&... args) {
        ::new (static_cast<void*>(place)) U(std::forward<Args>(args)...);
    }
};

struct UnfilledTag {};
// Asks for a picture whose pixels the caller will all write.
inline constexpr UnfilledTag kUnfilled{};

// A palette-indexed picture, stored top row first, one byte per pixel with no
// row padding. Pixels are palette entries (see palette.hpp).
struct IndexedImage {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t, DefaultInitAllocator<std::uint8_t>> pixels;

    IndexedImage() = default;
    IndexedImage(int w, int h, std::uint8_t fill)
        : width(w), height(h), pixels(static_cast<std::size_t>(w) * static_cast<std::size_t>(h), fill) {}
    // Pixels left unwritten; every one must be written before it is read.
    IndexedImage(int w, int h, UnfilledTag)
        : width(w), height(h), pixels(static_cast<std::size_t>(w) * static_cast<std::size_t>(h)) {}

    std::uint8_t at(int x, int y) const { return pixels[index(x, y)]; }
    std::uint8_t& at(int x, int y) { return pixels[index(x, y)]; }

    friend bool operator==(const IndexedImage&, const IndexedImage&) = default;

private:
    std::size_t index(int x, int y) const {
        return static_cast<std::size_t>(y) * static_cast<std::size_t>(width) + static_cast<std::size_t>(x);
    }
};

}  // namespace vorn
