// vorn-soak [--seconds N] [--seed S]: runs the real vorn under the current X
// server and gives it random real input for N seconds: every key of the
// caption, other keys, pointer moves inside and outside the window with and
// without a button held, and single clicks (never a double-click, never
// Escape). Then it checks that the window still answers, that resident
// memory grew by at most 2 MB after the first seconds, and that Escape ends
// the program with status 0. Exits non-zero on any failure.
#include <X11/keysym.h>

#include <QCoreApplication>
#include <chrono>
#include <cstdio>
#include <random>
#include <thread>

#include "cycle/frame_cycle.hpp"
#include "running_vorn.hpp"

namespace {

using namespace std::chrono_literals;
using vorn::testing::RunningVorn;

using vorn::testing::kClickSpacing;
using vorn::testing::kExitBudget;
using vorn::testing::kNextPassBudget;
using vorn::testing::kServiceGap;

constexpr unsigned long kCaptionKeys[] = {XK_minus, XK_plus, XK_comma, XK_slash, XK_asterisk, XK_space, XK_period};
constexpr unsigned long kOtherKeys[] = {XK_a, XK_q, XK_Z, XK_0, XK_7, XK_equal, XK_Return, XK_Tab,
                                        XK_Left, XK_Up, XK_F1, XK_BackSpace, XK_Shift_L};
constexpr long kAllowedGrowthKilobytes = 2 * 1024;

int wrap(int index) { return (index % vorn::kFrameCount + vorn::kFrameCount) % vorn::kFrameCount; }

class Soak {
public:
    Soak(std::chrono::seconds duration, unsigned seed) : duration_(duration), random_(seed) {}

    bool run() {
        const auto start = std::chrono::steady_clock::now();
        const auto settle = start + std::min<std::chrono::nanoseconds>(5s, duration_ / 3);
        long baselineKilobytes = -1;
        long events = 0;
        while (std::chrono::steady_clock::now() - start < duration_) {
            if (baselineKilobytes < 0 && std::chrono::steady_clock::now() >= settle) {
                baselineKilobytes = vorn_.process().residentKilobytes();
            }
            sendRandomInput();
            ++events;
            if (vorn_.process().waitForExit(0ms)) {
                std::fprintf(stderr, "vorn-soak: vorn ended during the soak\n");
                return false;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(uniform(1, 8)));
        }
        const long endKilobytes = vorn_.process().residentKilobytes();
        std::printf("vorn-soak: %ld input events in %lld s; resident memory %ld kB after settling, %ld kB at the end "
                    "(growth %ld kB, allowed %ld kB)\n",
                    events, static_cast<long long>(duration_.count()), baselineKilobytes, endKilobytes,
                    endKilobytes - baselineKilobytes, kAllowedGrowthKilobytes);
        bool passed = endKilobytes - baselineKilobytes <= kAllowedGrowthKilobytes;
        passed = stillAnswers() && passed;
        return quitsWithStatusZero() && passed;
    }

private:
    int uniform(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }

    void sendRandomInput() {
        const QRect client = vorn_.clientArea();
        const int choice = uniform(0, 99);
        if (choice < 30) {
            vorn_.type(kCaptionKeys[uniform(0, std::size(kCaptionKeys) - 1)]);
        } else if (choice < 40) {
            vorn_.type(kOtherKeys[uniform(0, std::size(kOtherKeys) - 1)]);
        } else if (choice < 80) {
            // Mostly inside the window, sometimes beyond its edges.
            vorn_.x().movePointer(uniform(client.left() - 100, client.right() + 100),
                                  uniform(client.top() - 100, client.bottom() + 100));
        } else if (std::chrono::steady_clock::now() - lastClick_ < kClickSpacing) {
            vorn_.x().movePointer(uniform(client.left(), client.right()), uniform(client.top(), client.bottom()));
        } else if (choice < 95) {
            // A drag, released anywhere; released on the picture it is a click.
            vorn_.x().pressButton(1);
            vorn_.x().movePointer(uniform(client.left() - 200, client.right() + 200),
                                  uniform(client.top() - 200, client.bottom() + 200));
            vorn_.x().releaseButton(1);
            lastClick_ = std::chrono::steady_clock::now();
        } else {
            vorn_.x().movePointer(uniform(client.left() + 5, client.right() - 5),
                                  uniform(client.top() + 5, client.bottom() - 5));
            vorn_.x().click();
            lastClick_ = std::chrono::steady_clock::now();
        }
    }

    // Brings the program to a known halt, then checks that '.' and '/' step
    // the frame on screen as the rules say.
    bool stillAnswers() {
        vorn_.x().movePointer(0, 0);  // off the window: no more pointer moves
        std::this_thread::sleep_for(kClickSpacing);
        for (int i = 0; i < 2; ++i) {
            vorn_.type(XK_period);  // a stop during a run, then a step: either way a halt
            std::this_thread::sleep_for(kServiceGap);
        }
        const auto halted = vorn_.frameOnScreen();
        std::this_thread::sleep_for(kServiceGap);
        if (!halted || vorn_.frameOnScreen() != halted) {
            std::fprintf(stderr, "vorn-soak: the program does not halt on '.'\n");
            return false;
        }
        vorn_.type(XK_period);
        const bool forward = vorn_.waitForFrame(wrap(*halted + 1), kNextPassBudget);
        vorn_.type(XK_slash);
        const bool back = vorn_.waitForFrame(*halted, kNextPassBudget);
        if (!forward || !back) {
            std::fprintf(stderr, "vorn-soak: the window no longer answers '.' and '/' as it should\n");
            return false;
        }
        std::printf("vorn-soak: still answers: halted on %d, '.' showed %d, '/' showed %d\n", *halted,
                    wrap(*halted + 1), *halted);
        return true;
    }

    bool quitsWithStatusZero() {
        vorn_.type(XK_Escape);
        const auto status = vorn_.process().waitForExit(kExitBudget);
        if (status != 0) {
            std::fprintf(stderr, "vorn-soak: Escape did not end the program with status 0\n");
            return false;
        }
        std::printf("vorn-soak: Escape ended it with status 0\n");
        return true;
    }

    std::chrono::seconds duration_;
    std::mt19937 random_;
    RunningVorn vorn_;
    std::chrono::steady_clock::time_point lastClick_{};
};

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication application(argc, argv);
    const QStringList arguments = application.arguments();
    auto option = [&](const char* name, long fallback) {
        const int at = static_cast<int>(arguments.indexOf(QString::fromLatin1(name)));
        return at > 0 && at + 1 < arguments.size() ? arguments.at(at + 1).toLong() : fallback;
    };
    const auto seconds = std::chrono::seconds(option("--seconds", 30));
    const auto seed = static_cast<unsigned>(option("--seed", static_cast<long>(std::random_device{}())));
    std::printf("vorn-soak: %lld s, seed %u\n", static_cast<long long>(seconds.count()), seed);
    std::fflush(stdout);
    const bool passed = Soak(seconds, seed).run();
    std::printf(passed ? "1 passed, 0 failed\n" : "0 passed, 1 failed\n");
    return passed ? 0 : 1;
}
