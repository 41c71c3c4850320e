// Prints the window's caption for the shell tests that look the window up by
// its name, so that they never hold a copy of it.
#include <cstdio>

#include "app/shared/caption.hpp"

int main() { return std::puts(vorn::kCaption) < 0 ? 1 : 0; }
