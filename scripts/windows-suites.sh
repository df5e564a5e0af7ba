#!/bin/sh
# Chooses the Windows builds whose tests run on this host: prints their
# architectures (i686, x86_64 or both) on one line, then one line saying
# which suite runs and why. K7R_WINDOWS=auto|i686|x86_64|both chooses
# by hand; a choice the host cannot run is refused with the reason (exit 1).
# auto takes the 32-bit build, the kit's deliverable, wherever it can run,
# and the 64-bit one elsewhere.
set -eu
here=$(dirname "$0")
choice=${K7R_WINDOWS:-auto}

runs32=no
"$here/runs-32bit-code.sh" && runs32=yes
wine32=no
[ -x /usr/lib/wine/wine ] && wine32=yes
wine64=no
[ -x /usr/lib/wine/wine64 ] && wine64=yes

# Why the i686 suite cannot run here; empty when it can.
i686_blocker=""
if [ $runs32 = no ]; then
    i686_blocker="this host runs no 32-bit code (its kernel's 32-bit emulation is off), so 32-bit Wine cannot start"
elif [ $wine32 = no ]; then
    i686_blocker="32-bit Wine (Debian's wine32) is not installed"
fi
x86_64_blocker=""
[ $wine64 = yes ] || x86_64_blocker="64-bit Wine (Debian's wine64) is not installed"

refuse() {
    echo "K7R_WINDOWS=$choice: $1" >&2
    exit 1
}

case "$choice" in
auto)
    if [ -z "$i686_blocker" ]; then
        echo i686
        echo "Windows suite: i686 (32-bit build under 32-bit Wine), since this host runs 32-bit code"
    elif [ -z "$x86_64_blocker" ]; then
        echo x86_64
        echo "Windows suite: x86_64 (64-bit build under 64-bit Wine), since $i686_blocker;" \
            "the 32-bit programs are built but not tested here"
    else
        refuse "no Windows suite can run: $i686_blocker, and $x86_64_blocker"
    fi
    ;;
i686)
    [ -z "$i686_blocker" ] || refuse "$i686_blocker"
    echo i686
    echo "Windows suite: i686 (32-bit build under 32-bit Wine), chosen by K7R_WINDOWS"
    ;;
x86_64)
    [ -z "$x86_64_blocker" ] || refuse "$x86_64_blocker"
    echo x86_64
    echo "Windows suite: x86_64 (64-bit build under 64-bit Wine), chosen by K7R_WINDOWS"
    ;;
both)
    [ -z "$i686_blocker" ] || refuse "$i686_blocker"
    [ -z "$x86_64_blocker" ] || refuse "$x86_64_blocker"
    echo i686 x86_64
    echo "Windows suites: i686 and x86_64, chosen by K7R_WINDOWS"
    ;;
*)
    refuse "unknown choice (auto, i686, x86_64 or both)"
    ;;
esac
