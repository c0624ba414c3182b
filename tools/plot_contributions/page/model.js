// The numbers every view draws, and how they are written: from a set of
// files as it was read, or from x and h as a student has edited them.

const TAPS = ROWS - FILES + 1;

// h from the files, as the plot script finds it: row j + k of x_j.csv is
// x[j]·h[k], read from the file of the largest sample in size. null where
// every sample is zero.
function tapsOf(set) {
	let big = 0;
	for (let j = 1; j < FILES; j++) if (Math.abs(set.x[j]) > Math.abs(set.x[big])) big = j;
	if (set.x[big] === 0) return null;
	return Array.from({ length: TAPS }, (_, k) => set.rows[big][big + k] / set.x[big]);
}

// What the views draw: x, h (or null), rows[j][n], partial[j][n], the sum of
// rows 0 .. j, and y, the whole sum.
function model(x, h, rows) {
	const partial = [];
	rows.forEach((row, j) => partial.push(row.map((v, n) => (j ? partial[j - 1][n] : 0) + v)));
	return { x, h, rows, partial, y: partial[FILES - 1] };
}

// The model of a set as its files give it.
function fromFiles(set) {
	return model(set.x, tapsOf(set), set.rows);
}

// The model of x and h, its rows computed here.
function fromSignals(x, h) {
	const rows = x.map((v, j) =>
		Array.from({ length: ROWS }, (_, n) => (n >= j && n - j < TAPS ? v * h[n - j] : 0)));
	return model(x, h, rows);
}

// v as C's "%.<p>g" writes it.
function g(v, p) {
	if (v === 0) return '0';
	const [mantissa, power] = v.toExponential(p - 1).split('e');
	const e = Number(power);
	const trim = (s) => (s.includes('.') ? s.replace(/\.?0+$/, '') : s);
	if (e < -4 || e >= p)
		return `${trim(mantissa)}e${e < 0 ? '-' : '+'}${String(Math.abs(e)).padStart(2, '0')}`;
	return trim(v.toFixed(Math.max(0, p - 1 - e)));
}

// s with each "-" written as the minus sign "−".
const minus = (s) => s.replaceAll('-', '−');
// v as a value label: two decimals, or three digits where two decimals would
// hide it or run long.
const written = (v) =>
	minus(v === 0 || (Math.abs(v) >= 0.005 && Math.abs(v) < 1e6) ? v.toFixed(2) : g(v, 3));
// v in a title, as short as it goes.
const short = (v) => minus(g(v, 6));
