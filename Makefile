# Two build trees, one CMake project: build/host (the portable core, natively, with
# sanitizers) and build/win64 (the whole program, cross-compiled, tested under Wine).
BUILD := build
HOST  := $(BUILD)/host
WIN   := $(BUILD)/win64
BENCH := $(BUILD)/bench
FUZZ  := $(BUILD)/fuzz
FUZZ_SECONDS ?= 60
JOBS  ?= $(shell nproc)

CMAKE_GEN := -G Ninja

.PHONY: package all deps host win64 test check-layers check-format format test-host test-win64 test-stress test-fuzz fuzz fuzz-build bench bench-wine run clean

all: host win64

deps:
	@scripts/install-deps

$(HOST)/build.ninja: | deps
	@cmake -S . -B $(HOST) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=Debug >/dev/null
	@ln -sf $(HOST)/compile_commands.json compile_commands.json

$(WIN)/build.ninja: | deps
	@cmake -S . -B $(WIN) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=Release \
	  -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake >/dev/null

$(FUZZ)/build.ninja: | deps
	@CC=clang CXX=clang++ cmake -S . -B $(FUZZ) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DPOLIGONOS_FUZZ=ON >/dev/null

$(BENCH)/build.ninja: | deps
	@cmake -S . -B $(BENCH) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=Release \
	  -DPOLIGONOS_SANITIZE=OFF -DPOLIGONOS_BENCH=ON >/dev/null

host: deps $(HOST)/build.ninja
	@cmake --build $(HOST) -j $(JOBS)

win64: deps $(WIN)/build.ninja
	@cmake --build $(WIN) -j $(JOBS)

test-host: host
	@ctest --test-dir $(HOST) --output-on-failure -j $(JOBS)

test-win64: win64
	@scripts/with-wine ctest --test-dir $(WIN) --output-on-failure
	@grep -h -E '^\[ (GDI|E2E)' $(WIN)/Testing/Temporary/LastTest.log || true

test: check-layers check-format test-host test-win64 test-fuzz

# Every C++ file as the project's .clang-format has it; `make format` rewrites them so.
check-format: deps
	@scripts/check-format

format: deps
	@find src automation tests tools bench fuzz -name '*.cpp' -o -name '*.h' | xargs clang-format -i

# No file includes from a layer above its own, in src/ and around it (the script lists them).
check-layers:
	@tests/layers/check_layers_test.sh
	@scripts/check-layers && echo "check-layers: every include points down"

# The Wine-side suites RUNS times over with the cores kept busy (PIN=1: all on one core);
# per test, how many runs passed and failed. Not part of make test.
RUNS ?= 10
test-stress: win64
	@scripts/stress $(RUNS)

fuzz-build: deps $(FUZZ)/build.ninja
	@cmake --build $(FUZZ) -j $(JOBS) --target poligonos_fuzzers

# Each fuzzer for FUZZ_SECONDS, growing its corpus in the build tree from the seeds in fuzz/.
# fuzz/CMakeLists.txt lists them, in the fuzz tree's fuzz/fuzzers.txt.
fuzz: fuzz-build
	@fuzzers=$$(cat $(FUZZ)/fuzz/fuzzers.txt) || exit 1; \
	for f in $$fuzzers; do \
	  mkdir -p $(FUZZ)/corpus/$$f && \
	  $(FUZZ)/fuzz/fuzz_$$f -max_total_time=$(FUZZ_SECONDS) -max_len=4096 -print_final_stats=1 -artifact_prefix=$(FUZZ)/ \
	    $(FUZZ)/corpus/$$f fuzz/seeds/$$f || exit 1; \
	done

# A bounded run for every test.
test-fuzz: fuzz-build
	@$(MAKE) --no-print-directory fuzz FUZZ_SECONDS=3 >$(FUZZ)/last-run.log 2>&1 || \
	  { tail -40 $(FUZZ)/last-run.log; exit 1; }
	@grep -oE 'Done [0-9]+ runs in [0-9]+ second' $(FUZZ)/last-run.log | sed 's/^/fuzz: /'

bench: deps $(BENCH)/build.ninja
	@cmake --build $(BENCH) -j $(JOBS)
	@cd $(BENCH) && bench/poligonos_bench --benchmark_min_time=0.3 --benchmark_repetitions=7 \
	  --benchmark_report_aggregates_only=true --benchmark_counters_tabular=true

# The real program under Wine: pointer moves per second, hovering and dragging, beside the
# same program built to work in whole frames and the two floors (bench/wine/), in turns.
BENCH_ROUNDS ?= 5
bench-wine: win64
	@scripts/with-wine scripts/wine-run $(WIN)/bench/wine/poligonos_pointer_bench.exe \
	  $(CURDIR)/$(WIN)/src/poligonos.exe $(CURDIR)/$(WIN)/bench/wine/poligonos_whole_frames.exe \
	  $(CURDIR)/$(WIN)/bench/wine/poligonos_floor_title.exe \
	  $(CURDIR)/$(WIN)/bench/wine/poligonos_floor_copy.exe $(BENCH_ROUNDS)

run: win64
	@scripts/run

# The static program and a Spanish read-me for Windows users, as one zip that two builds of the
# same commit make byte for byte alike, with the SHA-256 of the zip and of the program beside it.
package: deps
	@JOBS=$(JOBS) scripts/package

clean:
	rm -rf $(BUILD) compile_commands.json
