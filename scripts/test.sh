#!/bin/sh
# Sets the machine up, builds and runs every test: natively, then the
# Windows suite this host can run under Wine (K7R_WINDOWS chooses by hand;
# see windows-suites.sh), then a check that the builds write the same bytes,
# then the release packages of those builds, installed and removed again.
set -eu
cd "$(dirname "$0")/.."
scripts/as-root.sh scripts/setup.sh
choice=$(scripts/windows-suites.sh)
suites=$(echo "$choice" | sed -n 1p)
why=$(echo "$choice" | sed -n 2p)
echo "$why"

# The 32-bit programs are the kit's deliverable: built on every host.
# shellcheck disable=SC2046
scripts/build.sh native mingw-i686 $(printf 'mingw-%s ' $suites)

status=0
ctest --preset native -j2 || status=1
# One virtual display for every Windows test; the tests that open windows
# take turns on it.
for arch in $suites; do
    xvfb-run -a -s "-screen 0 1280x1024x24" ctest --preset "mingw-$arch" -j2 || status=1
done
tests/builds_agree.sh build/native $suites || status=1

# The release packages, installed, run and removed again: the Debian package
# (as root) and the installer and zip of each Windows build tested here.
# shellcheck disable=SC2046
if packages=$(scripts/package.sh deb $(echo "$suites" | sed 's/i686/win32/; s/x86_64/win64/')); then
    scripts/as-root.sh tests/install/debian_package_test.sh "$(echo "$packages" | grep '\.deb$')" ||
        status=1
    for arch in $suites; do
        bits=$(echo "$arch" | sed 's/i686/win32/; s/x86_64/win64/')
        tests/install/windows_installer_test.sh "$arch" "$(echo "$packages" | grep -- "-$bits\.exe$")" \
            "$(echo "$packages" | grep -- "-$bits\.zip$")" || status=1
    done
else
    status=1
fi
echo "$why"
exit $status
