# Text as it may safely go to a terminal or a page, for awk in the C locale,
# which reads a byte a character. code[c] must hold the value of each byte c.
#
# shown(s, field): s with its control characters written as C escapes, \t,
# \r, \n or \xHH: the C0 bytes, DEL, and the C1 code points U+0080 to U+009F
# (in UTF-8 the pairs C2 80 to C2 9F), and every byte that does not form
# UTF-8 as \xHH; the letters of any language are kept. A field (field set)
# also has its backslashes and every byte beyond ASCII escaped, and is cut
# short with "..." after 20 characters.
function shown(s, field,    out, c, b, i, n) {
	if (field && length(s) > 20)
		return shown(substr(s, 1, 20), 1) "..."
	out = ""
	for (i = 1; i <= length(s); i++) {
		c = substr(s, i, 1)
		b = code[c]
		if (c == "\\" && field)
			out = out "\\\\"
		else if (c == "\t")
			out = out "\\t"
		else if (c == "\r")
			out = out "\\r"
		else if (c == "\n")
			out = out "\\n"
		else if (b < 32 || b == 127 || b > 126 && field)
			out = out sprintf("\\x%02x", b)
		else if (b > 127) {
			n = utf8(s, i)
			if (n == 2 && b == 194 && code[substr(s, i + 1, 1)] < 160)
				out = out sprintf("\\x%02x", b)
			else if (n == 0)
				out = out sprintf("\\x%02x", b)
			else {
				out = out substr(s, i, n)
				i += n - 1
			}
		} else
			out = out c
	}
	return out
}

# The length of the UTF-8 sequence that starts at byte i of s, or 0 where
# the bytes there form none: no overlong form, surrogate or code point
# beyond U+10FFFF.
function utf8(s, i,    b, n, k, lo, hi) {
	b = code[substr(s, i, 1)]
	n = b >= 194 && b <= 223 ? 2 : b >= 224 && b <= 239 ? 3 : b >= 240 && b <= 244 ? 4 : 0
	lo = b == 224 ? 160 : b == 240 ? 144 : 128
	hi = b == 237 ? 159 : b == 244 ? 143 : 191
	for (k = 1; k < n; k++) {
		b = code[substr(s, i + k, 1)]
		if (b < lo || b > hi)
			return 0
		lo = 128
		hi = 191
	}
	return n
}
