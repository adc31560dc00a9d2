# Two entry points: `make run` builds and starts the program, `make test` builds and runs every test.
# Both install whatever Debian packages are missing first.
BUILD ?= build
JOBS  ?= $(shell nproc)

.PHONY: setup build run test bench

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
