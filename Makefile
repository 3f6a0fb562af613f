# Quick start on a fresh Debian 12 machine:
#   make run    install what is missing, build, open Trazor on a sample program
#   make test   install what is missing, build, run every test
BUILD ?= build
JOBS ?= 2
CMAKE_FLAGS ?=

.PHONY: all setup configure build test run install package bench fuzz test-sanitize format-check clean

all: build

setup:
	@bash scripts/setup

configure: setup
	@cmake -S . -B $(BUILD) -G Ninja $(CMAKE_FLAGS) >/dev/null

build: configure
	@cmake --build $(BUILD) -j$(JOBS)

test: build
	@cd $(BUILD) && ctest --output-on-failure -j$(JOBS)

run: build
	@bash scripts/run-sample $(BUILD)

# The programs side by side in PREFIX/lib/trazor, links in PREFIX/bin, the desktop files in
# PREFIX/share (DESTDIR=... stages the install elsewhere).
PREFIX ?= /usr/local
install: build
	@cmake --install $(BUILD) --prefix $(PREFIX)

# The Debian package, in $(BUILD)/ (trazor_VERSION-1_ARCH.deb).
package: build
	@cd $(BUILD) && cpack -G DEB

# Benchmarks build in their own optimised tree.
bench: setup
	@cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DTRAZOR_BENCH=ON >/dev/null
	@cmake --build build-bench -j$(JOBS) --target interpreter_bench long_block_bench raster_bench arc_check editor_bench window_bench message_list_bench move_index_bench decode_bench reader_diff_bench generate-program trazor-check
	@build-bench/bench/reader_diff_bench
	@build-bench/bench/interpreter_bench
	@build-bench/bench/decode_bench
	@build-bench/bench/long_block_bench --benchmark_min_time=0.05
	@build-bench/bench/raster_bench
	@build-bench/bench/arc_check
	@build-bench/bench/editor_bench
	@build-bench/bench/window_bench
	@build-bench/bench/message_list_bench
	@build-bench/bench/move_index_bench
	@bash bench/check-speed build-bench
	@bash scripts/bench-check build-bench

# The core and its tests under AddressSanitizer and UndefinedBehaviorSanitizer.
test-sanitize: setup
	@cmake -S . -B build-asan -G Ninja -DTRAZOR_SANITIZE=ON -DTRAZOR_WITH_QT=OFF $(CMAKE_FLAGS) >/dev/null
	@cmake --build build-asan -j$(JOBS)
	@cd build-asan && ctest --output-on-failure -j$(JOBS)

# Every fuzz harness for FUZZ_SECONDS each (clang, libFuzzer).
FUZZ_SECONDS ?= 30
fuzz: setup
	@bash scripts/fuzz $(FUZZ_SECONDS)

# Every C++ file as .clang-format (WebKit, 110 columns) formats it.
format-check: setup
	@bash scripts/format-check

clean:
	rm -rf $(BUILD)
