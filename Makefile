# Set-up, build and test entry points (see README).
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?=

.PHONY: deps run test check-sanitize fuzz bench format clean

deps:
	scripts/install-deps

# Starts the desktop program as a user does: `make run` shows the About box
# and then the Startup dialog; `make run ARGS=path` opens that path.
ARGS ?=
run: deps
	cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo $(CMAKE_FLAGS)
	cmake --build build --target kinovex -j $(JOBS)
	build/src/app/kinovex $(ARGS)

test: deps
	cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo $(CMAKE_FLAGS)
	cmake --build build -j $(JOBS)
	ctest --test-dir build --output-on-failure -j $(JOBS)

check-sanitize: deps
	cmake -S . -B build-sanitize -G Ninja -DCMAKE_BUILD_TYPE=Debug -DKINOVEX_SANITIZE=ON -DKINOVEX_BENCH=OFF $(CMAKE_FLAGS)
	cmake --build build-sanitize -j $(JOBS)
	ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
		ctest --test-dir build-sanitize --output-on-failure -j $(JOBS)

# Runs every fuzzer for FUZZ_SECONDS on its seed corpus.
FUZZ_SECONDS ?= 60
fuzz: deps
	cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
		-DCMAKE_CXX_COMPILER=clang++ -DKINOVEX_FUZZ=ON -DKINOVEX_BENCH=OFF \
		-DKINOVEX_FUZZ_SECONDS=$(FUZZ_SECONDS) $(CMAKE_FLAGS)
	cmake --build build-fuzz --target run-fuzzers -j $(JOBS)

bench: deps
	cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release $(CMAKE_FLAGS)
	cmake --build build-bench -j $(JOBS)
	for b in $$(find build-bench/bench -type f -executable -name '*_bench'); do $$b; done

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf build build-sanitize build-fuzz build-bench
