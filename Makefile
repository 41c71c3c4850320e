# The commands a newcomer runs: `make run` and `make test`. Each installs the
# Debian packages that are missing, configures and builds first.
PRESET ?= default
BUILD_DIR := build
JOBS ?= $(shell nproc)

.PHONY: all deps configure build run test bench docs package clean fuzz fuzz-smoke

all: build

deps:
	@./scripts/install-deps.sh

configure: deps
	@cmake --preset $(PRESET) >/dev/null

build: configure
	@cmake --build --preset $(PRESET) -j $(JOBS)

run: build
	@$(BUILD_DIR)/vorn

test: build
	@ctest --preset $(PRESET) -j $(JOBS)

bench: build
	@$(BUILD_DIR)/bench/vorn-bench

docs: build
	@cmake --build --preset $(PRESET) --target docs

# The Debian package, vorn_<version>_<arch>.deb in the build directory.
package: build
	@cmake --build --preset $(PRESET) --target package

# The libFuzzer targets in build-fuzz/, each for FUZZ_SECONDS seconds; fails
# if any finds a crash. FUZZ_PARALLEL=1 runs them at once.
FUZZ_SECONDS ?= 60
fuzz: deps
	@./scripts/fuzz.sh $(FUZZ_SECONDS)

# A short run of every fuzz target, for `make test`.
fuzz-smoke: deps
	@./scripts/fuzz.sh 30

clean:
	@rm -rf build build-asan
