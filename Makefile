# The two commands of the README:
#   make run    installs what the window needs, builds the program, and opens it
#   make test   installs what the tests need, checks the format, builds, and runs every test
# Both are quick when nothing has changed. Besides them:
#   make check  builds the dev build and runs its tests alone (the edit-compile-test loop)
#   make fuzz   plays random sessions for ten minutes (FUZZ_SECONDS=N to change)
#   make windows  cross-builds for Windows: build-windows/selbrin-1.00-win64.zip and .msi
#   make web    builds the web page, build-web/selbrin.html (Emscripten)
#   make package  the Debian package, build-release/selbrin_1.00_amd64.deb
# Every target names what it needs, so `make -j` runs them in a right order.

JOBS ?= $(shell nproc)
FUZZ_SECONDS ?= 600
WERROR := $(if $(filter true 1,$(CI)),ON,OFF)

.PHONY: run test check deps deps-window deps-package build build-window build-asan \
        test-dev test-asan test-fuzz test-suites fuzz format-check package \
        build-windows test-windows windows web test-web clean

run: build-window
	@exec build/bin/selbrin

# The format check first: a style fault is reported in seconds, not after the builds.
test: format-check
	@$(MAKE) --no-print-directory test-suites

test-suites: test-dev test-asan test-fuzz test-windows test-web

check: test-dev

deps:
	@scripts/install-deps.sh test

deps-window:
	@scripts/install-deps.sh run

deps-package:
	@scripts/install-deps.sh package

# $(call configure,DIR,PRESET,NAME:TYPE=VALUE...) configures a build folder when
# the presets changed since, or when its cache lacks one of the settings given
# or was configured with another SELBRIN_WERROR (so CI=true always builds with -Werror).
configure = [ $(1)/CMakeCache.txt -nt CMakePresets.json ] && \
	$(foreach s,SELBRIN_WERROR:BOOL=$(WERROR) $(3),grep -qx '$(s)' $(1)/CMakeCache.txt && ) true || \
	cmake --preset $(2) -DSELBRIN_WERROR=$(WERROR) $(addprefix -D,$(3)) >/dev/null

# The dev build with its tests and benchmarks; `make run` may have configured it
# without them, before GoogleTest was installed.
DEV_WITH_TESTS := SELBRIN_BUILD_TESTS:BOOL=ON SELBRIN_BUILD_BENCH:BOOL=ON

# Only the program, in the same folder as the tests' build, so `make test`
# afterwards compiles none of it again.
build-window: deps-window
	@$(call configure,build,dev)
	@cmake --build --preset dev -j $(JOBS) --target selbrin

build: deps
	@$(call configure,build,dev,$(DEV_WITH_TESTS))
	@cmake --build --preset dev -j $(JOBS)

test-dev: build
	@ctest --preset dev

build-asan: deps
	@$(call configure,build-asan,asan)
	@cmake --build --preset asan -j $(JOBS)

test-asan: build-asan
	@ctest --preset asan

# A bounded, repeatable run of the session fuzzer (clang): a fixed seed and a
# corpus made afresh from the checked-in seeds. It builds build-fuzz/ itself.
test-fuzz: deps
	@JOBS=$(JOBS) FUZZ_SEED=1 SELBRIN_WERROR=$(WERROR) fuzz/run.sh 300

fuzz: deps
	@JOBS=$(JOBS) SELBRIN_WERROR=$(WERROR) fuzz/run.sh $(FUZZ_SECONDS)

# The Windows build: MinGW-w64 cross compiler, tests under Wine (scripts/windows-test.sh).
build-windows: deps
	@$(call configure,build-windows,windows)
	@cmake --build --preset windows -j $(JOBS)

test-windows: build-windows
	@scripts/windows-test.sh

windows: build-windows
	@cmake --build --preset windows --target windows-packages

format-check: deps
	@scripts/check-format.sh

# The WebAssembly build: the page, and the model's tests and scenarios under node.
web: deps node_modules
	@$(call configure,build-web,web)
	@cmake --build --preset web -j $(JOBS)

test-web: web
	@ctest --preset web

# The browser tests' and the lint's packages, exactly as locked; nothing is
# downloaded by install scripts (puppeteer-core drives Debian's browsers).
# npm's cache is in the build folder, not the home's.
node_modules: package.json package-lock.json | deps
	@npm ci --ignore-scripts --no-audit --no-fund --cache build-web/npm-cache >/dev/null
	@touch node_modules

# The Debian package, from the release build: build-release/selbrin_1.00_*.deb
package: deps-package
	@$(call configure,build-release,release)
	@cmake --build --preset release -j $(JOBS)
	@cd build-release && cpack -G DEB

clean:
	rm -rf build build-asan build-release build-fuzz build-windows build-web
