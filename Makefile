# Thin wrapper over the CMake presets. `make run` builds and starts Corvanta; `make test` builds
# and runs the test suite. Both install the Debian packages they need first.
JOBS ?= $(shell nproc)
PREFIX ?= /usr/local

.PHONY: all deps check-deps build run test asan-test clang-test bench install package format clean

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

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf build
