# SPDX-FileCopyrightText: 2026 The Tarrowind team
# SPDX-License-Identifier: GPL-3.0-or-later

# Thin wrapper over the CMake presets and the set-up script.
PRESET ?= default
BUILD_DIR := build

.PHONY: all deps configure build test test-asan test-clang fuzz bench docs run package clean \
	translations translations-check

all: build

deps:
	scripts/install-deps

configure: deps
	cmake --preset $(PRESET)

build: configure
	cmake --build --preset $(PRESET)

test: build
	QT_QPA_PLATFORM=offscreen ctest --preset $(PRESET)

# The whole test suite again, in a Debug build with AddressSanitizer and UBSan.
test-asan: deps
	cmake --preset asan
	cmake --build --preset asan
	QT_QPA_PLATFORM=offscreen ctest --preset asan

# The whole test suite again, built with clang instead of GCC.
test-clang: deps
	cmake --preset clang
	cmake --build --preset clang
	QT_QPA_PLATFORM=offscreen ctest --preset clang

# Each libFuzzer target for FUZZ_SECONDS from its seeds in tests/fuzz/corpus; what it learns
# stays in build-fuzz/corpus, its log in build-fuzz/TARGET.log, a failing input in build-fuzz/.
FUZZ_SECONDS ?= 30
FUZZ_TARGETS := exp_to_goal plan plan_code read_level paste_plan
fuzz: deps
	cmake --preset fuzz
	cmake --build --preset fuzz
	@for target in $(FUZZ_TARGETS); do \
	    echo "fuzz: $$target for $(FUZZ_SECONDS) s"; \
	    mkdir -p build-fuzz/corpus/$$target; \
	    if ! build-fuzz/tests/fuzz/fuzz_$$target -max_total_time=$(FUZZ_SECONDS) \
	        -print_final_stats=1 -artifact_prefix=build-fuzz/$$target- \
	        build-fuzz/corpus/$$target tests/fuzz/corpus/$$target >build-fuzz/$$target.log 2>&1; \
	    then tail -n 40 build-fuzz/$$target.log; exit 1; fi; \
	    grep -E '^(Done|stat::number_of_executed_units|stat::peak_rss)' build-fuzz/$$target.log; \
	done

# Google Benchmark figures and the start-up comparisons (against plain windows, and German
# against English), from a Release build, offscreen.
BENCH_FLAGS ?= --benchmark_repetitions=9 --benchmark_display_aggregates_only=true
bench: deps
	cmake --preset bench
	cmake --build --preset bench
	build-bench/bench/tarrowind_core_bench $(BENCH_FLAGS)
	QT_QPA_PLATFORM=offscreen build-bench/bench/tarrowind_window_bench $(BENCH_FLAGS)
	build-bench/bench/tarrowind_startup_compare --runs 40 build-bench/bench/tarrowind_probe_planner \
	    build-bench/bench/tarrowind_probe_widgets build-bench/bench/tarrowind_probe_bare
	build-bench/bench/tarrowind_startup_compare --runs 40 \
	    LANGUAGE=de build-bench/bench/tarrowind_probe_planner \
	    LANGUAGE=en build-bench/bench/tarrowind_probe_planner

# The README's pictures in docs/, drawn offscreen from the real window.
docs: build
	QT_QPA_PLATFORM=offscreen $(BUILD_DIR)/tests/PlannerPictures docs

run: build
	scripts/run-planner $(BUILD_DIR)/ui/tarrowind-planner

# translations/*.ts brought up to date with the texts of the code, read by lupdate.
translations: deps
	scripts/update-translations

# Fails when translations/*.ts is out of date with the code, or lupdate cannot read a text.
translations-check: deps
	scripts/update-translations --check

# The Debian package, written to $(BUILD_DIR)/packages.
package: build
	cpack --config $(BUILD_DIR)/CPackConfig.cmake -B $(BUILD_DIR)/packages

clean:
	rm -rf $(BUILD_DIR) build-asan build-clang build-fuzz build-bench
