# The output side: y[n] = Σ_k x[k]·h[n − k] read as "flip, slide, multiply,
# add". Page 11 + n is the step of y[n], in three panels over one axis, so
# that y[n] stands below the right end of the window k = n − 3 .. n where
# the slid h has its taps:
#   1. x[k], and beside each x[k] in the window h[n − k], h flipped and slid
#      to n, each tap named under its k;
#   2. the products x[k]·h[n − k], which are row n of the files x_k.csv;
#   3. y[0] .. y[n], the output so far, with y[n] just added.
# The step's title writes the sum out with the files' numbers.

n = page - files - 2
k_from = n - taps + 1 > 0 ? n - taps + 1 : 0
k_to = n < files - 1 ? n : files - 1
terms = ""
numbers_text = ""
do for [k = k_from:k_to] {
	terms = terms . sprintf(k > k_from ? " + x[%d]·h[%d]" : "x[%d]·h[%d]", k, n - k)
	numbers_text = numbers_text . (k == k_from ? written(row(k, n)) : \
		row(k, n) < 0 ? " − " . written(-row(k, n)) : " + " . written(row(k, n)))
}
set multiplot title heading(sprintf("y[%d] = %s = %s", n, terms, \
	(k_from < k_to ? numbers_text . " = " : "") . written(partial(files - 1, n)))) \
	font ",14"

set xrange [-taps + 0.4:rows - 0.4]
set object 1 rect from n - taps + 0.5, graph 0 to n + 0.5, graph 1 \
	behind fc rgb "#fbefc5" fs solid noborder
set title offset 0, -0.6

# 1. Flip and slide.
eval place(0.07, 0.98, 0.715, 0.87)
set title sprintf("x[k], and h[%d − k] in grey: h flipped and slid to n = %d", n, n)
k_tics = ""
tap_tics = ""
do for [k = -taps + 1:rows - 1] {
	k_tics = k_tics . sprintf("%s\"%s\" %d", k > -taps + 1 ? ", " : "", short(k), k)
	tap_tics = tap_tics . sprintf("%s\"%s%s\" %d", k > -taps + 1 ? ", " : "", \
		short(k), k > n - taps && k <= n ? sprintf("\\nh[%d]", n - k) : "", k)
}
eval "set xtics (" . tap_tics . ")"
eval axis(x_lo, x_hi, 0.25, 4)
eval "plot sample [i = n - taps + 1:n:1] '+' using (i + 0.25):(tap[n - i + 1]) " . \
	"with impulses lw 3 lc rgb '#606060', [i = n - taps + 1:n:1] '+' " . \
	"using (i + 0.25):(tap[n - i + 1]) with points pt 6 ps dot lw 2 * ring lc rgb '#606060', " . \
	stems(0, files - 1, "sample[i + 1]", "hue[i + 1]", 3, 1)

# 2. Multiply: the terms of y[n], each written in the window.
eval place(0.07, 0.98, 0.41, 0.58)
set title sprintf("x[k]·h[%d − k], row %d of each file x\\_k.csv: the terms of y[%d]", n, n, n)
eval "set xtics (" . k_tics . ")"
eval axis(lo, hi, 0.8, 5)
eval "plot sample " . stems(0, files - 1, "row(i, n)", "hue[i + 1]", 3, 1) . \
	", " . labels(k_from, k_to, "row(i, n)")

# 3. Add: the output so far, y[n] black and written out, those before it grey.
eval place(0.07, 0.98, 0.1, 0.295)
set title sprintf("The output so far: y[%d], the sum of the terms above, just added", n)
set xlabel "output index n" offset 0, 0.4
set xtics 0, 1, rows - 1
set object 1 rect from n - 0.5, graph 0 to n + 0.5, graph 1
eval axis(y_lo, y_hi, 0.8, 6)
eval "plot sample " . stems(0, n, "partial(files - 1, i)", "i < n ? 0xa0a0a0 : 0", 3, 1) . \
	", " . labels(n, n, "partial(files - 1, i)")
unset multiplot
