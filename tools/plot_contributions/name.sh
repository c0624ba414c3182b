# Prints each NAME on a line of its own as the plot script's messages show a
# name: its control characters, and bytes that do not form UTF-8, escaped.
#
#   sh name.sh NAME...
LC_ALL=C exec awk "$(cat "$(dirname "$0")/shown.awk")"'
BEGIN {
	for (i = 1; i < 256; i++)
		code[sprintf("%c", i)] = i
	for (i = 1; i < ARGC; i++)
		print shown(ARGV[i])
}' "$@" </dev/null
