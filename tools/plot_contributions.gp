# Draws the nine contribution files x_0.csv .. x_8.csv, which the program
# convolution_demo writes into the folder it runs in, and whose sum is the
# convolution y of x and h, as the two halves of a lecture on it.
#
#   gnuplot -c plot_contributions.gp [DIR [OUTPUT [VIEW [STEP]]]]
#   gnuplot -c plot_contributions.gp --help
#
# DIR holds the files (default "."). OUTPUT (default "contributions.png") is
# written in the format its name ends in: .png or .svg, a picture; .gif, an
# animation whose last frame is held; .pdf, a 16:9 page each; .html, a page
# for a browser that steps through all three views and lets x and h be
# changed; .txt, text. VIEW is what is drawn:
#   input    the input side: the nine contributions and their sum in one
#            picture, then as steps that add them one at a time. The text
#            is the partial sums: for each step a block of twelve "n value"
#            rows, the blocks separated by a blank line, the last the sum.
#   table    the files as a table: a row per file, a column per n, and below
#            them the twelve sums y[n]. The text is ten lines of twelve
#            values, each file's rows in order and then the sums.
#   output   the output side: for each n, x[k] with the flipped h slid to n,
#            h[n − k], their products x[k]·h[n − k], which are row n of the
#            files, and y[n], their sum, added to the output so far.
#   lecture  input, table and output, in that order: 23 pages, or the page.
# The default is lecture for a .pdf or .html and input for the rest. A .png
# or .svg holds the view's first page, or with STEP the step that adds
# x_STEP.csv (input) or forms y[STEP] (output). A .gif animates the steps of
# input or output; .txt is for input and table.
#
# Installed with the program, the command convolution_demo-plot runs this
# script with the same arguments.
#
# For example, after convolution_demo has run in this folder:
#   gnuplot -c plot_contributions.gp . lecture.pdf
#   gnuplot -c plot_contributions.gp . convolution.html
#   gnuplot -c plot_contributions.gp . step.png output 4
#
# A file that is not as the program writes it is an error: one line on
# standard error that names the file and what is wrong, exit status 1, and
# no OUTPUT. A VIEW, OUTPUT or STEP that this script does not know is one
# line on standard error and exit status 2.

# The name in messages: the script's, or that of the command that runs it.
name = system("printf %s \"${PLOT_CONTRIBUTIONS_NAME:-plot_contributions.gp}\"")
invocation = name eq "plot_contributions.gp" ? "gnuplot -c " . name : name
files = 9
rows = 12
# The folder this script is in, which holds its parts.
folder(s) = strstrt(s, "/") == 0 ? "" : \
	s[1:strstrt(s, "/")] . folder(s[strstrt(s, "/") + 1:])
parts = folder(ARG0) . "plot_contributions/"
ends_with(s, suffix) = strlen(s) >= strlen(suffix) && \
	s[strlen(s) - strlen(suffix) + 1:] eq suffix
digits(s) = strlen(s) == 0 || strstrt("0123456789", s[1:1]) > 0 && digits(s[2:])

# s as one word for sh: in single quotes, each ' in it as '\''.
quote(s) = "'" . quoted(s) . "'"
quoted(s) = strstrt(s, "'") == 0 ? s : s[1:strstrt(s, "'") - 1] . "'\\''" . \
	quoted(s[strstrt(s, "'") + 1:])

# s as the messages show a name: control characters and bytes that do not
# form UTF-8 escaped, so that it cannot garble a terminal.
safe(s) = system("exec sh " . quote(parts . "name.sh") . " " . quote(s))
# s with its capital letters A to Z small.
lower(s) = strlen(s) == 0 ? "" : (strstrt(capitals, s[1:1]) > 0 ? \
	smalls[strstrt(capitals, s[1:1]):strstrt(capitals, s[1:1])] : s[1:1]) . lower(s[2:])
capitals = "ABCDEFGHIJKLMNOPQRSTUVWXYZ"
smalls = "abcdefghijklmnopqrstuvwxyz"

