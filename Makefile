# Tavilon: `make run` starts the editor, `make test` runs every test.
# Both install the Debian packages they need first (scripts/setup.sh).

MAKEFLAGS  += --no-print-directory
BUILD      ?= build
ASAN_BUILD ?= build-asan
FUZZ_BUILD ?= build-fuzz
PREFIX     ?= /usr/local
JOBS       ?= $(shell nproc 2>/dev/null || echo 2)
FUZZ_SECONDS ?= 600

# Tests that need a display get a virtual one when none is set.
ifeq ($(strip $(DISPLAY)),)
  WITH_DISPLAY = xvfb-run -a -s "-noreset -screen 0 1280x1024x24"
else
  WITH_DISPLAY =
endif

.PHONY: all setup configure build run test unit-test sanitize-test bench fuzz install clean

all: build

setup:
	@bash scripts/setup.sh

configure: setup
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_INSTALL_PREFIX=$(PREFIX) > /dev/null

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

run: build
	cd $(BUILD) && ./tavilon

# The unit, pipeline and end-to-end tests, after the unit and pipeline tests
# built with AddressSanitizer and UndefinedBehaviorSanitizer.
test: build sanitize-test
	cd $(BUILD) && $(WITH_DISPLAY) ctest --output-on-failure --timeout 300

sanitize-test: setup
	@cmake -S . -B $(ASAN_BUILD) -DCMAKE_BUILD_TYPE=Debug -DTAVILON_SANITIZE=ON -DTAVILON_E2E=OFF > /dev/null
	@cmake --build $(ASAN_BUILD) -j $(JOBS) --target unit_tests
	cd $(ASAN_BUILD) && ASAN_OPTIONS=detect_leaks=1 LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp $(WITH_DISPLAY) ctest --output-on-failure --timeout 300

bench: build
	@cmake --build $(BUILD) -j $(JOBS) --target benchmarks
	@$(WITH_DISPLAY) bash bench/run_all.sh $(BUILD)

fuzz: setup
	@CXX=clang++ cmake -S . -B $(FUZZ_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTAVILON_FUZZ=ON -DTAVILON_E2E=OFF > /dev/null
	@cmake --build $(FUZZ_BUILD) -j $(JOBS) --target dna_reader_fuzz
	@bash tests/fuzz/run.sh $(FUZZ_BUILD) $(FUZZ_SECONDS)

install: build
	cmake --install $(BUILD) --prefix $(PREFIX)

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(FUZZ_BUILD)
