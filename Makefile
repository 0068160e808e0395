# MorvaleBT: `make run` runs the program, `make test` passes every test.
# Both install what is missing first (Debian packages), so a fresh machine needs nothing else.

JOBS ?= $(shell nproc 2>/dev/null || echo 2)
WINEPREFIX_DIR := $(CURDIR)/build/wine
FUZZ_SECONDS ?= 60

# Debian packages each goal needs.
TEST_PACKAGES := cmake g++ make googletest g++-mingw-w64-x86-64-posix wine wine64 xvfb \
  xdotool imagemagick x11-utils fonts-wqy-microhei
BENCH_PACKAGES := cmake g++ make googletest python3 python3-libtorrent hyperfine time
FUZZ_PACKAGES := cmake clang libclang-rt-14-dev googletest

SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)

# Installs whichever of the given packages are not installed yet.
define install_missing
	@missing=""; for p in $(1); do dpkg -s $$p >/dev/null 2>&1 || missing="$$missing $$p"; done; \
	if [ -n "$$missing" ]; then \
	  echo "Installing:$$missing"; \
	  $(SUDO) apt-get update -qq && \
	  DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y -qq $$missing; \
	fi
endef

.PHONY: all run test test-native test-sanitize test-windows bench fuzz format clean \
        deps-test deps-bench deps-fuzz native windows wine-prefix

all: native

deps-test:
	$(call install_missing,$(TEST_PACKAGES))

deps-bench:
	$(call install_missing,$(BENCH_PACKAGES))

deps-fuzz:
	$(call install_missing,$(FUZZ_PACKAGES))

native:
	cmake --preset native >/dev/null
	cmake --build --preset native -j $(JOBS)

windows:
	cmake --preset windows >/dev/null
	cmake --build --preset windows -j $(JOBS)

# A Wine prefix of the build's own, made once, before any test runs in it.
wine-prefix:
	@if [ ! -f "$(WINEPREFIX_DIR)/system.reg" ]; then \
	  echo "Creating the Wine prefix in $(WINEPREFIX_DIR)"; \
	  WINEPREFIX="$(WINEPREFIX_DIR)" cmake/wine-run.sh wineboot -i >/dev/null 2>&1 || true; \
	  WINEPREFIX="$(WINEPREFIX_DIR)" wineserver -w; \
	fi

test-native: native
	ctest --preset native -j $(JOBS)

test-sanitize:
	cmake --preset sanitize >/dev/null
	cmake --build --preset sanitize -j $(JOBS)
	ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 ctest --preset sanitize -j $(JOBS)

test-windows: windows wine-prefix
	ctest --preset windows

test: deps-test
	$(MAKE) --no-print-directory test-native
	$(MAKE) --no-print-directory test-sanitize
	$(MAKE) --no-print-directory test-windows

# Starts the program under Wine, with the Chinese fonts set up: on this display when there
# is one; otherwise on a virtual display, where a screenshot of the main window is saved in
# build/screenshots/ and the program is closed again with its "×".
run: deps-test windows wine-prefix
	sh cmake/run-program.sh build/windows/bin/morvalebt.exe

bench: deps-bench native
	bench/run.sh build/native

# Runs the fuzz target for FUZZ_SECONDS, starting from the seed corpus and the samples;
# new inputs it finds are kept in build/fuzz/corpus.
fuzz: deps-fuzz
	cmake --preset fuzz >/dev/null
	cmake --build --preset fuzz -j $(JOBS) --target describe_fuzz
	mkdir -p build/fuzz/corpus
	./build/fuzz/bin/describe_fuzz -max_total_time=$(FUZZ_SECONDS) -max_len=65536 \
	  -rss_limit_mb=2048 build/fuzz/corpus tests/fuzz/corpus tests/data/samples

format:
	clang-format -i $$(git ls-files '*.cpp' '*.h')

clean:
	rm -rf build
