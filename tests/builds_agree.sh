#!/bin/sh
# builds_agree.sh NATIVE_BUILD_DIR [ARCH...]: the command line of each
# Windows build named (i686, x86_64), run under its Wine, writes the same
# bytes as the native build's: records saved by copy and set into a PE, an
# ELF, an S-record file and a PRC database, every export kind, both
# pictures and the configuration report.
set -u
top=$(cd "$(dirname "$0")/.." && pwd)
native=$(cd "$1" && pwd)
shift
images=$native/tests/images
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0

# Runs every operation with one build's command line ($@) in $work/$name.
write_all() {
    name=$1
    shift
    mkdir "$work/$name"
    (
        cd "$work/$name" || exit 1
        cp "$images/carrier.exe" copied.exe
        cp "$images/m68k_board.elf" copied.elf
        cp "$images/carrier.s19" set.s19
        cp "$top/fuzz/corpus/prc_database/data_resource_middle.prc" set.prc
        cp "$images/carrier.exe" source.exe
        cp "$images/m68k_board.elf" source.elf
        "$@" copy source.elf copied.exe &&
            "$@" copy source.exe copied.elf --preserve-addresses &&
            "$@" set set.s19 "Cfg Desc=agreed" "CLKI Timing=25.175" &&
            "$@" copy source.exe set.prc &&
            "$@" set set.prc "Cfg Desc=agreed" "CLKI2 Timing=12.5" || exit 1
        for kind in appcfg chip generic csv html; do
            "$@" export "$kind" source.exe -o "export.$kind" || exit 1
        done
        "$@" export mode source.exe -o export.mode --mode 3 --cursor || exit 1
        for kind in timing clocks; do
            "$@" diagram copied.elf "$kind" -o "diagram.$kind" || exit 1
        done
        "$@" report copied.elf -o report.html
    ) >"$work/$name.log" 2>&1 || {
        echo "FAIL: the $name build could not write its files:"
        cat "$work/$name.log"
        failures=$((failures + 1))
    }
}

write_all native "$native/cli/58c22cfg"
for arch in i686 x86_64; do
    case " $* " in
    *" $arch "*)
        before=$failures
        write_all "$arch" "$top/scripts/wine-run.sh" "$arch" "$top/build/mingw-$arch/cli/58C22CMD.EXE"
        for file in "$work/native"/*; do
            name=$(basename "$file")
            cmp -s "$file" "$work/$arch/$name" || {
                echo "FAIL: $name differs between the native and the $arch build"
                failures=$((failures + 1))
            }
        done
        [ $failures -ne $before ] ||
            echo "builds_agree: the $arch build writes the same bytes as the native build"
        ;;
    *)
        echo "builds_agree: the $arch build was not compared: its suite did not run"
        ;;
    esac
done
[ $failures -eq 0 ]
