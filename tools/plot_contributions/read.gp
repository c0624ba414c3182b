# Reads and checks the nine files, before any output is opened. check.sh
# does the checking; a bad file ends the run here with its one line and exit
# status 1. Then:
#   sample[j + 1]   x[j], from the second line of x_j.csv;
#   row(j, n)       row n of x_j.csv, the term x[j]·h[n − j];
#   partial(j, n)   row n of the sum of x_0.csv .. x_j.csv, so that
#                   partial(files - 1, n) is y[n]; a sum below the
#                   precision of its terms, all that is left of their
#                   rounding where they cancel, is 0;
#   tap[k + 1]      h[k], found as said below, if h_known;
#   h_why           "", or why no one h gives the files, as said below;
# and the smallest and largest of each kind, for the axes: lo .. hi of the
# rows, sum_lo .. sum_hi of the partial sums, y_lo .. y_hi of y and
# x_lo .. x_hi of x and h.

command = "exec sh " . quote(parts . "check.sh") . " " . quote(dir)
do for [j = 0:files - 1] { command = command . " " . quote(file(j)) }
data = system(command . " </dev/null")
if (GPVAL_SYSTEM_ERRNO != 0) {
	print name . ": " . data
	exit status 1
}
# check.sh prints nothing but numbers, 13 a file: x[j], then its rows.
eval "array numbers = [" . data . "]"

array sample[files]
array rowdata[files * rows]
array partialdata[files * rows]
array size[rows]
row(j, n) = rowdata[j * rows + n + 1]
partial(j, n) = partialdata[j * rows + n + 1]
lo = 0
hi = 0
sum_lo = 0
sum_hi = 0
y_lo = 0
y_hi = 0
do for [j = 0:files - 1] {
	sample[j + 1] = numbers[j * (rows + 1) + 1]
	do for [n = 0:rows - 1] {
		rowdata[j * rows + n + 1] = numbers[j * (rows + 1) + n + 2]
		size[n + 1] = (j > 0 ? size[n + 1] : 0) + abs(row(j, n))
		sum = (j > 0 ? partial(j - 1, n) : 0) + row(j, n)
		partialdata[j * rows + n + 1] = abs(sum) <= size[n + 1] * 2.0**-48 ? 0 : sum
		lo = (row(j, n) < lo) ? row(j, n) : lo
		hi = (row(j, n) > hi) ? row(j, n) : hi
		sum_lo = (partial(j, n) < sum_lo) ? partial(j, n) : sum_lo
		sum_hi = (partial(j, n) > sum_hi) ? partial(j, n) : sum_hi
	}
}
do for [n = 0:rows - 1] {
	y_lo = (partial(files - 1, n) < y_lo) ? partial(files - 1, n) : y_lo
	y_hi = (partial(files - 1, n) > y_hi) ? partial(files - 1, n) : y_hi
}

# h is not written in the files, but they hold it: row j + k of x_j.csv is
# x[j]·h[k], so h[k] is that row divided by x[j]. It is taken from the file
# of the largest sample in size, whose rows carry h with the most digits.
# The number of taps follows from the files' shape: 12 rows for 9 samples
# is 12 − 9 + 1. With every sample zero, the files do not give h.
taps = rows - files + 1
big = 0
do for [j = 1:files - 1] {
	big = abs(sample[j + 1]) > abs(sample[big + 1]) ? j : big
}
h_known = sample[big + 1] != 0
array tap[taps]
x_lo = 0
x_hi = 0
# A tap beyond 1e300 in size, from huge rows over a tiny sample, is left out
# of the axis and not drawn.
do for [k = 0:taps - 1] {
	tap[k + 1] = h_known ? row(big, big + k) / sample[big + 1] : 0
	x_lo = (tap[k + 1] < x_lo && abs(tap[k + 1]) <= 1e300) ? tap[k + 1] : x_lo
	x_hi = (tap[k + 1] > x_hi && abs(tap[k + 1]) <= 1e300) ? tap[k + 1] : x_hi
}
do for [j = 0:files - 1] {
	x_lo = (sample[j + 1] < x_lo) ? sample[j + 1] : x_lo
	x_hi = (sample[j + 1] > x_hi) ? sample[j + 1] : x_hi
}

# The output side needs one h that gives every file's rows: row n of x_j.csv
# is x[j]·h[n − j] within what writing x, h and their product in single
# precision with six decimals can make of them, 1e-6·(1 + 2|h[k]|) +
# 2^-20·|x[j]·h[k]|, and no tap is beyond 1e300 in size. h_why is "" where
# one h does, else the line that says why not: every sample zero, the tap,
# or the first row that departs and what h gives there.
g6(v) = sprintf("%g", v + 0)
h_why = h_known ? "" : safe(dir) . ": every x[j] is zero, so the files do not give h"
do for [k = 0:taps - 1] {
	if (h_why eq "" && !(abs(tap[k + 1]) <= 1e300)) {
		h_why = sprintf("%s: line %d: %s, which over x[%d] = %s makes h[%d] beyond 1e300 in size", \
			safe(file(big)), big + k + 3, g6(row(big, big + k)), big, g6(sample[big + 1]), k)
	}
}
do for [j = 0:files - 1] {
	do for [n = 0:rows - 1] {
		k = n - j
		within = k >= 0 && k < taps
		t = within ? tap[k + 1] : 0
		predicted = sample[j + 1] == 0 ? 0 : sample[j + 1] * t
		if (h_why eq "" && abs(row(j, n) - predicted) > \
		    1e-6 * (1 + 2 * abs(t)) + 2.0**-20 * abs(predicted)) {
			h_why = sprintf("%s: line %d: %s, where h from x_%d.csv gives %s", safe(file(j)), n + 3, \
				g6(row(j, n)), big, within ? sprintf("x[%d]*h[%d] = %s", j, k, g6(predicted)) : \
				sprintf("0, as h has no tap %d", k))
		}
	}
}
