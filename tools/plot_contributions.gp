# Draws the nine contributions x_0.csv .. x_8.csv and their sum, which is
# the convolution of x and h.
#
#   gnuplot -c tools/plot_contributions.gp [DIR [OUTPUT]]
#
# DIR holds the files (default "."). What OUTPUT (default
# "contributions.png") holds depends on how its name ends:
#   .png  a picture of the nine contributions as stem plots, their sum below;
#   .svg  the same picture as SVG;
#   .gif  an animation that adds the contributions one at a time and shows
#         the sum grow;
#   .pdf  slides: the picture, then one page for each step of the animation;
#   .txt  the partial sums as "index value" text: for each step j a block of
#         twelve rows that add up x_0.csv .. x_j.csv, the blocks separated by
#         a blank line; the last block is the whole sum.
# Any other name gets a PNG picture.
#
# Each file must be as the program writes it, with Unix or Windows line
# ends: a "#" line, then "# x[j] = value", then twelve rows "n value" for
# n = 0 .. 11, each value a finite number. Anything else is an error: one
# line on standard error that names the file and what is wrong with it,
# exit status 1, and no OUTPUT.

dir = (ARGC >= 1) ? ARG1 : "."
out = (ARGC >= 2) ? ARG2 : "contributions.png"
files = 9
rows = 12
file(j) = sprintf("%s/x_%d.csv", dir, j)
ends_with(s, suffix) = strlen(s) >= strlen(suffix) && \
	s[strlen(s) - strlen(suffix) + 1:] eq suffix

# Reading and checking, before OUTPUT is opened. gnuplot's own reader skips
# blank lines and cannot count fields, so sh and awk do it, awk in the C
# locale, whose decimal point the files use. The script below gets the nine
# file names and prints either "FILE: what is wrong" and fails, or one line
# per file: x[j] and the file's twelve values, written as gnuplot reads
# numbers from text.
$check << EOS
for f; do
	if [ ! -e "$f" ]; then why="No such file or directory"
	elif [ -d "$f" ]; then why="Is a directory"
	elif [ ! -f "$f" ]; then why="not a regular file"
	elif [ ! -r "$f" ]; then why="Permission denied"
	elif [ ! -s "$f" ]; then why="empty file"
	else continue
	fi
	echo "$f: $why"
	exit 1
done
LC_ALL=C exec awk '
function fail(line, what) {
	print file ": " (line ? "line " line ": " : "") what
	failed = 1
	exit 1
}
function finite(s) {
	return s ~ /^[-+]?([0-9]+[.]?[0-9]*|[.][0-9]+)([eE][-+]?[0-9]+)?$/ &&
	    sprintf("%g", s) !~ /inf|nan/
}
function end_of_file() {
	if (n < 12)
		fail(0, n " rows, expected 12")
	data = data sample values "\n"
}
FNR == 1 {
	if (NR > 1)
		end_of_file()
	file = FILENAME
	j = files++
	n = 0
	values = ""
}
{ sub(/\r$/, "") }
FNR == 1 && !/^#/ { fail(1, "expected a \"#\" line") }
FNR == 2 && !(NF == 4 && $1 == "#" && $2 == "x[" j "]" && $3 == "=" &&
    finite($4)) { fail(2, "expected \"# x[" j "] = value\"") }
FNR == 2 { sample = sprintf("%.17e", $4) }
FNR <= 2 { next }
n == 12 && NF == 0 { next }
n == 12 { fail(FNR, "more than 12 rows") }
NF != 2 { fail(FNR, "expected index and value") }
$1 != n "" { fail(FNR, "index " $1 ", expected " n) }
!finite($2) { fail(FNR, "value " $2 ", expected a finite number") }
{ values = values sprintf(" %.17e", $2); n++ }
END {
	if (!failed) {
		end_of_file()
		printf "%s", data
	}
}' "$@"
EOS
# s as one word for sh: in single quotes, each ' in it as '\''.
quote(s) = "'" . quoted(s) . "'"
quoted(s) = strstrt(s, "'") == 0 ? s : s[1:strstrt(s, "'") - 1] . "'\\''" . \
	quoted(s[strstrt(s, "'") + 1:])
