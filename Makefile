# Thin wrapper over the CMake presets and the set-up script.
PRESET ?= default
BUILD_DIR := build

.PHONY: all deps configure build test run package clean

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

# The Debian package, written to $(BUILD_DIR)/packages.
package: build
	cpack --config $(BUILD_DIR)/CPackConfig.cmake -B $(BUILD_DIR)/packages

clean:
	rm -rf $(BUILD_DIR)
