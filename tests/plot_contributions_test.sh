#!/usr/bin/env bash
# Checks the plot script against a fresh run of the program: the partial sums
# it forms are those of the direct convolution of x and h, it draws PNG and
# SVG pictures and an animated GIF, and a missing file is an error that
# leaves no picture behind.
# Usage: plot_contributions_test.sh PROGRAM SCRIPT
set -u
program=$(realpath "$1")
script=$(realpath "$2")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() {
	echo "FAIL: $*" >&2
	failures=$((failures + 1))
}

mkdir "$work/files"
(cd "$work/files" && "$program") || fail "the program failed"

gnuplot -c "$script" "$work/files" "$work/sum.txt" || fail "sum: gnuplot failed"
# Block j of the text holds the partial sum of x[0] .. x[j] times the shifted
# h, y_j[n] = sum over k of x[n - k] h[k] with n - k <= j, against the files'
# rows, which are rounded to six decimals. The last block is the convolution.
# awk reads the decimal point only in the C locale.
LC_ALL=C awk 'BEGIN {
	split("0.0 -1.0 -1.2 2.0 1.4 1.4 0.5 0.0 -0.6", x, " ")
	split("1.0 -0.6 -0.3 -0.1", h, " ")
}
/^$/ { block++; row = 0; next }
{
	y = 0
	for (k = 0; k < 4; k++)
		if ($1 - k >= 0 && $1 - k <= block)
			y += x[$1 - k + 1] * h[k + 1]
	d = $2 - y
	if ($1 != row++ || d > 3e-6 || d < -3e-6) {
		printf "step %d: %s, expected %f\n", block, $0, y
		bad = 1
	}
	rows++
}
END { exit bad || block != 8 || rows != 108 }' "$work/sum.txt" || fail "the partial sums are wrong"

(cd "$work/files" && gnuplot -c "$script") || fail "png: gnuplot failed"
[ "$(head -c 4 "$work/files/contributions.png" | od -An -c | tr -d ' ')" = '211PNG' ] ||
	fail "contributions.png is not a PNG picture"

gnuplot -c "$script" "$work/files" "$work/p.svg" || fail "svg: gnuplot failed"
grep -q '<svg' "$work/p.svg" || fail "p.svg is not an SVG picture"

gnuplot -c "$script" "$work/files" "$work/a.gif" || fail "gif: gnuplot failed"
[ "$(head -c 6 "$work/a.gif")" = GIF89a ] || fail "a.gif is not a GIF"
# Each frame of an animation starts with a graphic control extension.
frames=$(od -An -v -tx1 "$work/a.gif" | tr -s ' \n' ' ' | grep -o '21 f9 04' | wc -l)
[ "$frames" -ge 9 ] || fail "a.gif has $frames frames, not one per sample"

rm "$work/files/x_4.csv"
if gnuplot -c "$script" "$work/files" "$work/partial.png" 2>"$work/err"; then
	fail "a missing file was not an error"
fi
grep -q 'x_4.csv' "$work/err" || fail "the error does not name x_4.csv"
[ ! -e "$work/partial.png" ] || fail "a missing file left a picture"

[ "$failures" -eq 0 ]