# The help is the comment at the top of this script.
if (ARGC >= 1 && (ARG1 eq "--help" || ARG1 eq "-h")) {
	help = "sed -n " . quote("/^#/!q; s/^# \\{0,1\\}//; s/gnuplot -c plot_contributions[.]gp/" . \
		invocation . "/g; p") . " " . quote(ARG0)
	system help
	exit
}
if (ARGC > 4) {
	print "usage: " . invocation . " [DIR [OUTPUT [VIEW [STEP]]]]"
	exit status 2
}
dir = (ARGC >= 1) ? ARG1 : "."
out = (ARGC >= 2) ? ARG2 : "contributions.png"
# The format from the name's ending, in capitals or not.
format = ""
do for [kind in "png svg gif pdf html txt"] {
	format = ends_with(lower(strlen(out) > 5 ? out[strlen(out) - 4:] : out), "." . kind) ? kind : format
}
view = (ARGC >= 3) ? ARG3 : (format eq "pdf" || format eq "html") ? "lecture" : "input"
forms = view eq "input" ? "png svg gif pdf txt" : view eq "table" ? \
	"png svg pdf txt" : view eq "output" ? "png svg gif pdf" : \
	view eq "lecture" ? "pdf html" : ""
steps = view eq "input" ? files : view eq "output" ? rows : 0
if (format eq "") {
	print name . ": " . safe(out) . ": unknown format, expected a name ending in " . \
		".png, .svg, .gif, .pdf, .html or .txt"
	exit status 2
}
if (forms eq "") {
	print name . ": " . safe(view) . ": unknown view, expected input, table, " . \
		"output or lecture"
	exit status 2
}
if (strstrt(forms, format) == 0) {
	print name . ": the " . view . " view has no ." . format . " form"
	exit status 2
}
if (ARGC >= 4 && (steps == 0 || strstrt("png svg", format) == 0)) {
	print name . ": only a .png or .svg of the input or output view takes a step"
	exit status 2
}
if (ARGC >= 4 && (ARG4 eq "" || !digits(ARG4) || strlen(ARG4) > 2 || ARG4 + 0 >= steps)) {
	print sprintf("%s: step %s: the %s view has steps 0 to %d", name, safe(ARG4), view, steps - 1)
	exit status 2
}

# The pages of the lecture: 0 is the picture, 1 .. 9 the steps of the input
# side, 10 the table and 11 .. 22 the steps of the output side.
first = view eq "table" ? files + 1 : view eq "output" ? files + 2 : 0
last = view eq "input" ? files : view eq "table" ? files + 1 : files + rows + 1
first = first + (format eq "gif" && view eq "input")
if (strstrt("png svg", format) > 0) {
	first = first + (ARGC >= 4 ? ARG4 + (view eq "input") : 0)
	last = first
}

# An output that cannot be written is one line before anything is read.
why = system("exec sh " . quote(parts . "output.sh") . " " . quote(out))
if (GPVAL_SYSTEM_ERRNO != 0) {
	print name . ": " . why
	exit status 1
}

file(j) = sprintf("%s/x_%d.csv", dir, j)
load parts . "read.gp"
# Only where one h gives every file is the output side drawn: the output
# view is then an error, and the lecture says why in its place.
if (last > files + 1 && h_why ne "") {
	if (view ne "lecture") {
		print name . ": " . h_why
		exit status 1
	}
	print name . ": warning: " . h_why . "; the lecture has no output side"
	last = files + 2
}
if (format eq "html") {
	load parts . "style.gp"
	colours = faint
	do for [j = 0:files - 1] { colours = colours . " " . colour(j) }
	system sprintf("sh %s %s %s %s", quote(parts . "page.sh"), quote(out), \
		quote(data), quote(colours))
	exit status GPVAL_SYSTEM_ERRNO != 0
}

if (format eq "txt") {
	load parts . "text.gp"
	exit
}

# The fonts take the same share of the page in every format: a PDF page is
# 960 by 540 points, which pdftoppm shows at 1024 by 576 pixels.
eval "set terminal " . ( \
	format eq "gif" ? 'gif animate delay 120 loop 0 size 1280,720 font "DejaVu Sans,10" fontscale 1.33 linewidth 1.5' : \
	format eq "pdf" ? 'pdfcairo size 13.333in,7.5in font "DejaVu Sans,10" fontscale 1 lw 2' : \
	format eq "svg" ? 'svg size 1280,720 dynamic font "DejaVu Sans,10" fontscale 1.77 linewidth 1.5 background "white"' : \
	'pngcairo size 1280,720 font "DejaVu Sans,10" fontscale 1.33 lw 1.5')
set output out
# A GIF draws its last frame three more times, to hold it longer.
do for [p = first:last + (format eq "gif" ? 3 : 0)] {
	page = p < last ? p : last
	reset
	load parts . "style.gp"
	load parts . (page <= files ? "input_side.gp" : page == files + 1 ? "table.gp" : \
		h_why ne "" ? "no_output_side.gp" : "output_side.gp")
}
unset output
