# Thin wrapper over the CMake presets and the set-up script.
PRESET ?= default
BUILD_DIR := build

.PHONY: all deps configure build test run clean

all: build

deps:
	scripts/install-deps

configure: deps
	cmake --preset $(PRESET)

build: configure
	cmake --build --preset $(PRESET)

test: build
	QT_QPA_PLATFORM=offscreen ctest --preset $(PRESET)

run: build
	scripts/run-planner $(BUILD_DIR)/ui/tarrowind-planner

clean:
	rm -rf $(BUILD_DIR)
