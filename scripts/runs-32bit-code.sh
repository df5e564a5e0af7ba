#!/bin/sh
# Exits 0 when this host runs 32-bit x86 programs, 1 when it does not (a
# kernel whose 32-bit emulation is switched off). It asks by running a tiny
# 32-bit program made on the spot with binutils: installed packages say
# nothing about what the kernel runs.
set -u
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
printf '%s\n' '.globl _start' '_start:' '    movl $1, %eax' '    movl $42, %ebx' '    int $0x80' \
    >"$work/probe.s"
as --32 -o "$work/probe.o" "$work/probe.s" && ld -m elf_i386 -o "$work/probe" "$work/probe.o" || {
    echo "runs-32bit-code.sh: binutils could not make the 32-bit probe" >&2
    exit 2
}
"$work/probe" 2>/dev/null
[ $? -eq 42 ]