check = ""
do for [i = 1:|$check|] { check = check . $check[i] . "\n" }
command = "sh -c " . quote(check) . " sh"
do for [j = 0:files - 1] { command = command . " " . quote(file(j)) }
data = system(command)
if (GPVAL_SYSTEM_ERRNO != 0) {
	print "plot_contributions.gp: " . data
	exit status 1
}

# sample[j + 1] is x[j]; row(j, n) is row n of x_j.csv; partial(j, n) is
# row n of the sum of x_0.csv .. x_j.csv.
array sample[files]
array rowdata[files * rows]
array partialdata[files * rows]
row(j, n) = rowdata[j * rows + n + 1]
partial(j, n) = partialdata[j * rows + n + 1]
lo = 0
hi = 0
sum_lo = 0
sum_hi = 0
do for [j = 0:files - 1] {
	sample[j + 1] = word(data, j * (rows + 1) + 1) + 0
	do for [n = 0:rows - 1] {
		rowdata[j * rows + n + 1] = word(data, j * (rows + 1) + n + 2) + 0
		partialdata[j * rows + n + 1] = (j > 0 ? partial(j - 1, n) : 0) + row(j, n)
		lo = (row(j, n) < lo) ? row(j, n) : lo
		hi = (row(j, n) > hi) ? row(j, n) : hi
		sum_lo = (partial(j, n) < sum_lo) ? partial(j, n) : sum_lo
		sum_hi = (partial(j, n) > sum_hi) ? partial(j, n) : sum_hi
	}
}

if (ends_with(out, ".txt")) {
	set print out
	do for [j = 0:files - 1] {
		if (j > 0) { print "" }
		do for [n = 0:rows - 1] { print sprintf("%d %f", n, partial(j, n)) }
	}
	unset print
	exit
}

gif = ends_with(out, ".gif")
pdf = ends_with(out, ".pdf")
# A PDF page has the size of a widescreen slide, 13.33 by 7.5 inches, and
# the fonts and lines of the GIF.
eval "set terminal " . ( \
	gif ? 'gif animate delay 120 loop 0 size 960,640 font "DejaVu Sans,11"' : \
	pdf ? 'pdfcairo size 13.333in,7.5in font "sans,11" fontscale 1 lw 2' : \
	ends_with(out, ".svg") ? \
		'svg size 1280,960 dynamic font "sans,11" background "white"' : \
	'pngcairo size 1280,960 font "sans,10"')
set output out

colours = "#1f77b4 #ff7f0e #2ca02c #d62728 #9467bd #8c564b #e377c2 #7f7f7f #17becf"
colour(j) = word(colours, j + 1)
label(j) = sprintf("x[%d]·h[n − %d],   x[%d] = %g", j, j, j, sample[j + 1])
# Value labels above a positive stem and below a negative one.
label_y(v) = v + (v < 0 ? -0.35 : 0.35)
set xrange [-0.6:rows - 0.4]
set xtics 0, 1, rows - 1 nomirror
set ytics nomirror
set xzeroaxis lt -1
set grid ytics lc rgb "#dddddd"
set key off
set ytics 1
set format y "%.1f"

