#!/usr/bin/env bash
# Checks the plot script against a fresh run of the program, in groups that
# run on their own and side by side:
#   text       its text forms hold the files' rows and the sums of the
#              direct convolution of x and h, in every locale;
#   outputs    it draws every view in every format, with the pages and
#              frames each should have, and the lecture's titles in order;
#   values     odd but valid values draw in the usual time with nothing on
#              standard error;
#   folders    so do folders of any name;
#   rules1, rules2
#              the odd and the even cases of tests/file_rules.txt: a
#              damaged set is an error of one line that leaves no output
#              behind, an accepted one gives the program's numbers;
#   arguments  help, and each unknown argument is an error of one line;
#   colours    the colours of text are readable against the page.
# Usage: plot_contributions_test.sh PROGRAM SCRIPT GROUP
set -u
program=$(realpath "$1")
script=$(realpath "$2")
group=$3
rules=$(realpath "$(dirname "$0")/file_rules.txt")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work" || exit 1
failures=0
fail() {
	echo "FAIL: $*" >&2
	failures=$((failures + 1))
}
# A FIFO open for reading and writing: standard input that never ends, so a
# script that read it would hang until the timeout.
mkfifo stdin && exec 3<>stdin
# plot ARG...: the script's exit status, with its standard error in err,
# less gnuplot's own count of the frames of a GIF.
plot() {
	timeout 60 gnuplot -c "$script" "$@" <&3 2>err
	local status=$?
	case $* in
	*.gif*) grep -v '^[0-9]* frames in animation sequence$' err >err.rest; mv err.rest err ;;
	esac
	return $status
}
# Sets spent to the seconds of processor time the children have taken.
cpu() {
	times >times.txt
	spent=$(LC_ALL=C awk 'NR == 2 { gsub(/,/, "."); gsub(/[ms]/, " ")
		print $1 * 60 + $2 + $3 * 60 + $4 }' times.txt)
}

mkdir files
(cd files && "$program") || fail "the program failed"

# The table's text: each file's values, then the convolution or $2.
table() {
	LC_ALL=C awk 'FNR == 1 && NR > 1 { print "" }
		!/^#/ && NF == 2 { printf "%s%f", $1 ? " " : "", $2 } END { print "" }' "$1"/x_[0-8].csv
	echo "${2:-0.000000 -1.000000 -0.600000 3.020000 0.660000 0.080000 -0.960000 -0.860000 -0.890000 0.310000 0.180000 0.060000}"
}

case $group in
text)
	plot files sum.txt || fail "sum: gnuplot failed"
	# Block j of the text holds the partial sum of x[0] .. x[j] times the
	# shifted h, y_j[n] = sum over k of x[n - k] h[k] with n - k <= j, against
	# the files' rows, which are rounded to six decimals. The last block is
	# the convolution. awk reads the decimal point only in the C locale.
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
	END { exit bad || block != 8 || rows != 108 }' sum.txt || fail "the partial sums are wrong"

	plot files table.txt table && [ "$(cat table.txt)" = "$(table files)" ] ||
		fail "table.txt: $(cat table.txt err)"
	if locale -a | grep -qi '^de_DE\.utf8$'; then
		LC_ALL=de_DE.UTF-8 plot files de.txt table && cmp -s table.txt de.txt ||
			fail "a decimal comma changes table.txt"
	fi
	# Nor a word on standard error where the locale is not UTF-8.
	LC_ALL=C plot files c.pdf && [ ! -s err ] || fail "LC_ALL=C: $(<err)"
	;;

