# What every page shares: the files' colours, number labels with the minus
# sign "−" of the titles, axes that follow the data, panels placed on the
# page and stem plots. Loaded afresh for each page, after a reset.

set key off
set xzeroaxis lt -1
set grid ytics lt 1 lc rgb "#dddddd" lw 1 dt solid
set xtics nomirror out
set ytics nomirror out
set title font ",12"
set ylabel offset 1.5, 0
# A page's title, which the GIF and SVG terminals would set at the very top.
heading(s) = (format eq "gif" || format eq "svg" ? "\n" : "") . s
# i as an ordinal number, 1st to 9th: a step's place among the steps.
nth(i) = sprintf("%d%s", i, i == 1 ? "st" : i == 2 ? "nd" : i == 3 ? "rd" : "th")

# x_j.csv is drawn in colour j + 1 of this list, in every format and on the
# page. Each is dark enough for text in it to read at 4.5:1 against white,
# and faint, for what is to stand back, at 3:1.
array hue[9] = [0x1f77b4, 0xbb5800, 0x258625, 0xd62728, 0x8f60ba, 0x8c564b, \
	0xd12b9e, 0x757575, 0x10818c]
faint = "#949494"
colour(j) = sprintf("#%06x", hue[j + 1])

# s with each "-" written as the minus sign "−" of the titles and ticks.
minus(s) = strstrt(s, "-") == 0 ? s : \
	s[1:strstrt(s, "-") - 1] . "−" . minus(s[strstrt(s, "-") + 1:])
# v as a value label: two decimals, or three digits where two decimals would
# hide it or run long.
written(v) = minus(v == 0 || abs(v) >= 0.005 && abs(v) < 1e6 ? \
	sprintf("%.2f", v) : sprintf("%.3g", v))
# v in a title, as short as it goes.
short(v) = minus(sprintf("%g", v))

# An axis over lo .. hi, which take in 0, runs from axis_from to axis_to,
# with room of f times their distance on either side: -1 .. 1 when there is
# nothing but 0, and never narrower than 2e-300, so that the ticks stay in
# the range of normal doubles.
room(lo, hi, f) = hi == lo ? 1 : \
	f * (hi - lo) > 1e-300 ? f * (hi - lo) : 1e-300
axis_from(lo, hi, f) = lo - room(lo, hi, f)
axis_to(lo, hi, f) = hi + room(lo, hi, f)
# The commands that set that y axis and its ticks: a step of 1, 2 or 5 times
# a power of ten that gives at most about n of them, so that their labels
# keep apart whatever the values, each label written as short() writes it.
axis(lo, hi, f, n) = (tick = nice((hi - lo + 2.0 * room(lo, hi, f)) / n), \
	sprintf("set yrange [%.17g:%.17g]; set ytics (%s)", axis_from(lo, hi, f), \
	axis_to(lo, hi, f), tick_labels(ceil(axis_from(lo, hi, f) / tick), \
	floor(axis_to(lo, hi, f) / tick), tick)))
tick_labels(k, last, step) = sprintf("\"%s\" %.17g", short(k * step), k * step) . \
	(k < last ? ", " . tick_labels(k + 1, last, step) : "")
nice(d) = (power = 10.0 ** floor(log10(d)), d / power <= 1 ? power : \
	d / power <= 2 ? 2 * power : d / power <= 5 ? 5 * power : 10 * power)

# The plot area of the next panel, in fractions of the page, so that panels
# of one kind have one size whatever their labels.
place(left, right, bottom, top) = sprintf("set lmargin at screen %g; " . \
	"set rmargin at screen %g; set bmargin at screen %g; " . \
	"set tmargin at screen %g", left, right, bottom, top)

# Clauses of a plot command, each after "plot sample " or ", ". The text e
# is an expression of i, the index, drawn for i = first .. last; c is an
# expression of i that gives the colour, as in hue.
# Stems of width w from 0 to e, each with a dot of size d on top. A GIF's
# points are drawn smaller than the other formats' and its lines thicker:
# dot and ring scale them to look the same.
dot = format eq "gif" ? 1.4 : 1
ring = format eq "gif" ? 0.5 : 1
stems(first, last, e, c, w, d) = sprintf("[i = %d:%d:1] '+' using (i):(%s):(%s) " . \
	"with impulses lw %g lc rgb variable, [i = %d:%d:1] '+' using (i):(%s):(%s) " . \
	"with points pt 7 ps %g lc rgb variable", first, last, e, c, w, first, last, e, c, d * dot)
# The values of e as labels clear of their dots: above those at or over 0,
# below the others. Each clause samples one index past last, unused, as
# gnuplot 5.4 crashes on a labels clause of a single point left undefined.
labels(first, last, e) = sprintf("[i = %d:%d:1] '+' using (i):" . \
	"(i <= %d && (%s) >= 0 ? %s : NaN):(i <= %d ? written(%s) : '') " . \
	"with labels offset 0, 1 font ',11', [i = %d:%d:1] '+' using (i):" . \
	"(i <= %d && (%s) < 0 ? %s : NaN):(i <= %d ? written(%s) : '') " . \
	"with labels offset 0, -1 font ',11'", first, last + 1, last, e, e, last, e, \
	first, last + 1, last, e, e, last, e)
