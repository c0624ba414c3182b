# The input side: y[n] = Σ_j x[j]·h[n − j] read as a sum of copies of h,
# each scaled by x[j] and shifted to j, one file each. Page 0 is the picture
# of the nine contributions and their sum; page 1 .. 9 is the step that adds
# x_0.csv .. x_8.csv, in turn, to the sum of those before it.

term(j) = sprintf("x[%d]·h[n − %d],   x[%d] = %s", j, j, j, short(sample[j + 1]))
set xrange [-0.6:rows - 0.4]
set xtics 0, 1, rows - 1

if (page == 0) {
	set multiplot title \
		heading("Convolution by superposition: y[n] = Σ_j x[j]·h[n − j]") font ",16"

	# The nine contributions in a 3 × 3 grid, on one axis.
	eval axis(lo, hi, 0.2, 3)
	do for [j = 0:files - 1] {
		left = (j % 3) / 3.0
		top = 0.935 - (j / 3) * 0.18
		eval place(left + 0.04, left + 1 / 3.0 - 0.01, top - 0.135, top - 0.05)
		set title term(j) tc rgb colour(j) offset 0, -0.8
		eval "plot sample " . stems(0, rows - 1, "row(j, i)", "hue[j + 1]", 2, 0.6)
	}

	# Their sum across the bottom, each value written clear of its dot.
	eval place(0.04, 0.99, 0.085, 0.345)
	set title "Their sum: y[n] = (x ∗ h)[n]" tc rgb "black" offset 0, -0.8
	set xlabel "output index n" offset 0, 0.4
	eval axis(sum_lo, sum_hi, 0.3, 5)
	eval "plot sample " . stems(0, rows - 1, "partial(files - 1, i)", "0", 3, 0.9) . \
		", " . labels(0, rows - 1, "partial(files - 1, i)")
	unset multiplot
} else {
	# The contribution just added, above the sum after it, with the sum
	# before it drawn in grey behind. The axes are the same on every step.
	j = page - 1
	whole = (j == files - 1)
	both_lo = lo < sum_lo ? lo : sum_lo
	both_hi = hi > sum_hi ? hi : sum_hi
	eval axis(both_lo, both_hi, 0.2, 5)
	set multiplot title heading(whole ? \
		sprintf("x[%d] added, the %s of %d: the sum is the whole convolution (x ∗ h)[n]", j, nth(j + 1), files) : \
		sprintf("x[%d] added, the %s of %d: x[%d]·h[n − %d]", j, nth(j + 1), files, j, j)) \
		font ",16"
	eval place(0.07, 0.98, 0.62, 0.86)
	set title term(j) tc rgb colour(j) offset 0, -0.6
	eval "plot sample " . stems(0, rows - 1, "row(j, i)", "hue[j + 1]", 3, 1)

	eval place(0.07, 0.98, 0.11, 0.48)
	set title (whole ? "The sum of the nine: y[n] = (x ∗ h)[n]" : \
		sprintf("The sum of contributions 0 .. %d; in grey, the sum before this step", j)) \
		tc rgb "black" offset 0, -0.6
	set xlabel "output index n"
	set ylabel "y[n]"
	eval "plot sample [i = 0:rows - 1:1] '+' using (i):(j > 0 ? partial(j - 1, i) : 0) " . \
		"with impulses lw 8 lc rgb '#d0d0d0', " . \
		stems(0, rows - 1, "partial(j, i)", "0", 3, 1) . \
		(whole ? ", " . labels(0, rows - 1, "partial(j, i)") : "")
	unset multiplot
}
