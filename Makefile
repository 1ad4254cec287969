# The two quick-start commands: `make run` and `make test`. `make bench` runs the benchmarks.
JOBS ?= $(shell nproc)
CMAKE_GEN := $(shell command -v ninja >/dev/null 2>&1 && echo "-G Ninja")

.PHONY: run test fuzz bench deps build build-test clean format check-format tidy package portable

deps:
	@bash scripts/install-deps.sh

# The benchmarks build with it so they keep compiling as the code under them changes.
build: deps
	cmake -S . -B build/release $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZARVO_TESTS=OFF -DZARVO_BENCH=ON
	cmake --build build/release -j $(JOBS)

run: build
	@bash scripts/run.sh build/release

# The Debian package (CPack) and the portable folder that installs itself, both from the release build.
package: build
	cd build/release && cpack -G DEB

portable: build
	@bash scripts/make-portable.sh build/release

# Tests run on a sanitized build (address, undefined, leaks) so memory errors and leaks fail the suite.
# tests/lsan.supp names the third-party leaks left out, each with its reason.
build-test: deps
	cmake -S . -B build/test $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=Debug -DZARVO_SANITIZE=ON -DZARVO_TESTS=ON
	cmake --build build/test -j $(JOBS)

test: build-test
	cd build/test && ASAN_OPTIONS=detect_leaks=1 LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp:print_suppressions=0 \
		ctest --output-on-failure -j $(JOBS) --timeout 600
	$(MAKE) fuzz

# Bounded libFuzzer runs (FUZZ_SECONDS per target) in a second, clang-built tree that builds only the
# fuzz targets and what they link; the sanitized build above already replays their corpus.
FUZZ_SECONDS ?= 60
FUZZ_RUNS ?= 15000
fuzz: deps
	cmake -S . -B build/fuzz $(CMAKE_GEN) -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=None \
		-DCMAKE_CXX_FLAGS="-O1 -gline-tables-only" -DZARVO_SANITIZE=ON -DZARVO_FUZZ=ON -DZARVO_TESTS=ON -DZARVO_FUZZ_SECONDS=$(FUZZ_SECONDS) -DZARVO_FUZZ_RUNS=$(FUZZ_RUNS)
	cmake --build build/fuzz -j $(JOBS) --target fuzz_targets
	cd build/fuzz && ctest -L fuzz --output-on-failure -j $(JOBS)

bench: deps
	cmake -S . -B build/bench $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=Release -DZARVO_TESTS=OFF -DZARVO_BENCH=ON
	cmake --build build/bench -j $(JOBS)
	@bash bench/run.sh build/bench

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

# What CI holds the code to besides the tests: the format, and clang-tidy (here on the files changed from
# main; CI runs it on the whole tree).
check-format:
	@bash scripts/check-format.sh

tidy: build-test
	@bash scripts/tidy.sh build/test

clean:
	rm -rf build
