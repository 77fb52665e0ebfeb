# Entry points. `make run` builds and starts the editor, `make test` builds
# everything with AddressSanitizer and UndefinedBehaviorSanitizer and runs all
# tests. scripts/install-deps installs what a fresh Debian 12 lacks.

JOBS ?= $(shell nproc 2>/dev/null || echo 2)
RELEASE_DIR := build/release
TEST_DIR := build/test

.PHONY: all run test bench clean

all:
	cmake -S . -B $(RELEASE_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVELDRA_TESTS=OFF
	cmake --build $(RELEASE_DIR) -j $(JOBS)

run: all
	$(RELEASE_DIR)/veldra/veldra

test:
	cmake -S . -B $(TEST_DIR) -DCMAKE_BUILD_TYPE=Debug -DVELDRA_SANITIZE=ON -DVELDRA_TESTS=ON
	cmake --build $(TEST_DIR) -j $(JOBS)
	cd $(TEST_DIR) && ctest --output-on-failure -j $(JOBS)

bench:
	cmake -S . -B build/bench -DCMAKE_BUILD_TYPE=Release -DVELDRA_TESTS=OFF -DVELDRA_BENCHMARKS=ON
	cmake --build build/bench -j $(JOBS)

clean:
	rm -rf build
