# Kovra 2 — set-up, build, content and tests in one place.
BUILD   ?= build
GAME    := $(BUILD)/game
JOBS    ?= $(shell nproc)
CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=RelWithDebInfo

.PHONY: all deps configure build content run test bench clean

all: build

deps:
	@bash scripts/install-deps.sh

configure: deps
	@cmake -S . -B $(BUILD) -G Ninja $(CMAKE_FLAGS) >/dev/null

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

# Levels and music are generated beside the executable when missing or stale.
content: build
	@bash scripts/make-content.sh $(BUILD)

run: content
	@cd $(GAME) && ./kovra2

test: build
	@cd $(BUILD) && QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy ctest --output-on-failure -j $(JOBS)

bench: content
	@cmake --build $(BUILD) --target kovra_bench >/dev/null
	@cd $(GAME) && QT_QPA_PLATFORM=$${QT_QPA_PLATFORM:-offscreen} ../bench/kovra_bench

clean:
	rm -rf $(BUILD)
