#!/bin/sh
# Installs everything the build and the tests need on a Debian 12 machine.
# Run as root; running it again changes nothing that is already in place.
set -eu

if [ "$(id -u)" -ne 0 ]; then
    echo "setup.sh: run as root (it installs Debian packages)" >&2
    exit 1
fi

export DEBIAN_FRONTEND=noninteractive

# Wine needs the 32-bit runtime; libjpeg-turbo is cross-compiled from
# Debian's own source package, so apt needs the source indexes too.
need_update=0
if ! dpkg --print-foreign-architectures | grep -qx i386; then
    dpkg --add-architecture i386
    need_update=1
fi
src_list=/etc/apt/sources.list.d/k7r58-sources.sources
if [ ! -e "$src_list" ]; then
    cat >"$src_list" <<'SOURCES'
Types: deb-src
URIs: http://deb.debian.org/debian
Suites: bookworm bookworm-updates
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg
SOURCES
    need_update=1
fi

packages="
    build-essential cmake ninja-build pkg-config git dpkg-dev
    googletest libgtest-dev libgmock-dev libbenchmark-dev
    libjpeg62-turbo-dev libjpeg-turbo-progs libpng-dev nlohmann-json3-dev
    g++-mingw-w64-i686 mingw-w64-i686-dev nasm
    wine wine32 fonts-wine xvfb xauth x11-utils
    clang-14 libclang-rt-14-dev
    gcc-m68k-linux-gnu binutils-m68k-linux-gnu
    srecord imagemagick tmux python3 chromium
"
missing=""
for p in $packages; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed" || missing="$missing $p"
done
if [ -n "$missing" ] || [ "$need_update" -eq 1 ]; then
    apt-get update -q
fi
if [ -n "$missing" ]; then
    # shellcheck disable=SC2086
    apt-get install -y -q --no-install-recommends $missing
fi
