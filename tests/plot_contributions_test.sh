#!/usr/bin/env bash
# Checks the plot script against a fresh run of the program: the sum it forms
# is the direct convolution of x and h, it draws PNG and SVG pictures, and a
# missing file is an error that leaves no picture behind.
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
# The direct convolution y[n] = sum over k of x[n - k] h[k], against the sum
# of the files' rows, which are rounded to six decimals.
awk 'BEGIN {
	split("0.0 -1.0 -1.2 2.0 1.4 1.4 0.5 0.0 -0.6", x, " ")
	split("1.0 -0.6 -0.3 -0.1", h, " ")
	for (n = 0; n < 12; n++)
		for (k = 0; k < 4; k++)
			if (n - k >= 0 && n - k < 9)
				y[n] += x[n - k + 1] * h[k + 1]
}
{
	d = $2 - y[$1]
	if ($1 != NR - 1 || d > 3e-6 || d < -3e-6) {
		printf "row %d: %s, expected %f\n", NR - 1, $0, y[NR - 1]
		bad = 1
	}
}
END { exit bad || NR != 12 }' "$work/sum.txt" || fail "the sum is not the convolution"

(cd "$work/files" && gnuplot -c "$script") || fail "png: gnuplot failed"
[ "$(head -c 4 "$work/files/contributions.png" | od -An -c | tr -d ' ')" = '211PNG' ] ||
	fail "contributions.png is not a PNG picture"

gnuplot -c "$script" "$work/files" "$work/p.svg" || fail "svg: gnuplot failed"
grep -q '<svg' "$work/p.svg" || fail "p.svg is not an SVG picture"

rm "$work/files/x_4.csv"
if gnuplot -c "$script" "$work/files" "$work/partial.png" 2>"$work/err"; then
	fail "a missing file was not an error"
fi
grep -q 'x_4.csv' "$work/err" || fail "the error does not name x_4.csv"
[ ! -e "$work/partial.png" ] || fail "a missing file left a picture"

[ "$failures" -eq 0 ]
