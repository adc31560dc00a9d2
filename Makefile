# Two entry points: `make run` builds and starts the program, `make test` builds and runs every test.
# Both install whatever Debian packages are missing first. Checked builds: `make sanitize` runs the
# tests built with AddressSanitizer and UndefinedBehaviorSanitizer, `make fuzz` runs each fuzzer for
# FUZZ_SECONDS on its seed corpus.
BUILD ?= build
SANITIZE_BUILD ?= build-sanitize
FUZZ_BUILD ?= build-fuzz
FUZZ_SECONDS ?= 30
JOBS  ?= $(shell nproc)
# Leaks are not looked for: the tests and build tools keep some objects to the end on purpose.
CHECKED_ENV = ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=print_stacktrace=1

.PHONY: setup build run test bench sanitize fuzz-build fuzz

setup:
	bash tools/setup.sh

build: setup
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=Release
	cmake --build $(BUILD) -j $(JOBS)

run: build
	$(BUILD)/bin/selvmain

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

bench: build
	for b in $(BUILD)/bench/*_bench; do $$b; done

# The whole suite but the long readings sweep, built with the sanitizers.
sanitize: setup
	cmake -S . -B $(SANITIZE_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSELV_SANITIZE=ON
	$(CHECKED_ENV) cmake --build $(SANITIZE_BUILD) -j $(JOBS)
	cd $(SANITIZE_BUILD) && $(CHECKED_ENV) QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS) -E ReadingsSweep

fuzz-build: setup
	CC=clang CXX=clang++ cmake -S . -B $(FUZZ_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSELV_FUZZ=ON
	$(CHECKED_ENV) cmake --build $(FUZZ_BUILD) -j $(JOBS) --target fuzzers

fuzz: fuzz-build
	bash fuzz/run_fuzzers.sh $(FUZZ_BUILD)/fuzz $(FUZZ_SECONDS)
