#!/usr/bin/env bash
# Installs every system package the build and the tests need on a Debian 12 machine.
# Idempotent: a machine that already has everything only pays for the dpkg queries.
set -euo pipefail

need=(cmake ninja-build make nasm git
      g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix libz-mingw-w64-dev
      wine wine32:i386 wine64 xvfb xauth x11-utils imagemagick librsvg2-bin
      googletest libgtest-dev libgmock-dev libbenchmark-dev
      clang-14 libfuzzer-14-dev libclang-rt-14-dev dpkg-dev binutils-mingw-w64-i686
      python3 libpng-dev zlib1g-dev libjpeg62-turbo-dev
      locales)
# The test displays' window manager; the release test's second build comes from ccache, and
# its manifest checks read YAML.
need+=(openbox ccache python3-yaml)
need+=(fonts-liberation) # Arial's and Courier New's metrics under Wine, for the pictures and tests

missing=()
for p in "${need[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

sudo_=""
[ "$(id -u)" = 0 ] || sudo_="sudo"

# Third-party sources come from Debian's source archive, so deb-src must be enabled.
src_list=/etc/apt/sources.list.d/zorbel-deb-src.sources
need_update=0
if ! grep -rqs '^Types:.*deb-src\|^deb-src' /etc/apt/sources.list /etc/apt/sources.list.d/; then
    $sudo_ tee "$src_list" >/dev/null <<'SRC'
Types: deb-src
URIs: http://deb.debian.org/debian
Suites: bookworm bookworm-updates
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg
SRC
    need_update=1
fi
if ! dpkg --print-foreign-architectures | grep -qx i386; then
    $sudo_ dpkg --add-architecture i386
    need_update=1
fi
if [ ${#missing[@]} -gt 0 ] || [ $need_update = 1 ]; then
    export DEBIAN_FRONTEND=noninteractive
    $sudo_ apt-get update -qq
fi
if [ ${#missing[@]} -gt 0 ]; then
    echo "setup-deps: installing ${missing[*]}"
    $sudo_ env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi
