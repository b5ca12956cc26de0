# Front door for newcomers: `make run` builds and starts the program,
# `make test` builds and runs every test.
BUILD_DIR ?= build
BUILD_TYPE ?= RelWithDebInfo
CMAKE_FLAGS ?=
JOBS ?= $(shell nproc 2>/dev/null || echo 2)

.PHONY: deps configure build run test bench fuzz install clean format

deps:
	./scripts/install-deps.sh

configure: deps
	cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) $(CMAKE_FLAGS)

build: configure
	cmake --build $(BUILD_DIR) -j $(JOBS)

run: build
	./$(BUILD_DIR)/bin/kelvarin

test: build
	cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

bench: build
	QT_QPA_PLATFORM=offscreen ./$(BUILD_DIR)/bin/kelvarin_bench

# The libFuzzer harnesses, built with clang in their own folder, each run FUZZ_SECONDS;
# corpora and findings are kept in FUZZ_CORPORA (~/.cache/kelvarin/fuzz by default).
FUZZ_BUILD_DIR ?= build-fuzz
FUZZ_SECONDS ?= 60
fuzz:
	./scripts/install-deps.sh --fuzz
	CC=clang CXX=clang++ cmake -S . -B $(FUZZ_BUILD_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKELVARIN_FUZZ=ON
	cmake --build $(FUZZ_BUILD_DIR) -j $(JOBS)
	./scripts/fuzz.sh $(FUZZ_BUILD_DIR) $(FUZZ_SECONDS) $(FUZZ_HARNESSES)

install: build
	cmake --install $(BUILD_DIR)

format:
	clang-format -i $$(git ls-files '*.cpp' '*.h')

clean:
	rm -rf $(BUILD_DIR)
