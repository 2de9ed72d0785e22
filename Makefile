# The two commands of the README:
#   make run    installs what is missing, builds, and opens the calculator
#   make test   installs what is missing, builds, and runs every test
# Both are quick when nothing has changed.

JOBS ?= $(shell nproc)
WERROR := $(if $(filter true 1,$(CI)),ON,OFF)

.PHONY: run test deps build build-asan test-dev test-asan format-check package clean

run: build
	@if [ -x build/bin/selbrin ]; then exec build/bin/selbrin; \
	 else echo "The window is not built yet; build/bin/selbrin-replay plays scenarios."; fi

test: deps
	@$(MAKE) --no-print-directory build test-dev build-asan test-asan format-check

deps:
	@scripts/install-deps.sh

build: deps
	@[ -f build/CMakeCache.txt ] || cmake --preset dev -DSELBRIN_WERROR=$(WERROR) >/dev/null
	@cmake --build --preset dev -j $(JOBS)

test-dev:
	@ctest --preset dev

build-asan:
	@[ -f build-asan/CMakeCache.txt ] || cmake --preset asan -DSELBRIN_WERROR=$(WERROR) >/dev/null
	@cmake --build --preset asan -j $(JOBS)

test-asan:
	@ctest --preset asan

format-check:
	@scripts/check-format.sh

# The Debian package, from the release build: build-release/selbrin_1.00_*.deb
package: deps
	@[ -f build-release/CMakeCache.txt ] || cmake --preset release >/dev/null
	@cmake --build --preset release -j $(JOBS)
	@cd build-release && cpack -G DEB

clean:
	rm -rf build build-asan build-release
