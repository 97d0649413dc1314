# Two commands for a fresh Debian machine: `make run` builds and starts Tunelot,
# `make test` builds and runs every test. Both install missing Debian packages first.

BUILD_RUN  ?= build
BUILD_TEST ?= build-test
JOBS       ?= $(shell nproc)

RUN_PACKAGES  = cmake ninja-build g++ qt6-base-dev qt6-svg-dev libgl-dev
TEST_PACKAGES = $(RUN_PACKAGES) googletest libgtest-dev libgmock-dev locales poppler-utils

SUDO = $(if $(filter 0,$(shell id -u)),,sudo)

.PHONY: run test fuzz bench deps-run deps-test build-run build-test

run: build-run
	./$(BUILD_RUN)/tunelot

test: build-test
	QT_QPA_PLATFORM=offscreen ctest --test-dir $(BUILD_TEST) --output-on-failure -j$(JOBS)

build-run: deps-run
	cmake -S . -B $(BUILD_RUN) -G Ninja -DCMAKE_BUILD_TYPE=Release -DTUNELOT_TESTS=OFF
	cmake --build $(BUILD_RUN) -j$(JOBS)

build-test: deps-test
	cmake -S . -B $(BUILD_TEST) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DTUNELOT_SANITIZE=ON
	cmake --build $(BUILD_TEST) -j$(JOBS)

deps-run:
	@./tools/install-packages $(RUN_PACKAGES)

# The locale test needs a locale with real collation rules besides C.
deps-test:
	@./tools/install-packages $(TEST_PACKAGES)
	@locale -a 2>/dev/null | grep -qix 'en_US.utf8' || $(SUDO) localedef -i en_US -f UTF-8 en_US.UTF-8

# Not part of the test run: each fuzz target for FUZZ_SECONDS (default 60) seconds.
FUZZ_SECONDS ?= 60
fuzz:
	@./tools/install-packages clang libclang-rt-14-dev cmake ninja-build
	./tools/run-fuzz $(FUZZ_SECONDS)

# Release-mode benchmarks, compared with the tools a user would reach for.
bench: deps-test
	@./tools/install-packages libbenchmark-dev
	./tools/run-bench
