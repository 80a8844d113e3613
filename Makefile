# Two entry points for a newcomer: `make run` and `make test`.
BUILD      ?= build
ASAN_BUILD ?= build-asan
FUZZ_BUILD ?= build-fuzz
PKG_BUILD  ?= build-release
# Seconds each fuzz harness runs under `make fuzz`.
FUZZ_SECONDS ?= 60
CMAKE_ARGS ?=

.PHONY: all deps configure build run test test-asan bench fuzz package format format-check clean

all: build

deps:
	@bash scripts/install-deps.sh

configure: deps
	@cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo $(CMAKE_ARGS)

build: configure
	@cmake --build $(BUILD)

run: build
	$(BUILD)/bin/zentorix-calculator

# ctest runs each GoogleTest suite as one test; --verbose prints every case's
# [ RUN ] and [ OK ] lines (prefixed with the test's number), passed or not.
# The sanitizer build runs first, so the last line printed is ctest's summary of the plain build.
test: build test-asan
	@ctest --test-dir $(BUILD) --verbose -j2

test-asan: deps
	@cmake -S . -B $(ASAN_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DZC_SANITIZE=ON $(CMAKE_ARGS)
	@cmake --build $(ASAN_BUILD)
	@ctest --test-dir $(ASAN_BUILD) --verbose -j2

# Every C++ file in the project's own style (.clang-format).
SOURCES = git ls-files '*.cpp' '*.h'
format: deps
	@$(SOURCES) | xargs clang-format -i
format-check: deps
	@$(SOURCES) | xargs clang-format --dry-run -Werror

bench: build
	$(BUILD)/bin/calc-bench

# Coverage-guided fuzzing with libFuzzer; needs clang. New inputs found go to
# $(FUZZ_BUILD)/corpus/NAME; the seeds in fuzz/corpus/ are only read.
fuzz: deps
	@command -v clang++ >/dev/null || { echo "make fuzz needs clang (apt-get install clang)"; exit 1; }
	@CC=clang CXX=clang++ cmake -S . -B $(FUZZ_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZC_FUZZ=ON $(CMAKE_ARGS)
	@cmake --build $(FUZZ_BUILD)
	@set -e; for h in float_engine int_engine tvm text rtf; do \
	  mkdir -p $(FUZZ_BUILD)/corpus/$$h; \
	  echo "== $$h: $(FUZZ_SECONDS) s"; \
	  $(FUZZ_BUILD)/bin/$$h-fuzz -max_total_time=$(FUZZ_SECONDS) -max_len=4096 -timeout=10 \
	    $(FUZZ_BUILD)/corpus/$$h fuzz/corpus/$$h; \
	done

# The Debian package, from its own Release build (stripped, no tests) with Debian's
# hardening flags: $(BUILD)/zentorix-calculator_<version>_<arch>.deb
DEB_FLAGS = DEB_BUILD_MAINT_OPTIONS=hardening=+all dpkg-buildflags --get
package: deps
	@cmake -S . -B $(PKG_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Release -DZC_BUILD_TESTS=OFF -DZC_BUILD_BENCH=OFF \
	  -DCMAKE_CXX_FLAGS="$$($(DEB_FLAGS) CPPFLAGS) $$($(DEB_FLAGS) CXXFLAGS)" \
	  -DCMAKE_EXE_LINKER_FLAGS="$$($(DEB_FLAGS) LDFLAGS)" $(CMAKE_ARGS)
	@cmake --build $(PKG_BUILD)
	@cd $(PKG_BUILD) && cpack -G DEB -D CPACK_OUTPUT_FILE_PREFIX=$(abspath $(BUILD))

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(FUZZ_BUILD) $(PKG_BUILD)
