# Thin wrapper over CMake and the scripts; see README.md.
#   make        builds dist/Zorbel!.exe
#   make run    sets everything up and runs the program under Wine
#   make test   sets everything up and runs every test
#   make screenshots  retakes the README's pictures (docs/images/) from the real program
.PHONY: all setup deps build build64 native fuzz run test bench clean
.PHONY: dist
.PHONY: screenshots

JOBS ?= 2

all: build

setup:
	@bash scripts/setup-deps.sh

deps: setup
	@bash scripts/fetch-deps.sh i686 build/_deps
	@bash scripts/fetch-deps.sh x86_64 build/_deps

build: deps
	@cmake --preset win32 >/dev/null
	@cmake --build --preset win32 -j $(JOBS) --target zorbel

build64: deps
	@cmake --preset win64 >/dev/null
	@cmake --build --preset win64 -j $(JOBS)

# The release in dist/release/: the archive, its SHA-256, and the winget and Scoop manifests.
# ZORBEL_DIST_URL names the folder the archive is published in (see scripts/dist.sh).
dist: build
	@bash scripts/dist.sh

native: setup
	@cmake --preset native >/dev/null
	@cmake --build --preset native -j $(JOBS)

fuzz: setup
	@cmake --preset fuzz >/dev/null
	@cmake --build --preset fuzz -j $(JOBS)

# The Wine line first: which build runs here decides what the rest does.
WINE_HOST = bash -c 'source scripts/wine-env.sh && zorbel_wine_detect && zorbel_wine_announce'

run: setup
	@$(WINE_HOST)
	@$(MAKE) --no-print-directory build
	@ZORBEL_WINE_ANNOUNCED=1 bash scripts/run.sh

test: setup
	@bash scripts/test.sh

bench: setup
	@$(WINE_HOST)
	@$(MAKE) --no-print-directory build
	@ZORBEL_WINE_ANNOUNCED=1 bash scripts/bench.sh

# The pictures of the build that runs here; full-size ones and the control rectangles stay in
# build/screenshots/.
screenshots: setup
	@$(WINE_HOST)
	@$(MAKE) --no-print-directory deps
	@bash -c 'source scripts/wine-env.sh && zorbel_wine_detect && p=$$(zorbel_wine_preset) && \
		cmake --preset $$p >/dev/null && cmake --build --preset $$p -j $(JOBS) --target zorbel driver_win'
	@bash scripts/screenshots.sh --docs docs/images

clean:
	rm -rf build dist
