# The commands a newcomer runs: `make run` and `make test`. Each installs the
# Debian packages of the groups it needs that are missing
# (scripts/debian-packages.txt), configures and builds first.
PRESET ?= default
JOBS ?= $(shell nproc)
DEPS := ./scripts/install-deps.sh
# The build folders are the presets' own (binaryDir in CMakePresets.json).
preset_dir = $(shell ./scripts/preset-dir.sh $(1))
BUILD_DIR = $(call preset_dir,$(PRESET))
WINDOWS_DIR = $(call preset_dir,windows)
# The web build's page (src/app/web writes it into the web preset's folder).
WEB_SITE = $(call preset_dir,web)/site

.PHONY: all deps configure build run test test-fresh test-asan test-stress bench docs golden-frames package windows web web-run soak clean fuzz fuzz-smoke

all: build

# Everything the default build's tests, benchmarks and tools need.
deps:
	@$(DEPS) run test wayland package

configure: deps
	@cmake --preset $(PRESET) >/dev/null

build: configure
	@cmake --build --preset $(PRESET) -j $(JOBS)

# Only the program and what building it needs, in a build of its own:
# no tests, benchmarks or documentation tools.
run:
	@$(DEPS) run
	@cmake --preset run >/dev/null
	@cmake --build --preset run -j $(JOBS)
	@"$(call preset_dir,run)/vorn"

# Every test, stage by stage, with a summary: the whole suite (the
# real-window tests and a 30 s soak under Xvfb included), the same suite under
# the sanitizers, and a short run of every fuzz target.
test:
	@$(DEPS) run test wayland windows web package
	@./scripts/test-all.sh

# The real-window suites of both builds STRESS_COUNT times under a load that
# keeps every core busy.
STRESS_COUNT ?= 10
test-stress:
	@$(DEPS) run test wayland windows web stress
	@./scripts/stress-test.sh $(STRESS_COUNT)

# The unit suite built with AddressSanitizer and UndefinedBehaviorSanitizer.
test-asan: deps
	@cmake --workflow --preset sanitizers

# One report of every figure: the core's benchmarks, then the real window's
# under Xvfb (framed by a window manager, as on a desktop), the Linux build
# and the Windows build under Wine side by side, then the web page's in
# headless Chromium. A report, not a test: nothing fails on a slow machine.
# The benchmark programs are built only here: no test runs them.
WINE_PREFIX = $(WINDOWS_DIR)/wine-prefix
RUN_UNDER_WINE = $(CURDIR)/scripts/run-under-wine.sh $(WINE_PREFIX)
# The window bench changes Wine's screen density, so it has a prefix of its
# own, the one the display-scale tests use.
WINE_SCALE_PREFIX = $(WINDOWS_DIR)/wine-prefix-scale
bench: build windows web
	@cmake --build --preset $(PRESET) -j $(JOBS) --target vorn-bench vorn-window-bench
	@cmake --build --preset windows -j $(JOBS) --target vorn-pace-bench
	@$(BUILD_DIR)/bench/vorn-bench --benchmark_out=$(BUILD_DIR)/bench/core.json --benchmark_out_format=json
	@$(RUN_UNDER_WINE) $(WINDOWS_DIR)/bench/windows/vorn-pace-bench.exe $(BUILD_DIR)/bench/windows-pace.json >/dev/null
	@echo
	@VORN_SET_DPI_COMMAND="$(CURDIR)/tests/window/set_wine_dpi.sh $(WINE_SCALE_PREFIX)" \
		xvfb-run -a -s "-screen 0 1920x1200x24 -noreset" tests/window/with_window_manager.sh \
		$(BUILD_DIR)/bench/window/vorn-window-bench --core-json $(BUILD_DIR)/bench/core.json \
		--windows-pace-json $(BUILD_DIR)/bench/windows-pace.json -- \
		$(CURDIR)/scripts/run-under-wine.sh $(WINE_SCALE_PREFIX) $(WINDOWS_DIR)/vorn.exe
	@echo
	@/usr/bin/python3 bench/web/web_bench.py $(WEB_SITE)

# Random real input to the real window for SOAK_SECONDS, then the checks.
SOAK_SECONDS ?= 600
soak: build
	@xvfb-run -a -s "-screen 0 1280x1024x24 -noreset" \
		$(BUILD_DIR)/tests/soak/vorn-soak --seconds $(SOAK_SECONDS)

docs: build
	@cmake --build --preset $(PRESET) --target docs

# After a deliberate change to the drawing or the encoder: records the
# frames' new sums in tests/drawing/golden_frames.txt, to commit with it.
golden-frames: build
	@cmake --build --preset $(PRESET) --target golden-frames

# The Debian package, vorn_<version>_<arch>.deb in the build directory.
package: build
	@cmake --build --preset $(PRESET) --target package

# The Windows program, cross-built with MinGW-w64 into the windows preset's
# folder: vorn.exe and the zip to hand out, vorn-<version>-win64.zip. Its
# tests run under Wine: `cmake --workflow --preset windows`.
windows:
	@$(DEPS) run windows
	@cmake --preset windows >/dev/null
	@cmake --build --preset windows -j $(JOBS)
	@cd "$(WINDOWS_DIR)" && cpack -G ZIP

# The web page, compiled to WebAssembly with emscripten: $(WEB_SITE)/ holds
# index.html, vorn.js and vorn.wasm, a folder any web server can serve. The
# bench and the browser tests load the same folder.
web:
	@$(DEPS) run web
	@cmake --preset web >/dev/null
	@cmake --build --preset web -j $(JOBS)
	@echo "The page is in $(WEB_SITE)/: $$(ls $(WEB_SITE) | paste -sd' ')"

# Serves $(WEB_SITE)/ on this machine only; open the address it prints.
WEB_PORT ?= 8000
web-run: web
	@echo "VORN: open http://127.0.0.1:$(WEB_PORT)/ in a browser (Ctrl+C stops the server)."
	@python3 -m http.server --bind 127.0.0.1 --directory $(WEB_SITE) $(WEB_PORT)

# The libFuzzer targets (the fuzz preset), each for FUZZ_SECONDS seconds; fails
# if any finds a crash. FUZZ_PARALLEL=1 runs them at once.
FUZZ_SECONDS ?= 60
fuzz:
	@$(DEPS) run test
	@./scripts/fuzz.sh $(FUZZ_SECONDS)

# A short run of every fuzz target, for `make test`.
fuzz-smoke:
	@$(DEPS) run test
	@./scripts/fuzz.sh 30

# `make test` in a fresh Debian root file system of RELEASE (bookworm or
# trixie) with only git, make and ca-certificates, on this checkout's current
# commit: as a newcomer's machine runs it. Needs root.
RELEASE ?= bookworm
test-fresh:
	@$(DEPS) fresh
	@./scripts/test-fresh.sh $(RELEASE)

clean:
	@for preset in $$(cmake --list-presets | sed -n 's/^  "\([^"]*\)".*/\1/p'); do \
		rm -rf "$$(./scripts/preset-dir.sh $$preset)"; done
