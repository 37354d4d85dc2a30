# Horalto: `make run` builds and starts the clock under Wine; `make test` builds
# everything and runs every test; `make bench` prints the clock's costs. All
# install what is missing first.
JOBS ?= $(shell nproc)
BUILD := build

.PHONY: all deps native fuzz-build fuzz win libjpeg run test bench clean

all: native fuzz-build win

deps:
	@scripts/install-deps.sh

native: deps
	@cmake -S . -B $(BUILD)/native -DCMAKE_BUILD_TYPE=Debug -DHORALTO_SANITIZE=ON >/dev/null
	@cmake --build $(BUILD)/native -j$(JOBS)

# The fuzz targets of the portable modules, built by clang with libFuzzer,
# AddressSanitizer and UndefinedBehaviorSanitizer. `make test` runs each
# briefly over its seeds; `make fuzz` runs every target FUZZ_SECONDS
# (600 by default), FUZZ_JOBS at a time; `make fuzz FUZZ=ini` runs one.
FUZZ_SECONDS ?= 600
FUZZ_JOBS ?= 2
FUZZ ?=

fuzz-build: deps
	@CC=clang CXX=clang++ cmake -S . -B $(BUILD)/fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DHORALTO_FUZZ=ON >/dev/null
	@cmake --build $(BUILD)/fuzz -j$(JOBS)

fuzz: fuzz-build
	@FUZZ_SECONDS=$(FUZZ_SECONDS) ctest --test-dir $(BUILD)/fuzz --output-on-failure \
	  -j$(FUZZ_JOBS) --timeout $$(( $(FUZZ_SECONDS) + 120 )) $(if $(FUZZ),-R '^fuzz_$(FUZZ)$$')

libjpeg: deps
	@scripts/build-libjpeg.sh $(BUILD)/deps

# The toolchain file counts only when a tree is configured the first time (the
# cache keeps the compilers it chose), so it is given only then: CMake would
# warn of an unused variable on every later configure.
win: libjpeg
	@cmake -S . -B $(BUILD)/win -DCMAKE_BUILD_TYPE=Release \
	  $(if $(wildcard $(BUILD)/win/CMakeCache.txt),,-DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake) \
	  -DHORALTO_JPEG_ROOT=$(abspath $(BUILD)/deps/libjpeg) >/dev/null
	@cmake --build $(BUILD)/win -j$(JOBS)

run: win
	@scripts/run.sh $(BUILD)

test: all
	@scripts/test.sh $(BUILD)

# Figures, not a test: per-tick cost, memory, start-up and idle CPU under Wine.
bench: win
	@scripts/bench.sh $(BUILD)

clean:
	rm -rf $(BUILD)
