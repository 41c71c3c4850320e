// vorn-docs <output folder>: writes frames.png, vorn.gif and motion.svg.

#include <QGuiApplication>

#include <exception>
#include <filesystem>
#include <iostream>

#include "docs_outputs.hpp"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: vorn-docs <output folder>\n";
        return 2;
    }
    // Text on the frame sheet needs a font database, hence an application;
    // the docs target runs it on the offscreen platform.
    QGuiApplication application(argc, argv);
    const std::filesystem::path folder = argv[1];
    try {
        vorn::docs::writeFrameSheet(folder / "frames.png");
        vorn::docs::writeAnimationGif(folder / "vorn.gif");
        vorn::docs::writeMotionPlot(folder / "motion.svg");
    } catch (const std::exception& error) {
        std::cerr << "vorn-docs: " << error.what() << '\n';
        return 1;
    }
    return 0;
}
