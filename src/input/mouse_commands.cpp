#include "input/mouse_commands.hpp"

#include <cmath>

namespace vorn {
namespace {

// x * 30 * y formed exactly (a float times 30 times a float needs at most
// 53 significant bits) and rounded once to single precision.
float speedProduct(float x, float y) {
    return static_cast<float>(static_cast<double>(x) * kSpeedFactor * static_cast<double>(y));
}

}  // namespace

HandlerOutcome Picture1_MouseMove(SequencerState& state, std::int16_t /*button*/, std::int16_t /*shift*/, float x,
                                  float y) {
    if (state.nm == 0) {
        const float product = speedProduct(x, y);
        if (!std::isfinite(product)) {
            return HandlerOutcome::kFloatingPointError;
        }
        state.k = product;
        return HandlerOutcome::kGoOn;
    }
    state.k = kStepModeDelayCounts;
    state.n = y >= state.yyy ? command::kStopOrStepForward : command::kStopOrStepBack;
    state.yyy = y;
    return HandlerOutcome::kGoOn;
}

void Picture1_Click(SequencerState& state) {
    if (state.nm == 0) {
        state.n1 = state.n;
        state.mm1 = state.mm;
        state.m1 = state.m;
    }
    state.nm = (state.nm + 1) % 2;
    if (state.nm == 0) {
        state.n = state.n1;
        state.mm = state.mm1;
        state.m = state.m1;
    }
}

}  // namespace vorn
