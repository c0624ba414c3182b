# Checks the folder and the nine contribution files in it for the plot
# script and prints their numbers, or one line that names the folder or the
# first bad file and what is wrong with it, and exits 1. It never reads
# standard input.
#
#   sh check.sh DIR FILE...
#
# A good set gives one line: for each file in turn x[j] from its second line,
# then its twelve values, all as "%.17e" and separated by ", ", which gnuplot
# reads back as the same doubles, subnormal ones too. Values beyond 1e300 in
# size are refused, so that sums and axes cannot overflow.
#
# sh and stat look at what each file is and its size; awk reads the lines,
# in the C locale, whose decimal point the files use, and counts their bytes. awk gets the names as plain arguments and
# opens them itself, so that a name with "=" is never taken for an
# assignment, and one starting with "-" never for an option.

limit=65536
nl='
'
here=$(dirname "$0")
dir=$1
shift
# The sizes of the files that are there, in order, from one call.
sizes=$(stat -L -c %s -- "$@" 2>/dev/null)$nl
# The folder and each file become three arguments for awk, in order: what
# is wrong with it as a whole, or nothing; its size; and its name.
count=$#
for f; do
	size=0
	if [ -e "$f" ]; then
		size=${sizes%%"$nl"*}
		sizes=${sizes#*"$nl"}
	fi
	if [ ! -e "$f" ]; then
		why="No such file or directory; convolution_demo writes the files"
	elif [ -d "$f" ]; then why="Is a directory"
	elif [ ! -f "$f" ]; then why="not a regular file"
	elif [ ! -r "$f" ]; then why="Permission denied"
	elif [ "$size" -eq 0 ]; then why="empty file"
	elif [ "$size" -gt $limit ]; then why="$size bytes, expected at most $limit"
	else why=
	fi
	set -- "$@" "$why" "$size" "$f"
done
shift "$count"
if [ ! -e "$dir" ]; then why="No such file or directory"
elif [ ! -d "$dir" ]; then why="Not a directory"
else why=
fi
set -- "$why" 0 "$dir" "$@"

LC_ALL=C exec awk "$(cat "$here/shown.awk")"'
function fail(file, line, what) {
	print shown(file) ": " (line ? "line " line ": " : "") what
	exit 1
}
# Whether s is a finite number. Each part of the expression can match in
# one way only, so that mawk, which backtracks, takes time linear in the
# length of s.
function finite(s) {
	return s ~ /^[-+]?([0-9]+([.][0-9]*)?|[.][0-9]+)([eE][-+]?[0-9]+)?$/ &&
	    sprintf("%g", s) !~ /inf|nan/
}
# Checks field s of line nr in file as a number and returns it for gnuplot.
function number(file, nr, what, s) {
	if (!finite(s))
		fail(file, nr, what)
	if (s + 0 > 1e300 || s + 0 < -1e300)
		fail(file, nr, "value " shown(s, 1) ", expected at most 1e300 in size")
	return sprintf("%.17e", s)
}
function read(file, j, size,    line, nr, n, f, nf, sample, values, status, used) {
	nr = n = used = 0
	values = ""
	while ((status = (getline line < file)) > 0) {
		# A line that takes the count past the size of the file had no
		# line feed: the file ends inside it.
		nr++
		if ((used += length(line) + 1) > size)
			fail(file, nr, "no line feed at its end, so the file may be cut short")
		if (index(line, "\0"))
			fail(file, nr, "NUL byte, expected text")
		sub(/\r$/, "", line)
		nf = split(line, f, " ")
		if (nr == 1 && line !~ /^#/)
			fail(file, 1, "expected a \"#\" line")
		if (nr == 2) {
			if (!(nf == 4 && f[1] == "#" && f[2] == "x[" j "]" &&
			    f[3] == "="))
				fail(file, 2, "expected \"# x[" j "] = value\"")
			sample = number(file, 2,
			    "expected \"# x[" j "] = value\"", f[4])
		}
		if (nr <= 2 || (n == 12 && nf == 0))
			continue
		if (n == 12)
			fail(file, nr, "more than 12 rows")
		if (nf != 2)
			fail(file, nr, "expected index and value")
		if (f[1] != n "")
			fail(file, nr, "index " shown(f[1], 1) ", expected " n)
		values = values ", " number(file, nr, "value " shown(f[2], 1) \
		    ", expected a finite number", f[2])
		n++
	}
	if (status < 0)
		fail(file, 0, "cannot be read")
	close(file)
	if (n < 12)
		fail(file, 0, n " rows, expected 12")
	return sample values
}
BEGIN {
	for (i = 1; i < 256; i++)
		code[sprintf("%c", i)] = i
	for (i = 1; i < ARGC; i += 3) {
		if (ARGV[i] != "")
			fail(ARGV[i + 2], 0, ARGV[i])
		if (i > 1)
			out = out (i > 4 ? ", " : "") read(ARGV[i + 2], (i - 4) / 3, ARGV[i + 1])
	}
	print out
	exit 0
}' "$@" </dev/null
