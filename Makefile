# Two build trees, one CMake project: build/host (the portable core, natively, with
# sanitizers) and build/win64 (the whole program, cross-compiled, tested under Wine).
BUILD := build
HOST  := $(BUILD)/host
WIN   := $(BUILD)/win64
BENCH := $(BUILD)/bench
JOBS  ?= $(shell nproc)

CMAKE_GEN := -G Ninja

.PHONY: all deps host win64 test test-host test-win64 bench run clean

all: host win64

deps:
	@scripts/install-deps

$(HOST)/build.ninja: | deps
	@cmake -S . -B $(HOST) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=Debug >/dev/null
	@ln -sf $(HOST)/compile_commands.json compile_commands.json

$(WIN)/build.ninja: | deps
	@cmake -S . -B $(WIN) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=Release \
	  -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake >/dev/null

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
	@grep -h '^\[ GDI' $(WIN)/Testing/Temporary/LastTest.log || true

test: test-host test-win64

bench: deps $(BENCH)/build.ninja
	@cmake --build $(BENCH) -j $(JOBS)
	@cd $(BENCH) && bench/poligonos_bench --benchmark_min_time=0.3 --benchmark_repetitions=7 \
	  --benchmark_report_aggregates_only=true --benchmark_counters_tabular=true

run:
	@echo "make run: the main window is not built yet; 'make test' builds and tests what there is."

clean:
	rm -rf $(BUILD) compile_commands.json
