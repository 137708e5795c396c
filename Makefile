# The two set-up commands:
#   make run    installs what building and running need, builds, and starts Lumaskin
#   make test   installs that and the test tools too, builds, and runs every test
# Further targets: build, install (to PREFIX), test-sanitize (ASan+UBSan), fuzz, bench, clean.

BUILD      ?= build
PREFIX     ?= $(CURDIR)/$(BUILD)/stage
JOBS       ?= $(shell nproc)
BUILD_TYPE ?= RelWithDebInfo
FUZZ_SECONDS ?= 30

CMAKE_FLAGS = -G Ninja -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) -DCMAKE_INSTALL_PREFIX=$(PREFIX)

.PHONY: deps deps-test deps-bench configure build install run test test-sanitize fuzz bench clean

# What building and running need.
deps:
	@sh .ci/install-deps build run

# That, and the tools of the tests, fuzz targets and benchmarks.
deps-test:
	@sh .ci/install-deps build run test

# That, and what only running the benchmarks needs (photos, Node.js and npm).
deps-bench:
	@sh .ci/install-deps build run test bench

configure: deps
	cmake -S . -B $(BUILD) $(CMAKE_FLAGS)

build: configure
	cmake --build $(BUILD) -j$(JOBS)

install: build
	cmake --install $(BUILD)

# Started from the user's folder, as a desktop starts it; the skins come from the
# installation. Without a display it says so in one line.
run:
	@if [ -z "$$DISPLAY$$WAYLAND_DISPLAY" ] && [ -z "$$QT_QPA_PLATFORM" ]; then \
	    echo "make run: no display to show Lumaskin on (DISPLAY and WAYLAND_DISPLAY are not set)" >&2; \
	    exit 1; \
	fi
	@$(MAKE) --no-print-directory install
	exec "$(PREFIX)/bin/lumaskin"

test: deps-test
	@$(MAKE) --no-print-directory build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure --no-tests=error \
	    -j$(JOBS) -LE fuzz

# The same tests built with AddressSanitizer and UndefinedBehaviorSanitizer.
test-sanitize: deps-test
	cmake -S . -B $(BUILD)-sanitize -G Ninja -DCMAKE_BUILD_TYPE=Debug \
	    -DLUMASKIN_SANITIZE=ON -DLUMASKIN_BENCH=OFF
	cmake --build $(BUILD)-sanitize -j$(JOBS)
	cd $(BUILD)-sanitize && QT_QPA_PLATFORM=offscreen \
	    ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
	    LSAN_OPTIONS=suppressions=$(CURDIR)/.ci/lsan.supp:print_suppressions=0 \
	    UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	    ctest --output-on-failure --no-tests=error -j$(JOBS) -LE fuzz

# Every libFuzzer target, FUZZ_SECONDS each, built with clang.
fuzz: deps-test
	CXX=clang++ cmake -S . -B $(BUILD)-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	    -DLUMASKIN_FUZZ=ON -DLUMASKIN_TESTS=OFF -DLUMASKIN_BENCH=OFF \
	    -DLUMASKIN_FUZZ_SECONDS=$(FUZZ_SECONDS)
	cmake --build $(BUILD)-fuzz -j$(JOBS) --target fuzzers
	cd $(BUILD)-fuzz && ASAN_OPTIONS=detect_leaks=1 \
	    LSAN_OPTIONS=suppressions=$(CURDIR)/.ci/lsan.supp:print_suppressions=0 \
	    ctest --output-on-failure -L fuzz

bench: deps-bench
	@$(MAKE) --no-print-directory build
	cmake --build $(BUILD) -j$(JOBS) --target benchmarks

clean:
	rm -rf $(BUILD) $(BUILD)-sanitize $(BUILD)-fuzz
