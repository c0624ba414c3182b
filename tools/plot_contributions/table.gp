# The table: a row per file, in its colour, and a column per output index n,
# with the sums y[n] below. It joins the two readings: each row is one
# contribution x[j]·h[n − j] (the input side), and each column holds the
# terms that add up to y[n] (the output side).

set multiplot title "The nine files as a table: each row is a contribution, " . \
	"each column adds up to y[n]" font ",16"
eval place(0.16, 0.99, 0.04, 0.8)
unset border
unset grid
unset xzeroaxis
unset ytics
set xrange [-0.5:rows - 0.5]
set yrange [files + 1.7:-0.6]
set x2range [-0.5:rows - 0.5]
set x2tics 0, 1, rows - 1 scale 0 font ",14"
unset xtics
set x2label "output index n" offset 0, -0.3
# A zero term is written faintly, to leave the terms that count standing out.
do for [j = 0:files - 1] {
	set label sprintf("x[%d]·h[n − %d]", j, j) at graph 0, first j \
		right offset -1.5, 0 tc rgb colour(j) font ",14"
	do for [n = 0:rows - 1] {
		set label (row(j, n) == 0 ? "0" : written(row(j, n))) at n, j center font ",13" \
			tc rgb (row(j, n) == 0 ? faint : colour(j))
	}
}
set arrow from graph 0, first files - 0.2 to graph 1, first files - 0.2 nohead lw 2
set label "y[n]" at graph 0, first files + 0.7 right offset -1.5, 0 font ",14"
do for [n = 0:rows - 1] {
	set label written(partial(files - 1, n)) at n, files + 0.7 center font ",13"
}
plot NaN
unset multiplot
