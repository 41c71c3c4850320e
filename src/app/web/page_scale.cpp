#include "app/web/page_scale.hpp"

#include <algorithm>
#include <cmath>

#include "app/shared/display_scale.hpp"
#include "app/shared/window_size.hpp"

namespace vorn::web {

int pageWindowScale(double devicePixelRatio, int viewportWidth) {
    // NaN and negative ratios fail this test, and count as 1.
    const double ratio = devicePixelRatio > 0 ? std::min(devicePixelRatio, 64.0) : 1.0;
    const int preferred = preferredWindowScale(static_cast<int>(std::lround(ratio * kReferenceDpi)));
    const int wholeWidthAtOne = kClientWidth + 2 * kPageWindowBorder;
    return std::clamp(viewportWidth / wholeWidthAtOne, 1, preferred);
}

}  // namespace vorn::web
