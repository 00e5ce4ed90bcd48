# Set-up, build and tests. `make run` and `make test` do everything on a
# fresh Debian 12 machine.
PRESET ?= default
BUILD_DIR = build/$(PRESET)

FUZZ_SECONDS ?= 60
# `make fuzz-long`: this long for each target (one hour unless set), the
# corpora kept and grown in FUZZ_CORPUS across runs.
FUZZ_LONG_SECONDS ?= 3600
FUZZ_CORPUS ?= build/fuzz-corpus
# WERROR=ON makes every compiler warning an error (CI builds with it).
WERROR ?= OFF
# Where `make install` puts the program: $(PREFIX)/lib/vantrel, with
# launchers in $(PREFIX)/bin.
PREFIX ?= /usr/local

.PHONY: deps configure build test test-asan run bench fuzz fuzz-long install package check-package check-format format screenshots clean

deps:
	@bash tools/install-deps.sh

configure: deps
	@cmake --preset $(PRESET) -DVANTREL_WERROR=$(WERROR) >/dev/null

build: configure
	@cmake --build --preset $(PRESET) -j 2

test: build
	@ctest --preset $(PRESET)

test-asan:
	@$(MAKE) --no-print-directory test PRESET=asan WERROR=$(WERROR)

# The window when there is a display; otherwise how to use the command line.
run: build
	@if [ -x $(BUILD_DIR)/bin/vantrel ] && { [ -n "$$DISPLAY" ] || [ -n "$$WAYLAND_DISPLAY" ]; }; then \
	  exec $(BUILD_DIR)/bin/vantrel; \
	else \
	  echo "No display (neither DISPLAY nor WAYLAND_DISPLAY is set), so the window cannot open."; \
	  echo "The command-line program runs the same core:"; \
	  echo "  $(BUILD_DIR)/bin/vantrel-cli --help"; \
	  echo ""; \
	  echo "Sample lunar conversion (vantrel-cli lunar 2013-09-21):"; \
	  $(BUILD_DIR)/bin/vantrel-cli lunar 2013-09-21; \
	fi

install: build
	@cmake --install $(BUILD_DIR) --prefix $(PREFIX)

package: build
	@cd $(BUILD_DIR) && cpack -G DEB

# lintian, the AppStream and desktop-entry validators and the manual pages.
check-package: package
	@bash tools/check-package.sh $(BUILD_DIR)

# Every C++ source against .clang-format; `make format` applies it.
check-format: deps
	@bash tools/check-format.sh

format: deps
	@bash tools/check-format.sh --fix

screenshots: build
	@cmake --build --preset $(PRESET) -j 2 --target screenshots

bench: build
	@$(BUILD_DIR)/bin/vantrel_bench
	@if [ -x $(BUILD_DIR)/bin/vantrel_app_bench ]; then QT_QPA_PLATFORM=offscreen $(BUILD_DIR)/bin/vantrel_app_bench; fi

fuzz: deps
	@cmake --preset fuzz -DVANTREL_WERROR=$(WERROR) >/dev/null
	@cmake --build --preset fuzz -j 2
	@bash tools/run-fuzz.sh build/fuzz/bin $(FUZZ_SECONDS)

fuzz-long: deps
	@cmake --preset fuzz -DVANTREL_WERROR=$(WERROR) >/dev/null
	@cmake --build --preset fuzz -j 2
	@mkdir -p $(FUZZ_CORPUS)
	@bash tools/run-fuzz.sh build/fuzz/bin $(FUZZ_LONG_SECONDS) $(abspath $(FUZZ_CORPUS))

clean:
	rm -rf build
