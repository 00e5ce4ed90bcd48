# Set-up, build and tests. `make run` and `make test` do everything on a
# fresh Debian 12 machine.
PRESET ?= default
BUILD_DIR = build/$(PRESET)

FUZZ_SECONDS ?= 60

.PHONY: deps configure build test test-asan run bench fuzz clean

deps:
	@bash tools/install-deps.sh

configure: deps
	@cmake --preset $(PRESET) >/dev/null

build: configure
	@cmake --build --preset $(PRESET) -j 2

test: build
	@ctest --preset $(PRESET)

test-asan:
	@$(MAKE) --no-print-directory test PRESET=asan

run: build
	@if [ -x $(BUILD_DIR)/bin/vantrel ] && { [ -n "$$DISPLAY" ] || [ -n "$$WAYLAND_DISPLAY" ]; }; then \
	  exec $(BUILD_DIR)/bin/vantrel; \
	else \
	  echo "Sample lunar conversion (vantrel-cli lunar 2013-09-21):"; \
	  $(BUILD_DIR)/bin/vantrel-cli lunar 2013-09-21; \
	fi

bench: build
	@$(BUILD_DIR)/bin/vantrel_bench

fuzz: deps
	@cmake --preset fuzz >/dev/null
	@cmake --build --preset fuzz -j 2
	@bash tools/run-fuzz.sh build/fuzz/bin $(FUZZ_SECONDS)

clean:
	rm -rf build
