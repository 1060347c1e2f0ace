# Tessoli: `make run` plays, `make test` runs the whole suite. Both install what is missing first.
BUILD ?= build
JOBS ?= 2
CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=RelWithDebInfo
PREFIX ?= /usr/local

.PHONY: all deps configure build media media-preview run web web-serve test test-sanitize bench fuzz replays install deb clean

all: build

# What a target installs: `make run` (and build, media, install) only what building the game and
# its media needs; web, deb and the test targets add theirs. Set for a target, DEPS holds for all
# it builds first.
DEPS ?= run
web web-serve: DEPS = web
deb: DEPS = deb
test test-sanitize bench fuzz replays: DEPS = test

deps:
	@sh scripts/install-deps $(DEPS)

configure: deps
	@cmake -S . -B $(BUILD) $(CMAKE_FLAGS) -DCMAKE_INSTALL_PREFIX=$(PREFIX) > $(BUILD).configure.log 2>&1 || (cat $(BUILD).configure.log; exit 1)

build: configure
	@cmake --build $(BUILD) -j$(JOBS)

# The media set next to the binary (Scale 2, played by `make run`) and the Scale 1 set the tests use:
# the default build makes both when the builder changed (cmake/Media.cmake); this target makes them
# again in any case, bringing back packs a player changed. It never touches a cont.tll in them.
media: build
	@rm -f $(BUILD)/media/.tessoli-media-stamp $(BUILD)/media-s1/.tessoli-media-stamp $(BUILD)/media-web/.tessoli-media-stamp
	@cmake --build $(BUILD) --target media

media-preview: media
	@$(BUILD)/tools/tessoli-media --preview $(BUILD)/media-preview.png
	@echo "wrote $(BUILD)/media-preview.png"

run: media
	$(BUILD)/tessoli --windowed

# The game as a web page in build-web/ (emscripten), with the Scale 2 media set preloaded.
WEB ?= build-web
WEB_PORT ?= 8000
web: media
	@NODE_PATH=$${NODE_PATH:-/usr/share/nodejs} emcmake cmake -S . -B $(WEB) -DCMAKE_BUILD_TYPE=Release \
		-DTESSOLI_WEB_MEDIA=$(abspath $(BUILD))/media -DTESSOLI_WEB_FILES=$(abspath $(BUILD))/media-web > $(WEB).configure.log 2>&1 \
		|| (cat $(WEB).configure.log; exit 1)
	@NODE_PATH=$${NODE_PATH:-/usr/share/nodejs} cmake --build $(WEB) -j$(JOBS)

web-serve: web
	@echo "Tessoli at http://127.0.0.1:$(WEB_PORT)/"
	@cd $(WEB) && python3 -m http.server $(WEB_PORT) --bind 127.0.0.1

test: media web
	@cd $(BUILD) && ctest --output-on-failure -j$(JOBS)
	@$(MAKE) --no-print-directory test-sanitize

# The suite again, built with AddressSanitizer and UndefinedBehaviorSanitizer in its own folder,
# using the media sets of the main build. Leak checks stay on for our code: lsan.supp names only
# system libraries, and the Xvfb checks present without OpenGL, whose driver leaks and is unloaded
# before the leak check could name it.
test-sanitize: media
	@cmake -S . -B $(BUILD)-asan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTESSOLI_SANITIZE=ON \
		-DTESSOLI_MEDIA_ROOT=$(abspath $(BUILD)) -DTESSOLI_PACKAGING=OFF > $(BUILD)-asan.configure.log 2>&1 \
		|| (cat $(BUILD)-asan.configure.log; exit 1)
	@cmake --build $(BUILD)-asan -j$(JOBS)
	@cd $(BUILD)-asan && ASAN_OPTIONS=$${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=0} \
		UBSAN_OPTIONS=$${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1} \
		LSAN_OPTIONS=$${LSAN_OPTIONS:-suppressions=$(abspath tests/support/lsan.supp)} \
		SDL12COMPAT_OPENGL_SCALING=0 SDL_RENDER_DRIVER=software SDL_FRAMEBUFFER_ACCELERATION=0 \
		ctest --output-on-failure -j$(JOBS)

bench: media web
	@sh scripts/bench

fuzz: deps
	@sh scripts/fuzz

# Records the reference replays anew with the scripted player (after a deliberate change of behaviour).
replays: media
	@TESSOLI_BUILD_DIR=$(abspath $(BUILD)) TESSOLI_REPLAY_OUT=$(abspath tests/replays) \
		SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy \
		$(BUILD)/tests/test_whole --gtest_also_run_disabled_tests --gtest_filter='MakeReplays.*'

# The game, its media set, menu entry, icons and manual pages under PREFIX (default /usr/local);
# DESTDIR stages them elsewhere, as packagers do.
install: build
	@DESTDIR=$(DESTDIR) cmake --install $(BUILD) --prefix $(PREFIX)

# tessoli_VERSION_ARCH.deb in this folder, installed under /usr (see README, Packaging).
deb: build
	@sh scripts/make-deb $(BUILD) .

clean:
	rm -rf $(BUILD) $(BUILD)-asan $(WEB)
