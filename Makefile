# Quick start on a fresh Debian 12 machine:
#   make run    install what is missing, build, open Trazor on a sample program
#   make test   install what is missing, build, run every test
BUILD ?= build
JOBS ?= 2
CMAKE_FLAGS ?=

.PHONY: all setup configure build test run bench clean

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

# Benchmarks build in their own optimised tree.
bench: setup
	@cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DTRAZOR_BENCH=ON >/dev/null
	@cmake --build build-bench -j$(JOBS) --target interpreter_bench generate-program
	@build-bench/bench/interpreter_bench

clean:
	rm -rf $(BUILD)
