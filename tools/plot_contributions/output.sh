# Says whether the plot script can write OUTPUT, before it reads or draws
# anything: nothing and exit status 0 if it can, else one line, the name as
# the script's messages show it and the system's reason, and exit status 1.
# A file made to find out is removed again, so that nothing is left behind.
#
#   sh output.sh OUTPUT
out=$1
made=
[ -e "$out" ] || [ -L "$out" ] || made=1
# dd opens the file to write, as the drawing will, and writes nothing.
if why=$(LC_ALL=C dd of="$out" conv=notrunc count=0 2>&1 </dev/null); then
	[ -z "$made" ] || rm -f -- "$out"
	exit 0
fi
printf '%s: %s\n' "$(sh "$(dirname "$0")/name.sh" "$out")" "${why##*: }"
exit 1
