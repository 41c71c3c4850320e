// Prints each piston's displacement below the top of its stroke at each
// crank angle (degrees) on the command line, one "VORN conventional" line per
// angle, from the pose code, so that the browser tests take their
// expectations from the program and never hold a copy of the numbers.
//
//   vorn-print-poses <degrees>...
#include <cstdio>
#include <cstdlib>

#include "frames/piston_pose.hpp"

int main(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        char* end = nullptr;
        const double degrees = std::strtod(argv[i], &end);
        if (end == argv[i] || *end != '\0') {
            std::fprintf(stderr, "vorn-print-poses: not an angle in degrees: \"%s\"\n", argv[i]);
            return 2;
        }
        const double radians = vorn::degreesToRadians(degrees);
        if (std::printf("%.17g %.17g\n", vorn::vornPistonDisplacement(radians),
                        vorn::conventionalPistonDisplacement(radians)) < 0) {
            return 1;
        }
    }
    return 0;
}