outputs)
	# Each output: its arguments after the folder, what it must be, and for
	# an animation its frames (one a step and three holds), for slides its
	# pages.
	while read -r out view step kind count; do
		[ "$view" = - ] && view=
		[ "$step" = - ] && step=
		plot files "$out" $view $step && [ ! -s err ] || fail "$out $view $step: $(<err)"
		case $kind in
		png) [ "$(head -c 4 "$out" | od -An -c | tr -d ' ')" = '211PNG' ] ;;
		svg) grep -q '<svg' "$out" ;;
		gif) [ "$(od -An -v -tx1 "$out" | tr -s ' \n' ' ' | grep -o '21 f9 04' | wc -l)" -eq "$count" ] ;;
		pdf) [ "$(grep -a -c '^<< /Type /Page\b' "$out")" -eq "$count" ] ;;
		html) [ "$(head -n 1 "$out")" = '<!DOCTYPE html>' ] ;;
		esac || fail "$out $view $step is not a $kind of $count"
	done <<-'EOF'
	contributions.png - - png
	p.svg - - svg
	input.gif - - gif 12
	output.gif output - gif 15
	lecture.pdf - - pdf 23
	input.pdf input - pdf 10
	table.pdf table - pdf 1
	output.pdf output - pdf 12
	table.png table - png
	table.svg table - svg
	step8.svg input 8 svg
	step11.png output 11 png
	convolution.html - - html
	slides.PDF - - pdf 23
	EOF
	# The lecture's parts in order, by their titles, which write the sums
	# out with the files' numbers.
	if command -v pdftotext >/dev/null; then
		while IFS='|' read -r page title; do
			pdftotext -f "$page" -l "$page" lecture.pdf - | head -n 1 | grep -qxF "$title" ||
				fail "lecture.pdf: page $page is not $title"
		done <<-'EOF'
		1|Convolution by superposition: y[n] = Σj x[j]·h[n − j]
		2|x[0] added, the 1st of 9: x[0]·h[n − 0]
		11|The nine files as a table: each row is a contribution, each column adds up to y[n]
		12|y[0] = x[0]·h[0] = 0.00
		16|y[4] = x[1]·h[3] + x[2]·h[2] + x[3]·h[1] + x[4]·h[0] = 0.10 + 0.36 − 1.20 + 1.40 = 0.66
		23|y[11] = x[8]·h[3] = 0.06
		EOF
		# Terms that cancel add up to 0, not to what is left of their rounding.
		cp -r files cancel
		sed -i '2s/1.400000/-1.800000/; 7s/ .*/ -1.800000/; 8s/ .*/ 1.080000/
			9s/ .*/ 0.540000/; 10s/ .*/ 0.180000/' cancel/x_4.csv
		plot cancel cancel.pdf output && pdftotext -f 7 -l 7 cancel.pdf - | head -n 1 | grep -qxF \
			'y[6] = x[3]·h[3] + x[4]·h[2] + x[5]·h[1] + x[6]·h[0] = −0.20 + 0.54 − 0.84 + 0.50 = 0.00' ||
			fail "cancel.pdf: $(pdftotext -f 7 -l 7 cancel.pdf - | head -n 1)"
	fi
	;;

