# SPDX-FileCopyrightText: 2026 Example Developer Tools <info@example.org>
#
# SPDX-License-Identifier: GPL-2.0-or-later

# Wraps the CMake presets. `make run` and `make test` install what is missing first.
# PRESET=ci builds with warnings as errors, in build/ci.
JOBS ?= $(shell nproc)
PRESET ?= default
SOURCES = $(shell git ls-files '*.cpp' '*.h')

.PHONY: deps run test test-sanitize bench format format-check build build-sanitize build-fuzz fuzz package

deps:
	@scripts/install-deps

build: deps
	cmake --preset $(PRESET)
	cmake --build --preset $(PRESET) -j $(JOBS)

build-sanitize: deps
	cmake --preset sanitize
	cmake --build --preset sanitize -j $(JOBS)

# The fuzzer is built with clang in a configuration of its own.
build-fuzz: deps
	cmake --preset fuzz
	cmake --build --preset fuzz --target fuzz_picture_loader -j $(JOBS)

# FUZZ_SECONDS: how long `make fuzz` runs the picture loader's fuzzer.
FUZZ_SECONDS ?= 3600
fuzz: build-fuzz
	scripts/run-fuzzer build/fuzz/tests/fuzz/fuzz_picture_loader $(FUZZ_SECONDS)

run: build
	@scripts/run-quillmark build/$(PRESET)/shell/quillmark

test: build
	ctest --preset $(PRESET) -j $(JOBS)

test-sanitize: build-sanitize build-fuzz
	ctest --preset sanitize -j $(JOBS)

bench: build
	@scripts/run-benchmarks build/$(PRESET)/bench

# The Debian package in build/package/, checked with lintian.
package: deps
	scripts/build-package

format:
	clang-format -i $(SOURCES)

# Fails on any file that `make format` would change.
format-check: deps
	clang-format --dry-run --Werror $(SOURCES)
