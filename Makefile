# The two set-up commands:
#   make run    installs what is missing, builds, and starts Lumaskin with its bundled skins
#   make test   installs what is missing, builds, and runs every test
# Further targets: build, install (to PREFIX), test-sanitize (ASan+UBSan), fuzz, bench, clean.

BUILD      ?= build
PREFIX     ?= $(CURDIR)/$(BUILD)/stage
JOBS       ?= $(shell nproc)
BUILD_TYPE ?= RelWithDebInfo
FUZZ_SECONDS ?= 30

CMAKE_FLAGS = -G Ninja -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) -DCMAKE_INSTALL_PREFIX=$(PREFIX)

.PHONY: deps configure build install run test test-sanitize fuzz bench clean

deps:
	@sh .ci/install-deps

configure: deps
	cmake -S . -B $(BUILD) $(CMAKE_FLAGS)

build: configure
	cmake --build $(BUILD) -j$(JOBS)

install: build
	cmake --install $(BUILD)

run: install
	cd "$(PREFIX)/share/lumaskin/skins" 2>/dev/null || cd "$(PREFIX)"; \
	    exec "$(PREFIX)/bin/lumaskin"

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j$(JOBS) -LE fuzz

# The same tests built with AddressSanitizer and UndefinedBehaviorSanitizer.
test-sanitize: deps
	cmake -S . -B $(BUILD)-sanitize -G Ninja -DCMAKE_BUILD_TYPE=Debug \
	    -DLUMASKIN_SANITIZE=ON -DLUMASKIN_BENCH=OFF
	cmake --build $(BUILD)-sanitize -j$(JOBS)
	cd $(BUILD)-sanitize && QT_QPA_PLATFORM=offscreen \
	    ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
	    LSAN_OPTIONS=suppressions=$(CURDIR)/.ci/lsan.supp:print_suppressions=0 \
	    UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	    ctest --output-on-failure -j$(JOBS) -LE fuzz

# Every libFuzzer target, FUZZ_SECONDS each, built with clang.
fuzz: deps
	CXX=clang++ cmake -S . -B $(BUILD)-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	    -DLUMASKIN_FUZZ=ON -DLUMASKIN_TESTS=OFF -DLUMASKIN_BENCH=OFF \
	    -DLUMASKIN_FUZZ_SECONDS=$(FUZZ_SECONDS)
	cmake --build $(BUILD)-fuzz -j$(JOBS) --target fuzzers
	cd $(BUILD)-fuzz && ASAN_OPTIONS=detect_leaks=1 \
	    LSAN_OPTIONS=suppressions=$(CURDIR)/.ci/lsan.supp:print_suppressions=0 \
	    ctest --output-on-failure -L fuzz

bench: build
	cmake --build $(BUILD) -j$(JOBS) --target benchmarks

clean:
	rm -rf $(BUILD) $(BUILD)-sanitize $(BUILD)-fuzz
