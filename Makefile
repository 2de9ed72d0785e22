# The two commands of the README:
#   make run    installs what is missing, builds, and opens the calculator
#   make test   installs what is missing, builds, and runs every test
# Both are quick when nothing has changed. Besides them:
#   make fuzz   plays random sessions for ten minutes (FUZZ_SECONDS=N to change)
#   make windows  cross-builds for Windows: build-windows/selbrin-1.00-win64.zip and .msi
#   make web    builds the web page, build-web/selbrin.html (Emscripten)

JOBS ?= $(shell nproc)
FUZZ_SECONDS ?= 600
WERROR := $(if $(filter true 1,$(CI)),ON,OFF)

.PHONY: run test deps build build-asan test-dev test-asan test-fuzz fuzz format-check package \
        build-windows test-windows windows web test-web clean

run: build
	@if [ -x build/bin/selbrin ]; then exec build/bin/selbrin; \
	 else echo "The window is not built yet; build/bin/selbrin-replay plays scenarios."; fi

test: deps
	@$(MAKE) --no-print-directory build test-dev build-asan test-asan test-fuzz \
	  build-windows test-windows test-web format-check

deps:
	@scripts/install-deps.sh

# Configures a build folder when the presets changed since, or when it was
# configured with another SELBRIN_WERROR (so CI=true always builds with -Werror).
configure = [ $(1)/CMakeCache.txt -nt CMakePresets.json ] && \
	grep -qx 'SELBRIN_WERROR:BOOL=$(WERROR)' $(1)/CMakeCache.txt || \
	cmake --preset $(2) -DSELBRIN_WERROR=$(WERROR) >/dev/null

build: deps
	@$(call configure,build,dev)
	@cmake --build --preset dev -j $(JOBS)

test-dev:
	@ctest --preset dev

build-asan:
	@$(call configure,build-asan,asan)
	@cmake --build --preset asan -j $(JOBS)

test-asan:
	@ctest --preset asan

# A bounded, repeatable run of the session fuzzer (clang; skipped where clang is
# missing): a fixed seed and a corpus made afresh from the checked-in seeds.
test-fuzz:
	@JOBS=$(JOBS) FUZZ_SEED=1 SELBRIN_WERROR=$(WERROR) fuzz/run.sh 300

fuzz: deps
	@JOBS=$(JOBS) SELBRIN_WERROR=$(WERROR) fuzz/run.sh $(FUZZ_SECONDS)

# The Windows build: MinGW-w64 cross compiler, tests under Wine (scripts/windows-test.sh).
build-windows:
	@$(call configure,build-windows,windows)
	@cmake --build --preset windows -j $(JOBS)

test-windows:
	@scripts/windows-test.sh

windows: deps build-windows
	@cmake --build --preset windows --target windows-packages

format-check:
	@scripts/check-format.sh

# The WebAssembly build: the page, and the model's tests and scenarios under node.
web: deps node_modules
	@$(call configure,build-web,web)
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
	rm -rf build build-asan build-release build-fuzz build-windows build-web
