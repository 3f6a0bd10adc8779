# Thin wrappers; the build lives in build/.
BUILD ?= build
JOBS ?= $(shell nproc)

.PHONY: all deps build run test bench package screenshot clean

all: build

deps:
	bash scripts/install-deps

$(BUILD)/CMakeCache.txt:
	cmake -S . -B $(BUILD) -G Ninja

build: deps $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j $(JOBS)

run: build
	$(BUILD)/bin/morvane

test: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

bench: build
	bash bench/run $(BUILD)/bin/morvane-extract

package: build
	cd $(BUILD) && cpack -G DEB

screenshot: build
	bash tests/e2e/screenshot $(BUILD)/bin/morvane docs/screenshot.png

clean:
	rm -rf $(BUILD)
