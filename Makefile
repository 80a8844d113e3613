# Two entry points for a newcomer: `make run` and `make test`.
BUILD      ?= build
ASAN_BUILD ?= build-asan
CMAKE_ARGS ?=

.PHONY: all deps configure build run test test-asan bench clean

all: build

deps:
	@bash scripts/install-deps.sh

configure: deps
	@cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo $(CMAKE_ARGS)

build: configure
	@cmake --build $(BUILD)

run: build
	$(BUILD)/bin/zentorix-calculator

# The sanitizer build runs first, so the last line printed is ctest's summary of the plain build.
test: build test-asan
	@ctest --test-dir $(BUILD) --output-on-failure -j2

test-asan: deps
	@cmake -S . -B $(ASAN_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DZC_SANITIZE=ON $(CMAKE_ARGS)
	@cmake --build $(ASAN_BUILD)
	@ctest --test-dir $(ASAN_BUILD) --output-on-failure -j2

bench: build
	$(BUILD)/bin/calc-bench

clean:
	rm -rf $(BUILD) $(ASAN_BUILD)