values | folders)
	# Odd values and folder names that the script accepts: each case must
	# draw every kind of page, with nothing on standard error, in less than
	# twice the processor time of the program's own files, and sum the
	# values as awk does.
	outputs() {
		local start status=0
		cpu && start=$spent
		for out in "p.png" "p.pdf" "o.gif output" "t.txt table"; do
			plot "$1" $out && [ ! -s err ] || { status=1; fail "$1: $out: $(<err)"; }
		done
		cpu && seconds=$(echo "$spent $start" | LC_ALL=C awk '{ print $1 - $2 }')
		return $status
	}
	outputs files
	normal=$seconds
	while IFS='|' read -r kind dir damage; do
		[ "$kind" = "$group" ] || continue
		rm -rf "./$dir" && cp -r files "./$dir" && (cd "./$dir" && eval "$damage")
		outputs "$dir" || continue
		LC_ALL=C awk -v a="$seconds" -v b="$normal" 'BEGIN { exit a >= 2 * b }' ||
			fail "$dir: $damage: $seconds s of processor time, against $normal s"
		sums=$(LC_ALL=C awk '!/^#/ { y[$1] += $2 }
			END { for (n = 0; n < 12; n++) printf "%s%f", n ? " " : "", y[n] }' "./$dir"/x_[0-8].csv)
		[ "$(cat t.txt)" = "$(table "./$dir" "$sums")" ] || fail "$dir: $damage: t.txt"
	done <<-'EOF'
	values|big|sed -i 's/^\([0-9]*\) \(.*\)$/\1 \2e4/; 2s/= \(.*\) $/= \1e4 /' x_*.csv
	values|bigger|sed -i 's/^\([0-9]*\) \(.*\)$/\1 \2e100/; 2s/= \(.*\) $/= \1e100 /' x_*.csv
	values|largest|sed -i 's/^\([0-9]*\) \(.*\)$/\1 \2e299/; 2s/= \(.*\) $/= \1e299 /' x_*.csv
	values|subnormal|sed -i 's/^\([0-9]*\) \(.*\)$/\1 \2e-318/; 2s/= \(.*\) $/= \1e-318 /' x_*.csv
	values|tiny|sed -i 's/^\([0-9]*\) .*/\1 1e-320/; 2s/= .*/= 1e-320 /' x_*.csv
	values|zero|sed -i 's/^\([0-9]*\) .*/\1 0/' x_*.csv
	folders|run=2|:
	folders|two words|:
	folders|it's "quoted"|:
	folders|$HOME|:
	folders|-dash|:
	folders|Übung|:
	EOF
	;;

rules1 | rules2)
	# Each case damages x_3.csv in a copy of the files, or puts something
	# else in its place. A damaged set must give exit status 1, this one
	# line on standard error and no output, whatever is drawn (the first
	# one the page too); an accepted one the table of the program's files.
	bad="bad=1 it's Übung"
	page=bad.html
	i=0
	while IFS='|' read -r damage problem; do
		case $damage in '#'* | '') continue ;; esac
		[ $((i += 1, i % 2)) -eq $((${group#rules} % 2)) ] || continue
		rm -rf "./$bad" && cp -r files "./$bad" && (cd "./$bad" && eval "$damage")
		# Read, but without one h: no output side, and a lecture without it.
		case $problem in "one h: "*)
			plot "$bad" o.png output && fail "$damage: output: no error"
			[ $? -eq 1 ] && [ "$(<err)" = "plot_contributions.gp: $bad/${problem#one h: }" ] ||
				fail "$damage: output: $(<err)"
			plot "$bad" l.pdf && [ "$(<err)" = "plot_contributions.gp: warning: $bad/${problem#one h: }; the lecture has no output side" ] &&
				[ "$(grep -a -c '^<< /Type /Page\b' l.pdf)" -eq 12 ] || fail "$damage: lecture: $(<err)"
			continue
		esac
		if [ -z "$problem" ]; then
			plot "$bad" t.txt table && [ "$(cat t.txt)" = "$(table files)" ] ||
				fail "$damage: not the program's numbers: $(<err)"
			continue
		fi
		for out in "bad.png" "bad.pdf" "bad.gif output" "bad.txt table" $page; do
			rm -f "${out%% *}"
			plot "$bad" $out && fail "$damage: $out: no error"
			[ $? -eq 1 ] && [ "$(<err)" = "plot_contributions.gp: $bad/x_3.csv: $problem" ] ||
				fail "$damage: $out: $(<err)"
			[ ! -e "${out%% *}" ] || fail "$damage: $out: left an output"
		done
		page=
	done <"$rules"

	# A field of 65,371 digits, as long as the size limit allows, is refused
	# in time linear in its length, not in its square.
	if [ "$group" = rules2 ]; then
		rm -rf long && cp -r files long &&
			sed -i "7s/ .*/ $(printf %065371d 0)x/" long/x_3.csv
		start=$(date +%s%N)
		plot long l.txt table
		ms=$((($(date +%s%N) - start) / 1000000))
		[ "$ms" -le 2000 ] || fail "long: $ms ms to refuse a 65536-byte file"
	fi

	# Without a non-zero sample the files do not give h, which the output
	# side needs; the input side, the table and the page draw as usual, and
	# the lecture says why in place of the output side.
	if [ "$group" = rules1 ]; then
		rm -rf zero && cp -r files zero && sed -i '2s/= .*/= 0 /' zero/x_*.csv
		plot zero z.gif output && fail "zero: output: no error"
		[ "$(<err)" = "plot_contributions.gp: zero: every x[j] is zero, so the files do not give h" ] &&
			[ ! -e z.gif ] || fail "zero: output: $(<err)"
		plot zero z.png && plot zero z.txt table && plot zero z.html || fail "zero: $(<err)"
		plot zero z.pdf && [ "$(grep -a -c '^<< /Type /Page\b' z.pdf)" -eq 12 ] ||
			fail "zero: the lecture is not 12 pages: $(<err)"
	fi
	;;

arguments)
	# Help on standard output, with nothing written; an empty folder says
	# what writes the files.
	mkdir empty
	for help in --help -h; do
		(cd empty && timeout 60 gnuplot -c "$script" $help >../usage 2>../err) &&
			[ ! -s err ] && [ -z "$(ls empty)" ] &&
			grep -q '^  *gnuplot -c plot_contributions.gp \[DIR \[OUTPUT \[VIEW \[STEP\]\]\]\]$' usage &&
			grep -q 'convolution_demo' usage || fail "$help: $(cat err usage)"
	done
	(cd empty && plot) && fail "empty: no error"
	[ "$(cat empty/err)" = "plot_contributions.gp: ./x_0.csv: No such file or directory; convolution_demo writes the files" ] ||
		fail "empty: $(cat empty/err)"

	# Unknown arguments: exit status 2, this one line and no output.
	while IFS='|' read -r args message; do
		eval "set -- $args"
		rm -f "$1"
		plot files "$@" && fail "$args: no error"
		[ $? -eq 2 ] && [ "$(<err)" = "$message" ] || fail "$args: $(<err)"
		[ ! -e "$1" ] || fail "$args: left an output"
	done <<-'EOF'
	p.jpg|plot_contributions.gp: p.jpg: unknown format, expected a name ending in .png, .svg, .gif, .pdf, .html or .txt
	p.png slides|plot_contributions.gp: slides: unknown view, expected input, table, output or lecture
	p.gif table|plot_contributions.gp: the table view has no .gif form
	p.txt output|plot_contributions.gp: the output view has no .txt form
	p.png lecture|plot_contributions.gp: the lecture view has no .png form
	p.html input|plot_contributions.gp: the input view has no .html form
	p.gif input 3|plot_contributions.gp: only a .png or .svg of the input or output view takes a step
	p.png output 12|plot_contributions.gp: step 12: the output view has steps 0 to 11
	p.svg input -1|plot_contributions.gp: step -1: the input view has steps 0 to 8
	p.png input 1 2|usage: gnuplot -c plot_contributions.gp [DIR [OUTPUT [VIEW [STEP]]]]
	"$(printf 'p\033[31m.jpg')"|plot_contributions.gp: p\x1b[31m.jpg: unknown format, expected a name ending in .png, .svg, .gif, .pdf, .html or .txt
	EOF

	# A folder or an output that cannot be used: exit status 1, this one
	# line, before anything is drawn, and nothing left behind. Names are
	# shown with their control characters, and bytes that are not UTF-8,
	# escaped.
	mkdir d.png "$(printf 'c1\23331m')" "$(printf 'c\302\2331m')" uÜ
	cp -r files "$(printf 'z\033')" && sed -i '2s/= .*/= 0 /' "$(printf 'z\033')"/x_*.csv
	while IFS='|' read -r args message; do
		eval "set -- $args"
		plot "$@" && fail "$args: no error"
		[ $? -eq 1 ] && [ "$(<err)" = "plot_contributions.gp: $message" ] || fail "$args: $(<err)"
		[ ! -e out ] && [ "$(ls d.png)" = "" ] || fail "$args: left an output"
	done <<-'EOF'
	files out/lecture.pdf|out/lecture.pdf: No such file or directory
	files out/t.txt table|out/t.txt: No such file or directory
	files out/p.html|out/p.html: No such file or directory
	files out/o.gif output|out/o.gif: No such file or directory
	files /sys/p.svg|/sys/p.svg: Permission denied
	files d.png|d.png: Is a directory
	demo lecture.pdf|demo: No such file or directory
	files/x_0.csv lecture.pdf|files/x_0.csv: Not a directory
	"$(printf 'c1\23331m')" p.png|c1\x9b31m/x_0.csv: No such file or directory; convolution_demo writes the files
	"$(printf 'c\302\2331m')" p.png|c\xc2\x9b1m/x_0.csv: No such file or directory; convolution_demo writes the files
	uÜ p.png|uÜ/x_0.csv: No such file or directory; convolution_demo writes the files
	"$(printf 'z\033')" z.gif output|z\x1b: every x[j] is zero, so the files do not give h
	EOF
	;;

colours)
	# Text in a file's colour reads at 4.5:1 against the white page, as WCAG
	# asks; the table's zeros are fainter than any of them but keep 3:1.
	style=$(dirname "$script")/plot_contributions/style.gp
	{
		sed -n '/^array hue/,/]/p' "$style" | grep -o '0x[0-9a-f]\{6\}' | sed 's/^0x/hue /'
		sed -n 's/^faint = "#\([0-9a-f]\{6\}\)"$/faint \1/p' "$style"
	} | LC_ALL=C awk '
	function linear(c) { c /= 255; return c <= 0.04045 ? c / 12.92 : ((c + 0.055) / 1.055) ^ 2.4 }
	function byte(hex, i) { return (index(digits, substr(hex, i, 1)) - 1) * 16 + index(digits, substr(hex, i + 1, 1)) - 1 }
	function contrast(hex,    v) {
		v = 0.2126 * linear(byte(hex, 1)) + 0.7152 * linear(byte(hex, 3)) + 0.0722 * linear(byte(hex, 5))
		return 1.05 / (v + 0.05)
	}
	{ c = contrast($2); printf "%s #%s %.2f:1\n", $1, $2, c }
	$1 == "hue" { hues++; if (c < 4.5) bad = 1; least = hues == 1 || c < least ? c : least }
	$1 == "faint" { faint = c }
	END { exit bad || hues != 9 || !(faint >= 3 && faint < least) }' digits=0123456789abcdef >contrast ||
		fail "colours: $(cat contrast)"
	;;

*)
	fail "no group $group"
	;;
esac

[ "$failures" -eq 0 ]
