// Prints, as one JSON object, the facts that tests written in other
// languages need: the frame count and sizes, the inner area's visible
// columns, the picture area's border and the real-window tests' waits in
// seconds. They read them here so that none of them holds a copy.
#include <chrono>
#include <cstdio>

#include "app/shared/window_size.hpp"
#include "cycle/frame_cycle.hpp"
#include "frames/indexed_image.hpp"
#include "wait_budgets.hpp"

namespace {

double seconds(std::chrono::milliseconds budget) { return static_cast<double>(budget.count()) / 1000.0; }

}  // namespace

int main() {
    using namespace vorn;
    using namespace vorn::testing;
    const int visibleColumns = kClientWidth - 2 * kPictureAreaBorder;
    const int printed = std::printf(
        "{\"frame_count\": %d, \"frame_width\": %d, \"frame_height\": %d, \"visible_columns\": %d, "
        "\"border\": %d, \"budgets\": {\"start\": %g, \"next_pass\": %g, \"fast_pass\": %g, \"exit\": %g, "
        "\"service_gap\": %g}}\n",
        kFrameCount, kFrameWidth, kFrameHeight, visibleColumns, kPictureAreaBorder, seconds(kStartBudget),
        seconds(kNextPassBudget), seconds(kFastPassBudget), seconds(kExitBudget), seconds(kServiceGap));
    return printed < 0 ? 1 : 0;
}
