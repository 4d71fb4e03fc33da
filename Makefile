# The two commands a newcomer needs: `make test` and `make run`. Each first
# installs whatever Debian packages are missing.
SHELL := /bin/bash
BUILD := build
WINDOWS_DEPS := $(BUILD)/windows-deps

.PHONY: test run bench demo fuzz deps windows-deps native windows test-native test-windows clean

test: deps test-native test-windows

run: deps windows
	tools/run-program.sh $(BUILD)/windows/ui/taoci.exe $(BUILD)/screenshots/run.png

deps:
	@tools/install-deps.sh

windows-deps: deps
	@tools/build-windows-deps.sh $(WINDOWS_DEPS)

native: deps
	@[ -f $(BUILD)/native/CMakeCache.txt ] || cmake --preset native >/dev/null
	cmake --build --preset native

windows: windows-deps
	@[ -f $(BUILD)/windows/CMakeCache.txt ] || cmake --preset windows >/dev/null
	cmake --build --preset windows

test-native: native
	ctest --preset native

# Window tests need a display: one Xvfb for the whole run.
test-windows: windows
	xvfb-run -a -s "-screen 0 1280x1024x24" ctest --preset windows

# taoci.exe against a demo marketplace on 127.0.0.1; without a display, one
# search is driven and the found result saved to build/screenshots/demo.png.
demo: deps windows-deps
	tools/run-demo.sh $(BUILD)

# The native benchmarks, then the search run under Wine against its fetches.
bench: deps windows-deps
	@[ -f $(BUILD)/bench/CMakeCache.txt ] || cmake --preset bench >/dev/null
	cmake --build --preset bench
	tools/run-benchmarks.sh $(BUILD)/bench
	@[ -f $(BUILD)/windows/CMakeCache.txt ] || cmake --preset windows >/dev/null
	cmake --build --preset windows --target search_run_fetch_bench
	tools/run-wine-bench.sh $(BUILD)/windows

fuzz: deps
	@[ -f $(BUILD)/fuzz/CMakeCache.txt ] || cmake --preset fuzz >/dev/null
	cmake --build --preset fuzz

clean:
	rm -rf $(BUILD)
