# Thin wrapper around CMake/Ninja. `make run` and `make test` work on a fresh
# Debian 12 machine: both install what is missing first.
BUILD_DIR ?= build
CMAKE_FLAGS ?=

.PHONY: all bootstrap configure build run test bench package clean

all: build

bootstrap:
	@bash scripts/bootstrap

$(BUILD_DIR)/build.ninja:
	cmake -S . -B $(BUILD_DIR) -G Ninja $(CMAKE_FLAGS)

configure: $(BUILD_DIR)/build.ninja

build: bootstrap configure
	cmake --build $(BUILD_DIR)

run: build
	@bash scripts/run-demo $(BUILD_DIR)

test: build
	cd $(BUILD_DIR) && ctest --output-on-failure -j 2

bench: build
	@for b in $(BUILD_DIR)/bin/bench_*; do echo "== $$b"; "$$b" --benchmark_min_time=0.2; done

# A Debian package of both programs and their desktop files, in $(BUILD_DIR)/.
package: build
	cd $(BUILD_DIR) && cpack

clean:
	rm -rf $(BUILD_DIR) build-*
