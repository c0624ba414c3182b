// Reads and checks a set of nine contribution files by the rules that the
// plot script's check.sh applies, and gives the same one line for the first
// bad file. The files are taken as bytes, one character each, as awk reads
// them in the C locale. Takes nothing from the other sources; the first of
// them, it gives FILES, ROWS, FILE_LIMIT, shown(), BadFile and readSet().

const FILES = 9;
const ROWS = 12;
const FILE_LIMIT = 65536;

// s as it may safely be shown: control characters as C escapes, the C1 code
// points U+0080 to U+009F as their UTF-8 bytes. A field, one character a
// byte, also has its backslashes and bytes beyond ASCII escaped, and is cut
// short with "..." after 20 characters; a name keeps its letters.
function shown(s, field) {
	if (field && s.length > 20) return shown(s.slice(0, 20), true) + '...';
	let out = '';
	for (const c of s) {
		const code = c.charCodeAt(0);
		if (c === '\\' && field) out += '\\\\';
		else if (c === '\t') out += '\\t';
		else if (c === '\r') out += '\\r';
		else if (c === '\n') out += '\\n';
		else if (code < 32 || code === 127 || (code > 126 && field))
			out += '\\x' + code.toString(16).padStart(2, '0');
		else if (code >= 0x80 && code <= 0x9f) out += '\\xc2\\x' + code.toString(16);
		else out += c;
	}
	return out;
}

class BadFile extends Error {
	constructor(name, line, what) {
		super(`${shown(name, false)}: ${line ? `line ${line}: ` : ''}${what}`);
	}
}

// A finite number's text. Each part can match in one way only, so that the
// test takes time linear in the length of the text.
const NUMBER = /^[-+]?(?:[0-9]+(?:[.][0-9]*)?|[.][0-9]+)(?:[eE][-+]?[0-9]+)?$/;

// Field s of line nr as a number, or a BadFile that says what.
function number(name, nr, what, s) {
	const v = NUMBER.test(s) ? Number(s) : NaN;
	if (!Number.isFinite(v)) throw new BadFile(name, nr, what);
	if (Math.abs(v) > 1e300)
		throw new BadFile(name, nr, `value ${shown(s, true)}, expected at most 1e300 in size`);
	return v;
}

// The sample and the twelve rows of file j, from its text, one character a
// byte; a BadFile if it is not as the program writes it.
function readText(name, j, text) {
	const lines = text.split('\n');
	const ended = lines.length - 1;
	const rows = [];
	let sample = 0;
	for (let i = 0; i < lines.length && !(i === ended && lines[i] === ''); i++) {
		const nr = i + 1;
		if (nr > ended)
			throw new BadFile(name, nr, 'no line feed at its end, so the file may be cut short');
		if (lines[i].includes('\0')) throw new BadFile(name, nr, 'NUL byte, expected text');
		const line = lines[i].replace(/\r$/, '');
		const f = line.split(/[ \t]+/).filter((s) => s !== '');
		if (nr === 1 && !line.startsWith('#')) throw new BadFile(name, 1, 'expected a "#" line');
		if (nr === 2) {
			const what = `expected "# x[${j}] = value"`;
			if (!(f.length === 4 && f[0] === '#' && f[1] === `x[${j}]` && f[2] === '='))
				throw new BadFile(name, 2, what);
			sample = number(name, 2, what, f[3]);
		}
		if (nr <= 2 || (rows.length === ROWS && f.length === 0)) continue;
		if (rows.length === ROWS) throw new BadFile(name, nr, 'more than 12 rows');
		if (f.length !== 2) throw new BadFile(name, nr, 'expected index and value');
		if (f[0] !== String(rows.length))
			throw new BadFile(name, nr, `index ${shown(f[0], true)}, expected ${rows.length}`);
		rows.push(number(name, nr, `value ${shown(f[1], true)}, expected a finite number`, f[1]));
	}
	if (rows.length < ROWS) throw new BadFile(name, 0, `${rows.length} rows, expected 12`);
	return { sample, rows };
}

// bytes as a string of one character a byte.
function latin1(bytes) {
	let s = '';
	for (let i = 0; i < bytes.length; i += 8192)
		s += String.fromCharCode(...bytes.subarray(i, i + 8192));
	return s;
}

// The set from files[j], the bytes of x_j.csv, null where it is missing or
// the reason it could not be read:
// { x, rows } with x[j] and rows[j][n], or { error } with the line that
// names the first bad file.
function readSet(files) {
	const x = [];
	const rows = [];
	try {
		for (let j = 0; j < FILES; j++) {
			const name = `x_${j}.csv`;
			const bytes = files[j];
			if (!bytes)
				throw new BadFile(name, 0, 'No such file or directory; convolution_demo writes the files');
			if (typeof bytes === 'string') throw new BadFile(name, 0, bytes);
			if (bytes.length === 0) throw new BadFile(name, 0, 'empty file');
			if (bytes.length > FILE_LIMIT)
				throw new BadFile(name, 0, `${bytes.length} bytes, expected at most ${FILE_LIMIT}`);
			const file = readText(name, j, latin1(bytes));
			x.push(file.sample);
			rows.push(file.rows);
		}
	} catch (e) {
		if (e instanceof BadFile) return { error: e.message };
		throw e;
	}
	return { x, rows };
}
