# Tolm: `make run` plays the game, `make test` checks it, both installing what is missing first;
# `make check` runs the quick tests.
BUILD      ?= build
BUILD_TYPE ?= Release
PACKAGES   := $(shell sed -e 's/\#.*//' tools/debian-packages.txt)
SUDO       := $(shell [ "$$(id -u)" -eq 0 ] || echo sudo)
CONFIGURED := $(BUILD)/build.ninja

.PHONY: all deps build run test check bench screenshot endings scene-shots clean web run-web web-package web-shots po

all: build

# Installs only what dpkg does not already list as installed, so it is quick when all is there.
# A node.js from elsewhere than Debian brings its own npm, which Debian's npm would conflict with.
deps:
	@missing=$$(for p in $(PACKAGES); do \
	    dpkg-query -W -f='$${Status}\n' "$$p" 2>/dev/null | grep -q '^install ok installed$$' || \
	    { [ "$$p" = npm ] && command -v npm >/dev/null; } || echo "$$p"; done); \
	if [ -n "$$missing" ]; then \
	    echo "Installing:" $$missing; \
	    $(SUDO) apt-get update -qq && \
	    $(SUDO) env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends $$missing; \
	fi

$(CONFIGURED): | deps
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=$(BUILD_TYPE)

build: deps $(CONFIGURED)
	cmake --build $(BUILD)

run: build
	$(BUILD)/app/tolm

# The suite runs twice: on the release build, then on a Debug build under AddressSanitizer and
# UndefinedBehaviorSanitizer, where any report ends the test that caused it. The real-window tests,
# the slowest part of the suite, play the release build only: the sanitizers watch the same code on
# the offscreen widgets, and the program a player gets is the release one.
ASAN_BUILD := build-asan
SANITIZE   := -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=all
SANITIZER_ENV := ASAN_OPTIONS=detect_stack_use_after_return=1:check_initialization_order=1 \
                 UBSAN_OPTIONS=print_stacktrace=1

# deps has installed every tool, so a test that finds one missing fails instead of skipping. Each
# run goes on after a failing one; the summary at the end names what was skipped and counts all three.
RESULTS := $(abspath $(BUILD))/test-results
CTEST   := TOLM_TOOLS_REQUIRED=1 ctest --output-on-failure -j2

