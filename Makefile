# SPDX-License-Identifier: MIT
# Front door for newcomers: `make run` builds and starts the program, `make test` builds and runs
# every test, `make` alone builds; `make help` lists the rest.
# Configuring goes through a preset of CMakePresets.json (dev, asan, fuzz, release); its folder
# is build for dev and build-PRESET for the others, unless BUILD_DIR says otherwise.
PRESET ?= dev
BUILD_DIR ?= $(if $(filter dev,$(PRESET)),build,build-$(PRESET))
BUILD_TYPE ?=
CMAKE_FLAGS ?=
JOBS ?= $(shell nproc 2>/dev/null || echo 2)
# Where make install puts the program (empty: the configured prefix, /usr/local by default).
PREFIX ?=

.PHONY: all help deps configure build run test test-library bench bench-check docs examples fuzz install \
	uninstall package package-check screenshot format format-check tidy clean

all: build

help:
	@echo "make              builds the program (installing missing Debian packages first)"
	@echo "make run          builds and starts the program"
	@echo "make test         builds and runs every test (make test-library: the fast ones)"
	@echo "make bench        builds and runs the benchmark"
	@echo "make bench-check  the benchmark, failing when a figure misses its goal"
	@echo "make docs         builds the library's reference documentation ($(BUILD_DIR)/docs/html,"
	@echo "                  and kelvarin-workout.qch for Qt Creator and Qt Assistant)"
	@echo "make examples     builds examples/ against the library installed in a staging folder"
	@echo "make fuzz         builds the fuzz harnesses with clang and runs each FUZZ_SECONDS (60)"
	@echo "make install      installs under PREFIX (default /usr/local: run it with sudo), or"
	@echo "                  make install PREFIX=~/.local for yourself; DESTDIR is honoured"
	@echo "make uninstall    removes what the last make install put in place"
	@echo "make package      builds the Debian packages (cpack) in $(PACKAGE_DIR)/: kelvarin,"
	@echo "                  libkelvarin-workout1, libkelvarin-workout-dev, kelvarin-doc"
	@echo "make package-check  validates the desktop entry, the AppStream file and the packages"
	@echo "make screenshot   takes the AppStream screenshot of the main window under Xvfb"
	@echo "make format       formats the C++ sources; make format-check only checks them"
	@echo "make tidy         runs clang-tidy (.clang-tidy) on every source of the build"
	@echo "make clean        removes $(BUILD_DIR)/"
	@echo "Settings: PRESET (dev, asan, fuzz, release), BUILD_DIR, BUILD_TYPE, CMAKE_FLAGS, JOBS,"
	@echo "          PREFIX, FUZZ_SECONDS, PACKAGE_DIR"

deps:
	./scripts/install-deps.sh

configure: deps
	cmake --preset $(PRESET) -B $(BUILD_DIR) $(if $(BUILD_TYPE),-DCMAKE_BUILD_TYPE=$(BUILD_TYPE)) \
		$(CMAKE_FLAGS)

build: configure
	cmake --build $(BUILD_DIR) -j $(JOBS)

run: build
	./$(BUILD_DIR)/bin/kelvarin

test: build
	cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

test-library: build
	cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS) -L library

bench: build
	QT_QPA_PLATFORM=offscreen ./$(BUILD_DIR)/bin/kelvarin_bench

# The bench, then each figure that misses its goal (ratios only): exits non-zero when any does.
bench-check: build
	QT_QPA_PLATFORM=offscreen ./$(BUILD_DIR)/bin/kelvarin_bench --check

# Doxygen warnings are errors; a check then wants every operation's parameters, result, errors
# and example, and a Qt help file that opens.
docs: configure
	./scripts/install-deps.sh --docs
	cmake $(BUILD_DIR) >/dev/null
	cmake --build $(BUILD_DIR) --target docs

examples: build
	./scripts/check-examples.sh $(BUILD_DIR)

# The libFuzzer harnesses, built with clang in their own folder, each run FUZZ_SECONDS;
# corpora and findings are kept in FUZZ_CORPORA (~/.cache/kelvarin/fuzz by default).
FUZZ_BUILD_DIR ?= build-fuzz
FUZZ_SECONDS ?= 60
fuzz:
	./scripts/install-deps.sh --fuzz
	cmake --preset fuzz -B $(FUZZ_BUILD_DIR)
	cmake --build $(FUZZ_BUILD_DIR) -j $(JOBS)
	./scripts/fuzz.sh $(FUZZ_BUILD_DIR) $(FUZZ_SECONDS) $(FUZZ_HARNESSES)

# Building happens as the user who called sudo, so no root-owned files are left in the build.
install:
	MAKE="$(MAKE)" ./scripts/install.sh install $(BUILD_DIR) "$(PREFIX)"

uninstall:
	./scripts/install.sh uninstall $(BUILD_DIR)

# The packages are built as released (the release preset: installed under /usr, with the
# documentation), in their own folder.
PACKAGE_DIR ?= build-release
package:
	./scripts/install-deps.sh --package --docs
	cmake --preset release -B $(PACKAGE_DIR) $(CMAKE_FLAGS)
	cmake --build $(PACKAGE_DIR) -j $(JOBS)
	rm -f $(PACKAGE_DIR)/*.deb
	cd $(PACKAGE_DIR) && cpack -G DEB

package-check: package
	./scripts/check-package.sh $(PACKAGE_DIR)

screenshot: build
	./scripts/take-screenshot.sh $(BUILD_DIR)/bin/kelvarin resources/screenshots/main-window.png

format:
	./scripts/install-deps.sh --format
	clang-format -i $$(git ls-files '*.cpp' '*.h')

format-check:
	./scripts/install-deps.sh --format
	clang-format --dry-run --Werror $$(git ls-files '*.cpp' '*.h')

# clang-tidy with the checks of .clang-tidy on every C++ source the build compiles; any warning
# fails.
tidy: build
	./scripts/install-deps.sh --tidy --fuzz
	./scripts/tidy.sh $(BUILD_DIR) $(JOBS)

clean:
	rm -rf $(BUILD_DIR)