# Page 0 is the picture; page k, for k = 1 .. 9, is step k, which adds
# x[k - 1]. A PNG or SVG holds the picture, a PDF all ten pages, and a GIF
# the nine steps, its last frame drawn three more times to hold it longer.
do for [page = (gif ? 1 : 0):(gif ? files + 3 : pdf ? files : 0)] {
	if (page == 0) {
		# On a PDF page the fonts are three quarters the size of those in a
		# PNG, so that the ten panels fit the slide.
		k = pdf ? 0.75 : 1
		if (pdf) { set termoption font "sans,7.5" }
		set multiplot title \
			"Convolution by superposition: y[n] = Σ_j x[j]·h[n − j]" \
			font sprintf(",%g", 14 * k)

		# Nine contributions in a 3 × 3 grid over the top 62 % of the page.
		pad = 0.15 * (hi - lo)
		set yrange [lo - pad:hi + pad]
		do for [j = 0:files - 1] {
			set size 1.0 / 3, 0.62 / 3
			set origin (j % 3) / 3.0, 0.95 - 0.62 / 3 * (j / 3 + 1)
			set title label(j) tc rgb colour(j)
			set xlabel (j >= 6) ? "n" : ""
			plot sample [n = 0:rows - 1:1] '+' using (n):(row(j, n)) \
				with impulses lw 2 lc rgb colour(j), \
			     [n = 0:rows - 1:1] '+' using (n):(row(j, n)) \
				with points pt 7 ps 0.7 lc rgb colour(j)
		}

		# Their sum, set apart across the bottom.
		set size 1, 0.31
		set origin 0, 0.01
		set title "Sum of the nine contributions: (x ∗ h)[n]" tc rgb "black"
		set xlabel "output index n"
		set ylabel "y[n]"
		set autoscale y
		set offsets 0, 0, 0.6, 0.6
		plot sample [n = 0:rows - 1:1] '+' using (n):(partial(files - 1, n)) \
			with impulses lw 3 lc rgb "black", \
		     [n = 0:rows - 1:1] '+' using (n):(partial(files - 1, n)) \
			with points pt 7 ps 1 lc rgb "black", \
		     [n = 0:rows - 1:1] '+' \
			using (n):(label_y(partial(files - 1, n))):(sprintf("%.2f", partial(files - 1, n))) \
			with labels font sprintf(",%g", 9 * k)
		unset multiplot
		unset ylabel
		set offsets 0, 0, 0, 0
	} else {
		# The contribution just added, above the partial sum after it, with
		# the sum before it drawn faintly behind. Axes and layout stay the same
		# on every step.
		if (pdf) { set termoption font "sans,11" }
		j = (page <= files ? page : files) - 1
		last = (j == files - 1)
		y_lo = (lo < sum_lo ? lo : sum_lo)
		y_hi = (hi > sum_hi ? hi : sum_hi)
		pad = 0.15 * (y_hi - y_lo)
		set yrange [y_lo - pad:y_hi + pad]
		set lmargin 9
		set rmargin 3
		set multiplot title (last ? \
			sprintf("Step %d of %d: the sum is the whole convolution (x ∗ h)[n]", j + 1, files) : \
			sprintf("Step %d of %d: adding x[%d]·h[n − %d]", j + 1, files, j, j)) \
			font ",14"
		set size 1, 0.36
		set origin 0, 0.56
		set title label(j) tc rgb colour(j)
		set xlabel ""
		unset ylabel
		plot sample [n = 0:rows - 1:1] '+' using (n):(row(j, n)) \
			with impulses lw 3 lc rgb colour(j), \
		     [n = 0:rows - 1:1] '+' using (n):(row(j, n)) \
			with points pt 7 ps 1 lc rgb colour(j)
		set size 1, 0.55
		set origin 0, 0.01
		set title (last ? "Sum of the nine contributions: (x ∗ h)[n]" : \
			sprintf("Sum of contributions 0 .. %d; in grey, the sum before this step", j)) \
			tc rgb "black"
		set xlabel "output index n"
		set ylabel "y[n]"
		plot sample [n = 0:rows - 1:1] '+' \
			using (n):(j > 0 ? partial(j - 1, n) : 0) \
			with impulses lw 8 lc rgb "#d0d0d0", \
		     [n = 0:rows - 1:1] '+' using (n):(partial(j, n)) \
			with impulses lw 3 lc rgb "black", \
		     [n = 0:rows - 1:1] '+' using (n):(partial(j, n)) \
			with points pt 7 ps 1 lc rgb "black", \
		     [n = 0:rows - 1:1] '+' \
			using (n):(label_y(partial(j, n))):(last ? sprintf("%.2f", partial(j, n)) : "") \
			with labels font ",10"
		unset multiplot
	}
}
unset output
