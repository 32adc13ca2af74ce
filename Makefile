# The two commands a newcomer needs:
#   make run    builds the program and starts it on the bundled draw history
#   make test   builds and runs every test (plain, with sanitizers, and the fuzzers)
# Both install the Debian packages the build needs first.

JOBS ?= 2
BUILD_DIR := build
ASAN_DIR := build-asan
FUZZ_DIR := build-fuzz

.PHONY: deps build run test test-plain test-sanitizers test-fuzz bench package tidy format clean

deps:
	@scripts/install-deps.sh

build: deps
	@cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DLOTTO_BUILD_QT=ON \
	  -DLOTTO_BUILD_TESTS=ON -DLOTTO_BUILD_BENCH=ON >/dev/null
	@cmake --build $(BUILD_DIR) -j $(JOBS)

run: build
	@scripts/run.sh $(BUILD_DIR)/bin/kalkuat

test: test-plain test-sanitizers test-fuzz

test-plain: build
	ctest --test-dir $(BUILD_DIR) --output-on-failure -j $(JOBS)

# The headless program and its tests again, with AddressSanitizer and
# UndefinedBehaviorSanitizer: a memory fault fails the run.
test-sanitizers: deps
	@cmake -S . -B $(ASAN_DIR) -DCMAKE_BUILD_TYPE=Debug -DLOTTO_BUILD_QT=OFF -DLOTTO_SANITIZE=ON >/dev/null
	@cmake --build $(ASAN_DIR) -j $(JOBS)
	ctest --test-dir $(ASAN_DIR) --output-on-failure -j $(JOBS)

# The parsers of outside input under libFuzzer, a few seconds each.
test-fuzz: deps
	@CXX=clang++ cmake -S . -B $(FUZZ_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DLOTTO_BUILD_QT=OFF \
	  -DLOTTO_BUILD_TESTS=OFF -DLOTTO_FUZZ=ON >/dev/null
	@cmake --build $(FUZZ_DIR) -j $(JOBS)
	ctest --test-dir $(FUZZ_DIR) --output-on-failure

# The speed figures, measured on the bundled history.
bench: build
	$(BUILD_DIR)/bench/statistics_bench
	$(BUILD_DIR)/bench/generator_bench
	$(BUILD_DIR)/bench/history_search_bench
	$(BUILD_DIR)/bench/chances_bench
	$(BUILD_DIR)/bench/download_bench
	$(BUILD_DIR)/bench/drawserver_bench

# The Debian package kalkuat_<version>_<arch>.deb, here in the project folder:
#   sudo apt install ./kalkuat_*.deb
package: build
	@cd $(BUILD_DIR) && cpack -G DEB >/dev/null
	@cp $(BUILD_DIR)/kalkuat_*.deb .
	@ls kalkuat_*.deb

# The checks of .clang-tidy over every source the build compiles (the program, its tests,
# benchmarks and tools, and the headers they include); a finding fails the target. CI runs
# it beside the test command.
tidy: build
	@git ls-files 'src/*.cpp' 'tests/*.cpp' 'bench/*.cpp' 'tools/*.cpp' ':!tests/layers/fixture' \
	  | xargs -P $(JOBS) -n 4 clang-tidy -p $(BUILD_DIR) --quiet > $(BUILD_DIR)/tidy.log 2>&1; \
	  if grep -E 'warning:|error:' $(BUILD_DIR)/tidy.log; then \
	    echo "clang-tidy: findings above (all of them in $(BUILD_DIR)/tidy.log)"; exit 1; \
	  else echo "clang-tidy: no findings"; fi

format:
	@git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf $(BUILD_DIR) $(ASAN_DIR) $(FUZZ_DIR)
