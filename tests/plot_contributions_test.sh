#!/usr/bin/env bash
# Checks the plot script against a fresh run of the program: the partial sums
# it forms are those of the direct convolution of x and h, also from files
# with Windows line ends; it draws PNG and SVG pictures, an animated GIF and
# ten PDF slides; and each kind of malformed file is an error of one line
# that leaves no picture behind.
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

mkdir "$work/crlf"
sed 's/$/\r/' "$work/files/x_0.csv" >"$work/crlf/x_0.csv"
cp "$work/files"/x_[1-8].csv "$work/crlf"
gnuplot -c "$script" "$work/crlf" "$work/crlf.txt" &&
	cmp -s "$work/sum.txt" "$work/crlf.txt" ||
	fail "Windows line ends change the sums"

gnuplot -c "$script" "$work/files" "$work/a.gif" || fail "gif: gnuplot failed"
[ "$(head -c 6 "$work/a.gif")" = GIF89a ] || fail "a.gif is not a GIF"
# Each frame of an animation starts with a graphic control extension.
frames=$(od -An -v -tx1 "$work/a.gif" | tr -s ' \n' ' ' | grep -o '21 f9 04' | wc -l)
[ "$frames" -ge 9 ] || fail "a.gif has $frames frames, not one per sample"

gnuplot -c "$script" "$work/files" "$work/s.pdf" || fail "pdf: gnuplot failed"
[ "$(head -c 5 "$work/s.pdf")" = %PDF- ] || fail "s.pdf is not a PDF"
pages=$(grep -a -c '^<< /Type /Page\b' "$work/s.pdf")
[ "$pages" -eq 10 ] || fail "s.pdf has $pages pages, not the picture and nine steps"

# Each case damages x_3.csv in a copy of the files, or puts something else in
# its place, and must give exit status 1, this one line on standard error and
# no picture. Line 2 of x_3.csv is "# x[3] = 2.000000 ", line 3 is row 0.
while IFS='|' read -r damage problem; do
	rm -rf "$work/bad" && cp -r "$work/files" "$work/bad"
	(cd "$work/bad" && eval "$damage")
	if gnuplot -c "$script" "$work/bad" "$work/bad.png" 2>"$work/err"; then
		fail "$damage: no error"
	fi
	[ "$(cat "$work/err")" = "plot_contributions.gp: $work/bad/x_3.csv: $problem" ] ||
		fail "$damage: $(cat "$work/err")"
	[ ! -e "$work/bad.png" ] || fail "$damage: left a picture"
	rm -f "$work/bad.png"
done <<'EOF'
rm x_3.csv|No such file or directory
rm x_3.csv && mkdir x_3.csv|Is a directory
rm x_3.csv && mkfifo x_3.csv|not a regular file
: >x_3.csv|empty file
sed -i '$d' x_3.csv|11 rows, expected 12
echo '12 0.000000' >>x_3.csv|line 15: more than 12 rows
sed -i '9s/^6 /12 /' x_3.csv|line 9: index 12, expected 6
sed -i '3s/^0 /-1 /' x_3.csv|line 3: index -1, expected 0
sed -i '6s/^3 /2 /' x_3.csv|line 6: index 2, expected 3
sed -i '8s/^5 /5.5 /' x_3.csv|line 8: index 5.5, expected 5
sed -i '7s/ .*/ inf/' x_3.csv|line 7: value inf, expected a finite number
sed -i '7s/ .*/ 1e400/' x_3.csv|line 7: value 1e400, expected a finite number
sed -i '7s/ .*/ -1,2/' x_3.csv|line 7: value -1,2, expected a finite number
sed -i '7s/$/ 0/' x_3.csv|line 7: expected index and value
sed -i '7s/ .*//' x_3.csv|line 7: expected index and value
sed -i '1,2d' x_3.csv|line 1: expected a "#" line
sed -i '2s/x\[3\]/x[4]/' x_3.csv|line 2: expected "# x[3] = value"
sed -i '2s/2.000000/two/' x_3.csv|line 2: expected "# x[3] = value"
EOF

[ "$failures" -eq 0 ]
