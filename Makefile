# Horalto: `make run` builds and starts the clock under Wine; `make test` builds
# everything and runs every test; `make bench` prints the clock's costs. All
# install what is missing first.
JOBS ?= $(shell nproc)
BUILD := build

.PHONY: all deps native win libjpeg run test bench clean

all: native win

deps:
	@scripts/install-deps.sh

native: deps
	@cmake -S . -B $(BUILD)/native -DCMAKE_BUILD_TYPE=Debug -DHORALTO_SANITIZE=ON >/dev/null
	@cmake --build $(BUILD)/native -j$(JOBS)

libjpeg: deps
	@scripts/build-libjpeg.sh $(BUILD)/deps

win: libjpeg
	@cmake -S . -B $(BUILD)/win -DCMAKE_BUILD_TYPE=Release \
	  -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake \
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
