# Draws the nine contributions x_0.csv .. x_8.csv and their sum, which is
# the convolution of x and h.
#
#   gnuplot -c tools/plot_contributions.gp [DIR [OUTPUT]]
#
# DIR holds the files (default "."). OUTPUT (default "contributions.png") is
# a picture of the nine contributions as stem plots with their sum below; a
# name ending in ".svg" gives it as SVG. A name ending in ".gif" gives an
# animation instead, which adds the contributions one at a time and shows
# the sum grow. A name ending in ".txt" gets the partial sums as "index
# value" text: for each step j a block of twelve rows that add up x_0.csv ..
# x_j.csv, the blocks separated by a blank line; the last block is the whole
# sum. A file that is missing or does not hold twelve rows is an error, and
# then no OUTPUT is written.

dir = (ARGC >= 1) ? ARG1 : "."
out = (ARGC >= 2) ? ARG2 : "contributions.png"
files = 9
rows = 12
file(j) = sprintf("%s/x_%d.csv", dir, j)
ends_with(s, suffix) = strlen(s) >= strlen(suffix) && \
	s[strlen(s) - strlen(suffix) + 1:] eq suffix

# Read everything before OUTPUT is opened, so a bad file leaves no picture.
# row(j, n) is row n of x_j.csv; partial(j, n) is row n of the sum of
# x_0.csv .. x_j.csv.
array sample[files]
array rowdata[files * rows]
array partialdata[files * rows]
row(j, n) = rowdata[j * rows + n + 1]
partial(j, n) = partialdata[j * rows + n + 1]
lo = 0
hi = 0
do for [j = 0:files - 1] {
	undefine STATS_*
	stats file(j) using 1:2 nooutput
	if (!exists("STATS_records") || STATS_records != rows) {
		exit error sprintf("%s: expected %d rows of index and value", file(j), rows)
	}
	lo = (STATS_min_y < lo) ? STATS_min_y : lo
	hi = (STATS_max_y > hi) ? STATS_max_y : hi
	stats file(j) using (rowdata[j * rows + int($1) + 1] = $2) nooutput
	# The second header line, "# x[j] = value ", gives the sample.
	set datafile commentschars ""
	stats file(j) every ::1::1 using 4 nooutput
	sample[j + 1] = STATS_min
	set datafile commentschars "#"
}
sum_lo = 0
sum_hi = 0
do for [j = 0:files - 1] {
	do for [n = 0:rows - 1] {
		partialdata[j * rows + n + 1] = (j > 0 ? partial(j - 1, n) : 0) + row(j, n)
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

if (ends_with(out, ".gif")) {
	# One frame per step j: the contribution just added, above the partial
	# sum after it, with the sum before it drawn faintly behind. Axes and
	# layout stay fixed across frames. The last frame, the whole sum, is
	# drawn four times to hold it longer.
	set terminal gif animate delay 120 loop 0 size 960,640 \
		font "DejaVu Sans,11"
	set output out
	y_lo = (lo < sum_lo ? lo : sum_lo)
	y_hi = (hi > sum_hi ? hi : sum_hi)
	pad = 0.15 * (y_hi - y_lo)
	set yrange [y_lo - pad:y_hi + pad]
	set ytics 1
	set format y "%.1f"
	set lmargin 9
	set rmargin 3
	do for [frame = 0:files + 2] {
		j = (frame < files) ? frame : files - 1
		last = (j == files - 1)
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
	unset output
	exit
}

if (ends_with(out, ".svg")) {
	set terminal svg size 1280,960 dynamic font "sans,11" background "white"
} else {
	set terminal pngcairo size 1280,960 font "sans,10"
}
set output out

set multiplot title "Convolution by superposition: y[n] = Σ_j x[j]·h[n − j]" font ",14"

# Nine contributions in a 3 × 3 grid over the top 62 % of the page.
pad = 0.15 * (hi - lo)
set yrange [lo - pad:hi + pad]
set ytics 1
set format y "%.1f"
do for [j = 0:files - 1] {
	set size 1.0 / 3, 0.62 / 3
	set origin (j % 3) / 3.0, 0.95 - 0.62 / 3 * (j / 3 + 1)
	set title label(j) tc rgb colour(j)
	set xlabel (j >= 6) ? "n" : ""
	plot file(j) using 1:2 with impulses lw 2 lc rgb colour(j), \
	     file(j) using 1:2 with points pt 7 ps 0.7 lc rgb colour(j)
}

# Their sum, set apart across the bottom.
set size 1, 0.31
set origin 0, 0.01
set title "Sum of the nine contributions: (x ∗ h)[n]" tc rgb "black"
set xlabel "output index n"
set ylabel "y[n]"
unset yrange
set autoscale y
set offsets 0, 0, 0.6, 0.6
plot sample [n = 0:rows - 1:1] '+' using (n):(partial(files - 1, n)) \
	with impulses lw 3 lc rgb "black", \
     [n = 0:rows - 1:1] '+' using (n):(partial(files - 1, n)) \
	with points pt 7 ps 1 lc rgb "black", \
     [n = 0:rows - 1:1] '+' \
	using (n):(label_y(partial(files - 1, n))):(sprintf("%.2f", partial(files - 1, n))) \
	with labels font ",9"
unset multiplot
