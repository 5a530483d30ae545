# Thin wrapper over the CMake presets. `make run` builds and starts Corvanta; `make test` builds
# and runs the test suite. Both install the Debian packages they need first.
JOBS ?= $(shell nproc)

.PHONY: all deps build run test asan-test format clean

all: build

deps:
	@scripts/install-deps.sh build

build: deps
	cmake --preset dev
	cmake --build --preset dev -j $(JOBS)

run: build
	@if [ -z "$$DISPLAY$$WAYLAND_DISPLAY$$QT_QPA_PLATFORM" ]; then \
		echo "Corvanta needs a display: run it from a desktop session, or try 'xvfb-run make run'."; \
		exit 1; \
	fi
	build/dev/corvanta

test: build
	ctest --preset dev -j $(JOBS)

asan-test: deps
	cmake --preset asan
	cmake --build --preset asan -j $(JOBS)
	ctest --preset asan -j $(JOBS)

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf build
