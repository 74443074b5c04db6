# The two commands of the project: `make run` and `make test`.
# Everything builds out of tree under build/, with Ninja and (where present) ccache.

JOBS      ?= 2
TEST_DIR  := build/test
RUN_DIR   := build/run
FUZZ_DIR  := build/fuzz
BENCH_DIR := build/bench
CXX_CLANG := clang++
C_CLANG   := clang

CMAKE_COMMON := -G Ninja -DCMAKE_CXX_COMPILER=$(CXX_CLANG) -DCMAKE_C_COMPILER=$(C_CLANG) \
                -DCMAKE_EXPORT_COMPILE_COMMANDS=ON

.PHONY: all deps test run build fuzz bench clean contact-sheet

all: build

deps:
	@scripts/install-deps

$(TEST_DIR)/build.ninja: | deps
	cmake -S . -B $(TEST_DIR) $(CMAKE_COMMON) -DCMAKE_BUILD_TYPE=Debug -DVELMORA_SANITIZE=ON

$(RUN_DIR)/build.ninja: | deps
	cmake -S . -B $(RUN_DIR) $(CMAKE_COMMON) -DCMAKE_BUILD_TYPE=RelWithDebInfo

# The whole suite runs twice: under C.UTF-8 and under a Russian desktop's locale, whose decimal
# separator is a comma (the test entry takes the C library's locale from the environment).
test: deps $(TEST_DIR)/build.ninja
	cmake --build $(TEST_DIR) -j $(JOBS)
	cd $(TEST_DIR) && LANG=C.UTF-8 LC_ALL=C.UTF-8 ctest --output-on-failure -j $(JOBS) --timeout 600
	cd $(TEST_DIR) && LANG=ru_RU.UTF-8 LC_ALL=ru_RU.UTF-8 ctest --output-on-failure -j $(JOBS) --timeout 600

build: deps $(RUN_DIR)/build.ninja
	cmake --build $(RUN_DIR) -j $(JOBS)
	ln -sfn run/cd build/cd

# A contact sheet of every generated picture, for looking at the art: build/run/contact-sheet.png
contact-sheet: build
	cmake --build $(RUN_DIR) --target contact-sheet

# Installs the designer from the build's CD image when needed and starts it through its menu
# entry; without a display it runs under Xvfb and leaves build/run/screenshot.png.
# make run ARGS=--no-intro skips the intro.
run: build
	@scripts/run-designer $(RUN_DIR) $(ARGS)

# libFuzzer targets with coverage instrumentation: make fuzz FUZZ=registry_file SECONDS=300
fuzz: deps
	cmake -S . -B $(FUZZ_DIR) $(CMAKE_COMMON) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVELMORA_FUZZ=ON
	cmake --build $(FUZZ_DIR) -j $(JOBS)
	@if [ -n "$(FUZZ)" ]; then scripts/run-fuzzer $(FUZZ_DIR) $(FUZZ) $(or $(SECONDS),120); fi

bench: deps
	cmake -S . -B $(BENCH_DIR) $(CMAKE_COMMON) -DCMAKE_BUILD_TYPE=Release
	cmake --build $(BENCH_DIR) -j $(JOBS)

clean:
	rm -rf build
