# Kovra 2 — set-up, build, content and tests in one place.
BUILD   ?= build
GAME    := $(BUILD)/game
JOBS    ?= $(shell nproc)
CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=RelWithDebInfo

.PHONY: all deps configure build content run test bench clean fuzz test-asan levels-report editor-screenshot docs-pictures

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

# The tests are not part of the game's build; this builds them first.
test: build
	@cmake --build $(BUILD) -j $(JOBS) --target kovra_tests
	@cd $(BUILD) && QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy ctest --output-on-failure -j $(JOBS)

# Starts its own Xvfb; run it on a quiet machine for figures worth keeping.
bench: content
	@cmake --build $(BUILD) -j $(JOBS) --target kovra_bench >/dev/null
	@cd $(GAME) && ../bench/kovra_bench
	@cmake --build $(BUILD) --target kovra_editor_bench kovra2-editor >/dev/null
	@$(BUILD)/bench/kovra_editor_bench $(GAME)/kovra2-editor

# The README's picture of the level maker, drawn headless by our own code.
editor-screenshot: configure
	@cmake --build $(BUILD) --target editor_screenshot >/dev/null
	@mkdir -p docs && QT_QPA_PLATFORM=offscreen $(BUILD)/tests/editor/editor_screenshot docs/editor.png

clean:
	rm -rf $(BUILD)

# Sanitizer builds live in their own folders. Generators run under ASan while
# building, so leak checks wait for the runs that test something.
ASAN_BUILD   ?= build-asan
FUZZ_BUILD   ?= build-fuzz
FUZZ_SECONDS ?= 60
SAN_BUILD_ENV := ASAN_OPTIONS=detect_leaks=0
# intercept_tls_get_addr=0 works around a fault of the sanitizer runtimes of
# GCC 12 and clang 14 (Debian 12's): they take a dynamic TLS block (a
# dlopen'ed library's, which glibc allocates with malloc) that starts 16 bytes
# into a page for one carrying glibc 2.19's header and read its bounds from
# the bytes before it. Glibc has put no such header there since 2.25, so when
# the heap happens to place a block there (it did at the exit of
# tst_uBoardFail), LeakSanitizer walks a bogus range and its tracer crashes.
# Without the interception only those libraries' TLS goes unscanned, which
# can make a leak appear, never hide one; our own TLS is static and scanned.
# Programs on an X server add intercept_strndup=0 (tests/support/x-asan-options.sh).
SAN_RUN_ENV := ASAN_OPTIONS=detect_leaks=1:strict_string_checks=1:detect_stack_use_after_return=1:intercept_tls_get_addr=0 \
  LSAN_OPTIONS=suppressions=$(CURDIR)/fuzz/lsan.supp:print_suppressions=0 \
  UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1

# The whole test suite with AddressSanitizer and UBSan; any report fails it.
test-asan: deps
	@bash scripts/install-fuzz-deps.sh
	@cmake -S . -B $(ASAN_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKOVRA_SANITIZE=ON >/dev/null
	@$(SAN_BUILD_ENV) cmake --build $(ASAN_BUILD) -j $(JOBS) --target all kovra_tests
	@cd $(ASAN_BUILD) && $(SAN_RUN_ENV) ctest --output-on-failure -j $(JOBS)

# libFuzzer targets for the level file, the roster and the settings, built
# with clang, ASan and UBSan; each runs FUZZ_SECONDS seconds on its corpus.
fuzz: deps
	@bash scripts/install-fuzz-deps.sh
	@cmake -S . -B $(FUZZ_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DCMAKE_CXX_COMPILER=clang++ -DKOVRA_SANITIZE=ON -DKOVRA_FUZZ=ON >/dev/null
	@$(SAN_BUILD_ENV) cmake --build $(FUZZ_BUILD) -j $(JOBS) --target kovra_fuzzers
	@$(SAN_RUN_ENV) bash fuzz/run.sh $(FUZZ_BUILD) $(FUZZ_SECONDS)

# Installing and packaging: the content generated in the game folder is
# installed as it is, never generated a second time.
# make install PREFIX=P   (DESTDIR is honoured too; the programs stripped)
# make deb                (kovra2 and kovra2-data, checked with lintian)
PREFIX ?= /usr/local
.PHONY: install deb manual-pictures

install: content
	@cmake --install $(BUILD) --prefix $(PREFIX) --strip

# lintian --pedantic: no error, no warning, and no hardening tag even among
# the informational ones.
deb: content
	@rm -f $(BUILD)/kovra2_*.deb $(BUILD)/kovra2-data_*.deb
	@cd $(BUILD) && cpack -G DEB
	@lintian --pedantic -I --fail-on error,warning --tag-display-limit 0 \
	  $(BUILD)/kovra2_*.deb $(BUILD)/kovra2-data_*.deb | tee $(BUILD)/lintian.log
	@! grep -E '^[A-Z]: .*hardening-' $(BUILD)/lintian.log

# The manual's pictures, made by our own code from the real windows.
manual-pictures: configure
	@cmake --build $(BUILD) --target kovra_screenshots editor_screenshot >/dev/null
	@QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy $(BUILD)/dist/kovra_screenshots assets/manual/kezikonyv-kepek
	@QT_QPA_PLATFORM=offscreen $(BUILD)/tests/editor/editor_screenshot assets/manual/kezikonyv-kepek/editor.png

# The level pack's difficulty: a table and a plot per level, into the build.
levels-report: configure
	@cmake --build $(BUILD) --target kovra_levelgen
	@$(BUILD)/tools/levelgen/kovra_levelgen --report $(BUILD)/levels-report

# The README's pictures under docs/, made by our own code from the game window.
docs-pictures: configure
	@cmake --build $(BUILD) --target kovra_docshots
	@QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy $(BUILD)/tools/levelgen/kovra_docshots docs
