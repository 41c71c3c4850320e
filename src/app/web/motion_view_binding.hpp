#pragma once

// What the web layer asks of the page's motion view, implemented in
// motion_view.js.

extern "C" {

// Frame `frameIndex` (0..19) is on screen now: the view's marker and readout
// follow it by the next display frame. Cheap enough for every pass.
void vorn_page_show_frame_index(int frameIndex);
}
