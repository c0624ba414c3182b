#!/usr/bin/env bash
# Counts what one run of the program costs and holds it to a budget: the
# instructions it executes (valgrind's callgrind) and the system calls it
# makes (strace -c), each counted in a run of its own in an empty folder and
# an empty environment, so that the counts repeat. It counts; it never times.
#
#   tools/measure_cost.sh PROGRAM
#
# The last line printed is "instructions N, system calls M, budget ...". The
# exit status is 0 within the budget, 1 over it, and 2 on bad usage or when
# a run fails.
set -euo pipefail

# The budget. Its basis is the default build on Debian 12 (g++ 12, glibc
# 2.36), which is what a plain C stdio program doing the same job costs:
# 366,724 instructions, and 68 system calls here and up to 70 on other such
# machines. Instructions get 5 % headroom; system calls get none.
measured_instructions=366724
max_instructions=$((measured_instructions * 105 / 100))
max_system_calls=70

me=${0##*/}
die() {
	echo "$me: $*" >&2
	exit 2
}

[ $# -eq 1 ] || {
	echo "usage: $me PROGRAM" >&2
	exit 2
}
[ -f "$1" ] && [ -x "$1" ] || die "$1: not an executable file"
program=$(realpath "$1")
valgrind=$(command -v valgrind) || die "valgrind: not found"
strace=$(command -v strace) || die "strace: not found"

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
mkdir "$tmp/callgrind" "$tmp/strace"

(cd "$tmp/callgrind" && env -i "$valgrind" --tool=callgrind \
	--callgrind-out-file=/dev/null --log-file="$tmp/callgrind.log" \
	"$program") || die "$1 failed under valgrind"
instructions=$(awk '/Collected :/ { print $NF }' "$tmp/callgrind.log")

(cd "$tmp/strace" && env -i "$strace" -f -c -o "$tmp/strace.log" \
	"$program") || die "$1 failed under strace"
# strace -c ends each table with a "total" row; a 32-bit program gets two.
system_calls=$(awk '$NF == "total" { n += $4 } END { print n }' "$tmp/strace.log")

[ -n "$instructions" ] && [ -n "$system_calls" ] ||
	die "cannot read the counts of valgrind and strace"

echo "instructions $instructions, system calls $system_calls," \
	"budget $max_instructions instructions and $max_system_calls system calls"
[ "$instructions" -le "$max_instructions" ] &&
	[ "$system_calls" -le "$max_system_calls" ]
