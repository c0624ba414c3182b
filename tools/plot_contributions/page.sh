# Puts the page together from its sources and the numbers of the files,
# into one file that needs nothing else. The sources are in page/ at the top
# of the clone, or once installed in page/ beside the plot script.
#
#   sh page.sh OUTPUT NUMBERS COLOURS
#
# NUMBERS is check.sh's line: for each file x[j], then its twelve rows.
# COLOURS is the faint colour, then the nine files' colours. The page's
# policy lets nothing in but its own style and script, by their digests.

set -eu
out=$1
numbers=$2
here=$(dirname "$0")/../../page
[ -f "$here/page.html.in" ] || here=$(dirname "$0")/../page
script=$(mktemp)
style=$(mktemp)
trap 'rm -f "$script" "$style"' EXIT
for part in files model plot input_side table output_side address exercise practise sheet controls edit open; do
	cat "$here/$part.js"
done >"$script"
set -- $3
{
	printf ':root { --faint: %s; }\n' "$1"
	shift
	j=0
	for colour; do
		printf '.c%d { --c: %s; }\n' $j "$colour"
		j=$((j + 1))
	done
	cat "$here/page.css"
} >"$style"

# The SHA-256 digest of file $1 in base64, as a policy names it.
digest() {
	printf "$(sha256sum <"$1" | awk '{
		for (i = 1; i < 64; i += 2) {
			high = index(hex, substr($1, i, 1)) - 1
			printf "\\%03o", high * 16 + index(hex, substr($1, i + 1, 1)) - 1
		}
	}' hex=0123456789abcdef)" | base64
}

awk -v numbers="$numbers" -v script="$script" -v style="$style" \
	-v script_hash="sha256-$(digest "$script")" -v style_hash="sha256-$(digest "$style")" '
# The line "@style@" or "@script@" of the page becomes that element, its text
# the file as it is, which is what its digest was taken of.
function put(tag, file,    line) {
	printf "<%s>", tag
	while ((getline line < file) > 0)
		print line
	printf "</%s>\n", tag
}
$0 == "@style@" { put("style", style); next }
$0 == "@script@" { put("script", script); next }
{
	sub(/@script-hash@/, script_hash)
	sub(/@style-hash@/, style_hash)
	sub(/@numbers@/, "[" numbers "]")
	print
}' "$here/page.html.in" >"$out"
