#pragma once

#include <cstddef>
#include <cstdint>

// What the web layer asks of the page, implemented in vorn_page.js.

extern "C" {

// Makes holder `holderNumber`'s picture from `rgba` (width × height pixels,
// four bytes each), once, at start.
void vorn_page_make_holder(int holderNumber, const std::uint8_t* rgba, int width, int height);
// Draws holder `holderNumber`'s picture at the inner area's origin.
void vorn_page_show_holder(int holderNumber);
// Listens to Picture1's input and the on-screen keys, and gives Picture1 the
// keyboard focus. The page writes a key's name into `keyBuffer` before it
// reports the key. Sizes the window at once, and anew whenever the viewport
// or the density changes.
void vorn_page_listen(char* keyBuffer, std::size_t keyBufferSize);
// The pointer's shape over Picture1: 0 arrow, 1 up-down arrows.
void vorn_page_show_pointer_mode(int steppingFrames);
// Stops listening, takes the window and its keys off the page and puts
// `message` there, with a button that starts VORN again.
void vorn_page_end(const char* message);
}
