# Thin wrapper over CMake and the scripts; see README.md.
#   make        builds dist/Zorbel!.exe
#   make run    sets everything up and runs the program under Wine
#   make test   sets everything up and runs every test
.PHONY: all setup deps build build64 native fuzz run test bench clean
.PHONY: dist

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

clean:
	rm -rf build dist
