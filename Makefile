# Thin wrapper over the CMake presets. `make run` builds and starts Corvanta; `make test` builds
# and runs the test suite. Both install the Debian packages they need first.
JOBS ?= $(shell nproc)
PREFIX ?= /usr/local

.PHONY: all deps check-deps build run test asan-test clang-test bench install package windows \
	windows-test format clean

all: build

deps:
	@scripts/install-deps.sh build

# The suite also validates the installed files and builds the package, with tools of their own.
check-deps: deps
	@scripts/install-deps.sh check

build: deps
	cmake --preset dev
	cmake --build --preset dev -j $(JOBS)

run: build
	@if [ -z "$$DISPLAY$$WAYLAND_DISPLAY$$QT_QPA_PLATFORM" ]; then \
		echo "Corvanta needs a display: run it from a desktop session, or try 'xvfb-run make run'."; \
		exit 1; \
	fi
	build/dev/corvanta

test: check-deps build
	ctest --preset dev -j $(JOBS)

asan-test: check-deps
	cmake --preset asan
	cmake --build --preset asan -j $(JOBS)
	ctest --preset asan -j $(JOBS)

# The same suite built with Clang, so that the code stays portable across compilers.
clang-test: check-deps
	@scripts/install-deps.sh clang
	cmake --preset clang
	cmake --build --preset clang -j $(JOBS)
	ctest --preset clang -j $(JOBS)

# Figures of start-up, speed and memory, headless (docs/performance.md). A quiet machine gives
# steadier figures.
bench: build
	build/dev/bench/corvanta_bench

# Builds as you, installs through sudo only when the prefix is not yours (DESTDIR is honoured).
install: build
	@dir="$(DESTDIR)$(PREFIX)"; while [ ! -e "$$dir" ]; do dir=$$(dirname "$$dir"); done; \
	sudo=""; [ -w "$$dir" ] || sudo=sudo; \
	$$sudo env DESTDIR="$(DESTDIR)" cmake --install build/dev --prefix "$(PREFIX)"

# The Debian package, build/dev/corvanta_<version>_<arch>.deb.
package: check-deps build
	cmake --build --preset dev --target package

# Corvanta for 64-bit Windows, cross-built here: build/windows/Corvanta-<version>-x64.msi and
# .zip. The first run builds Qt for Windows into ~/.cache/corvanta (half an hour on two cores);
# the build runs the board picture's tool as built for this machine.
windows: deps
	@scripts/install-deps.sh windows
	cmake --preset dev
	cmake --build --preset dev --target corvanta_rauw_beeld
	@qt=$$(scripts/build-qt-windows.sh) && echo "Qt for Windows: $$qt" && \
		CORVANTA_QT_WINDOWS=$$qt cmake --preset windows
	cmake --build --preset windows -j $(JOBS)

# The suite built for Windows, under Wine, and the installer tried in a Wine of its own.
windows-test: windows
	ctest --preset windows -j $(JOBS)

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf build