test: build web windows
	rm -rf $(RESULTS) && mkdir -p $(RESULTS)
	$(CTEST) --test-dir $(BUILD) --output-junit $(RESULTS)/release.xml; echo $$? > $(RESULTS)/release.status
	$(CTEST) --test-dir $(WEB_BUILD) --output-junit $(RESULTS)/web.xml; echo $$? > $(RESULTS)/web.status
	$(CTEST) --test-dir $(WINDOWS_BUILD) --output-junit $(RESULTS)/windows.xml; echo $$? > $(RESULTS)/windows.status
	cmake -S . -B $(ASAN_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Debug \
	    -DCMAKE_CXX_FLAGS="$(SANITIZE)" -DCMAKE_EXE_LINKER_FLAGS="$(SANITIZE)"
	cmake --build $(ASAN_BUILD)
	$(SANITIZER_ENV) $(CTEST) --test-dir $(ASAN_BUILD) --label-exclude '^realwindow$$' --output-junit $(RESULTS)/asan.xml; echo $$? > $(RESULTS)/asan.status
	@/usr/bin/python3 tools/test_summary.py $(RESULTS) release web windows asan

# The quick loop while changing the game: the release build's own tests, without the web edition,
# the sanitizers, real windows or the other slow tests (labelled so in tests/).
check: build
	ctest --test-dir $(BUILD) --output-on-failure -j2 --label-exclude '^(realwindow|slow)$$'

# po/tolm.pot written anew from the program's Czech, and every po/*.po brought up to it: new texts
# come in untranslated, changed ones fuzzy (README.md, Translations).
po: deps $(CONFIGURED)
	cmake --build $(BUILD) --target po

# Start-up, memory and reaction against the toolkit's own floor, measured in one run: a table.
bench: deps $(CONFIGURED) web windows
	cmake --build $(BUILD) --target run_bench

# The first scene in a real X window.
screenshot: build
	tools/shot/shots.sh $(BUILD)/tools/shot/tolm-shot $(BUILD)/screenshots tools/shot/first-scene.txt

# The window at every ending of the story.
endings: build
	tools/shot/shots.sh $(BUILD)/tools/shot/tolm-shot $(BUILD)/screenshots/endings tools/shot/endings.txt

# Every scene picture in the real window, for a look.
scene-shots: build
	tools/shot/shots.sh $(BUILD)/tools/shot/tolm-shot $(BUILD)/screenshots/scenes tools/shot/scenes.txt

# A covered choice with the keyboard focus, drawn in front of its place.
.PHONY: focus-shots
focus-shots: build
	tools/shot/shots.sh $(BUILD)/tools/shot/tolm-shot $(BUILD)/screenshots/focus tools/shot/focus.txt

# The window on today's screens under a real window manager (openbox on Xvfb): maximized on
# several screens, at twice the density, full screen, and the scene at chosen scales.
.PHONY: scale-shots
scale-shots: build
	tools/shot/shots.sh --window-manager $(BUILD)/tools/shot/tolm-shot $(BUILD)/screenshots/scales tools/shot/scales.txt

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(WEB_BUILD) $(WINDOWS_BUILD)

# The Debian package, from the same build: $(BUILD)/tolm_<version>_<arch>.deb
.PHONY: package
package: build
	cmake --build $(BUILD) --target package

# The web edition: Emscripten builds the story into WebAssembly, and the site, a plain static
# folder, lands in $(WEB_BUILD)/site/. The pictures come from the desktop build's drawing program.
WEB_BUILD := build-web
WEB_HOST  ?= 127.0.0.1
WEB_PORT  ?= 8000
EMSCRIPTEN_ENV := NODE_PATH=/usr/share/nodejs

web: deps $(CONFIGURED)
	cmake --build $(BUILD) --target tolm_pictures
	$(EMSCRIPTEN_ENV) emcmake cmake -S . -B $(WEB_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Release \
	    -DTOLM_PICTURES_TOOL=$(abspath $(BUILD))/tools/pictures/tolm_pictures
	$(EMSCRIPTEN_ENV) cmake --build $(WEB_BUILD)

# Serves the site on the loopback address only; Ctrl+C stops it.
run-web: web
	@echo "Tolm is at http://$(WEB_HOST):$(WEB_PORT)/"
	/usr/bin/python3 -m http.server --bind $(WEB_HOST) --directory $(WEB_BUILD)/site $(WEB_PORT)

# A zip with index.html at its root, as game hosts take it: $(WEB_BUILD)/tolm-web.zip
web-package: web
	$(EMSCRIPTEN_ENV) cmake --build $(WEB_BUILD) --target web_package

# The page in headless Chromium at 1920x1080, 1280x800 and 640x360, and on phones upright and
# sideways: $(WEB_BUILD)/screenshots/
web-shots: web
	NODE_PATH=$(abspath $(WEB_BUILD))/tests/web/npm/node_modules \
	    node tools/web_shots/web_shots.cjs $(WEB_BUILD)/site $(WEB_BUILD)/screenshots

# The Windows edition: MinGW-w64 builds Tolm.exe, one file that needs only Windows' own DLLs, and
# $(WINDOWS_BUILD)/tolm-windows.zip around it. The pictures come from the desktop build's drawing program.
WINDOWS_BUILD := build-windows
.PHONY: windows windows-shots

windows: deps $(CONFIGURED)
	cmake --build $(BUILD) --target tolm_pictures realwindow_facts
	cmake -S . -B $(WINDOWS_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Release \
	    -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake \
	    -DTOLM_PICTURES_TOOL=$(abspath $(BUILD))/tools/pictures/tolm_pictures \
	    -DTOLM_REALWINDOW_FACTS=$(abspath $(BUILD))/tests/realwindow_facts
	cmake --build $(WINDOWS_BUILD)

# Tolm.exe under Wine at the start, in town, with a card's description and at an ending, in Czech
# and English: $(WINDOWS_BUILD)/screenshots/
windows-shots: windows
	/usr/bin/python3 -B tools/windows_shots/windows_shots.py --game $(WINDOWS_BUILD)/Tolm.exe \
	    --probe $(WINDOWS_BUILD)/tests/windows/window_probe.exe --facts $(BUILD)/tests/realwindow_facts \
	    --out $(WINDOWS_BUILD)/screenshots
