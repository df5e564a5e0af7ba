#!/bin/sh
# Installs everything the build and the tests need on a Debian 12 machine.
# Run as root; running it again changes nothing that is already in place.
set -eu
here=$(dirname "$0")

if [ "$(id -u)" -ne 0 ]; then
    echo "setup.sh: run as root (it installs Debian packages)" >&2
    exit 1
fi

export DEBIAN_FRONTEND=noninteractive

# apt's indexes, refreshed once per run and only when something is missing.
# A mirror caught mid-sync fails one index now and then: the update is tried
# again, and then what it did fetch is used, so that a package the run
# really lacks is what fails, with apt's own message.
updated=no
update_indexes() {
    [ $updated = no ] || return 0
    updated=yes
    for attempt in 1 2 3; do
        apt-get update -q && return 0
        [ $attempt -eq 3 ] || sleep 10
    done
    echo "setup.sh: apt-get update failed for some indexes; going on with those it fetched" >&2
}

# Installs the packages named that are not installed yet.
install_missing() {
    missing=""
    for p in "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed" || missing="$missing $p"
    done
    [ -n "$missing" ] || return 0
    update_indexes
    # shellcheck disable=SC2086
    apt-get install -y -q --no-install-recommends $missing
}

# libjpeg-turbo and the other libraries of the Windows builds are
# cross-compiled from Debian's own source packages, so apt needs the source
# indexes too.
src_list=/etc/apt/sources.list.d/k7r58-sources.sources
if [ ! -e "$src_list" ]; then
    cat >"$src_list" <<'SOURCES'
Types: deb-src
URIs: http://deb.debian.org/debian
Suites: bookworm bookworm-updates
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg
SOURCES
    updated=no
    update_indexes
fi

install_missing \
    build-essential cmake ninja-build pkg-config git dpkg-dev \
    googletest libgtest-dev libgmock-dev libbenchmark-dev \
    libjpeg62-turbo-dev libjpeg-turbo-progs libpng-dev nlohmann-json3-dev \
    g++-mingw-w64-i686 mingw-w64-i686-dev g++-mingw-w64-x86-64 mingw-w64-x86-64-dev nasm \
    wine64 fonts-wine xvfb xauth x11-utils \
    clang-14 libclang-rt-14-dev \
    gcc-m68k-linux-gnu binutils-m68k-linux-gnu \
    nsis lintian unzip man-db \
    srecord imagemagick tmux python3 chromium gcovr

# 32-bit Wine, for testing the 32-bit build, only where the kernel runs
# 32-bit code: elsewhere it could not start, and the 64-bit build is tested
# under 64-bit Wine instead. Its packages come from the i386 architecture,
# whose indexes a mirror may serve out of step with the others; the tests
# then fall back to the 64-bit build and say so.
if "$here/runs-32bit-code.sh"; then
    if ! dpkg --print-foreign-architectures | grep -qx i386; then
        dpkg --add-architecture i386
        updated=no
    fi
    install_missing wine32:i386 ||
        echo "setup.sh: 32-bit Wine could not be installed; the Windows tests will use the 64-bit build" >&2
fi
