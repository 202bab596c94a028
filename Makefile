# Wraps the CMake presets. `make run` and `make test` install what is missing first.
JOBS ?= $(shell nproc)
SOURCES = $(shell git ls-files '*.cpp' '*.h')

.PHONY: deps run test test-sanitize bench format build build-sanitize

deps:
	@scripts/install-deps

build: deps
	cmake --preset default
	cmake --build --preset default -j $(JOBS)

build-sanitize: deps
	cmake --preset sanitize
	cmake --build --preset sanitize -j $(JOBS)

run: build
	@scripts/run-quillmark build/default/shell/quillmark

test: build
	ctest --preset default -j $(JOBS)

test-sanitize: build-sanitize
	ctest --preset sanitize -j $(JOBS)

bench: build
	@scripts/run-benchmarks build/default/bench

format:
	clang-format -i $(SOURCES)
