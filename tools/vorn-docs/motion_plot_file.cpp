#include <fstream>
#include <stdexcept>

#include "docs_outputs.hpp"
#include "motion_plot/motion_plot.hpp"

namespace vorn::docs {

void writeMotionPlot(const std::filesystem::path& svgPath) {
    std::ofstream out(svgPath);
    out << "<?xml version='1.0' encoding='UTF-8'?>\n" << plots::motionPlotSvg(plots::kDocsLayout);
    out.close();
    if (!out) {
        throw std::runtime_error("cannot write " + svgPath.string());
    }
}

}  // namespace vorn::docs
