# The text forms, in the C locale's "%f" whatever the user's locale.
# input: for each step j a block of twelve rows "n value" that add up
# x_0.csv .. x_j.csv, the blocks separated by a blank line; the last block
# is the whole sum.
# table: a line per file, its twelve rows in order, then a line of the twelve
# sums y[n], the values separated by one blank.

set print out
if (view eq "input") {
	do for [j = 0:files - 1] {
		if (j > 0) { print "" }
		do for [n = 0:rows - 1] { print sprintf("%d %f", n, partial(j, n)) }
	}
} else {
	do for [j = 0:files] {
		line = ""
		do for [n = 0:rows - 1] {
			line = line . sprintf(n > 0 ? " %f" : "%f", \
				j < files ? row(j, n) : partial(files - 1, n))
		}
		print line
	}
}
unset print
