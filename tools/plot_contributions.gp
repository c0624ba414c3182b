# Draws the nine contributions x_0.csv .. x_8.csv as stem plots and, below
# them, their sum, which is the convolution of x and h.
#
#   gnuplot -c tools/plot_contributions.gp [DIR [OUTPUT]]
#
# DIR holds the files (default "."); OUTPUT is the picture (default
# "contributions.png"; a name ending in ".svg" gives SVG). An OUTPUT ending
# in ".txt" gets the summed rows as "index value" text instead of a picture.
# A file that is missing or does not hold twelve rows is an error, and then
# no OUTPUT is written.

dir = (ARGC >= 1) ? ARG1 : "."
out = (ARGC >= 2) ? ARG2 : "contributions.png"
files = 9
rows = 12
file(j) = sprintf("%s/x_%d.csv", dir, j)
ends_with(s, suffix) = strlen(s) >= strlen(suffix) && \
	s[strlen(s) - strlen(suffix) + 1:] eq suffix

# Read everything before OUTPUT is opened, so a bad file leaves no picture.
array sample[files]
array total[rows]
do for [n = 1:rows] { total[n] = 0 }
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
	stats file(j) using (total[int($1) + 1] = total[int($1) + 1] + $2) nooutput
	# The second header line, "# x[j] = value ", gives the sample.
	set datafile commentschars ""
	stats file(j) every ::1::1 using 4 nooutput
	sample[j + 1] = STATS_min
	set datafile commentschars "#"
}

if (ends_with(out, ".txt")) {
	set print out
	do for [n = 1:rows] { print sprintf("%d %f", n - 1, total[n]) }
	unset print
	exit
}

if (ends_with(out, ".svg")) {
	set terminal svg size 1280,960 dynamic font "sans,11" background "white"
} else {
	set terminal pngcairo size 1280,960 font "sans,10"
}
set output out

colours = "#1f77b4 #ff7f0e #2ca02c #d62728 #9467bd #8c564b #e377c2 #7f7f7f #17becf"
pad = 0.15 * (hi - lo)
set xrange [-0.6:rows - 0.4]
set xtics 0, 1, rows - 1 nomirror
set ytics nomirror
set xzeroaxis lt -1
set grid ytics lc rgb "#dddddd"
set key off

set multiplot title "Convolution by superposition: y[n] = Σ_j x[j]·h[n − j]" font ",14"

# Nine contributions in a 3 × 3 grid over the top 62 % of the page.
set yrange [lo - pad:hi + pad]
set ytics 1
set format y "%.1f"
do for [j = 0:files - 1] {
	set size 1.0 / 3, 0.62 / 3
	set origin (j % 3) / 3.0, 0.95 - 0.62 / 3 * (j / 3 + 1)
	set title sprintf("x[%d]·h[n − %d],   x[%d] = %g", j, j, j, sample[j + 1]) \
		tc rgb word(colours, j + 1)
	set xlabel (j >= 6) ? "n" : ""
	plot file(j) using 1:2 with impulses lw 2 lc rgb word(colours, j + 1), \
	     file(j) using 1:2 with points pt 7 ps 0.7 lc rgb word(colours, j + 1)
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
plot total using ($1 - 1):2 with impulses lw 3 lc rgb "black", \
     total using ($1 - 1):2 with points pt 7 ps 1 lc rgb "black", \
     total using ($1 - 1):($2 + ($2 < 0 ? -0.35 : 0.35)):(sprintf("%.2f", $2)) \
         with labels font ",9"
unset multiplot
