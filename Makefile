# The two commands of the README:
#   make run    installs what is missing, builds, and opens the calculator
#   make test   installs what is missing, builds, and runs every test
# Both are quick when nothing has changed. Besides them:
#   make fuzz   plays random sessions for ten minutes (FUZZ_SECONDS=N to change)
#   make web    builds the web page, build-web/selbrin.html (Emscripten)

JOBS ?= $(shell nproc)
FUZZ_SECONDS ?= 600
WERROR := $(if $(filter true 1,$(CI)),ON,OFF)

.PHONY: run test deps build build-asan test-dev test-asan test-fuzz fuzz format-check package clean \
	web test-web

run: build
	@if [ -x build/bin/selbrin ]; then exec build/bin/selbrin; \
	 else echo "The window is not built yet; build/bin/selbrin-replay plays scenarios."; fi

test: deps
	@$(MAKE) --no-print-directory build test-dev build-asan test-asan test-fuzz test-web format-check

deps:
	@scripts/install-deps.sh

build: deps
	@[ build/CMakeCache.txt -nt CMakePresets.json ] || cmake --preset dev -DSELBRIN_WERROR=$(WERROR) >/dev/null
	@cmake --build --preset dev -j $(JOBS)

test-dev:
	@ctest --preset dev

build-asan:
	@[ build-asan/CMakeCache.txt -nt CMakePresets.json ] || cmake --preset asan -DSELBRIN_WERROR=$(WERROR) >/dev/null
	@cmake --build --preset asan -j $(JOBS)

test-asan:
	@ctest --preset asan

# A bounded run of the session fuzzer (clang; skipped where clang is missing).
test-fuzz:
	@JOBS=$(JOBS) fuzz/run.sh 60

fuzz: deps
	@JOBS=$(JOBS) fuzz/run.sh $(FUZZ_SECONDS)

format-check:
	@scripts/check-format.sh

# The WebAssembly build: the page, and the model's tests and scenarios under node.
web: deps node_modules
	@[ build-web/CMakeCache.txt -nt CMakePresets.json ] || cmake --preset web -DSELBRIN_WERROR=$(WERROR) >/dev/null
	@cmake --build --preset web -j $(JOBS)

test-web: web
	@ctest --preset web

# The browser tests' and the lint's packages, exactly as locked; nothing is
# downloaded by install scripts (puppeteer-core drives Debian's browsers).
node_modules: package.json package-lock.json
	@npm ci --ignore-scripts --no-audit --no-fund >/dev/null
	@touch node_modules

# The Debian package, from the release build: build-release/selbrin_1.00_*.deb
package: deps
	@[ build-release/CMakeCache.txt -nt CMakePresets.json ] || cmake --preset release >/dev/null
	@cmake --build --preset release -j $(JOBS)
	@cd build-release && cpack -G DEB

clean:
	rm -rf build build-asan build-release build-fuzz build-web
