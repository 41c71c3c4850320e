#pragma once

// The three pictures for people. Each writes one file and throws
// std::runtime_error, naming the file, when it cannot.

#include <filesystem>

namespace vorn::docs {

// The twenty frames on one sheet, each labelled with its number and angle.
void writeFrameSheet(const std::filesystem::path& pngPath);

// One revolution as a looping animated GIF in the frame palette.
void writeAnimationGif(const std::filesystem::path& gifPath);

// Piston displacement and velocity against crank angle, both mechanisms.
void writeMotionPlot(const std::filesystem::path& svgPath);

}  // namespace vorn::docs
