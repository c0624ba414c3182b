// The numbers every view draws, and how they are written: from a set of
// files as it was read, or from x and h as a student has edited them.
// Takes FILES and ROWS of files.js.

const TAPS = ROWS - FILES + 1;

// h from the files, as the plot script finds it: row j + k of x_j.csv is
// x[j]·h[k], read from the file of the largest sample in size, big. null
// where every sample is zero.
function tapsOf(set, big) {
	if (set.x[big] === 0) return null;
	return Array.from({ length: TAPS }, (_, k) => set.rows[big][big + k] / set.x[big]);
}

// The file of the largest sample in size, the first of them.
function largest(set) {
	let big = 0;
	for (let j = 1; j < FILES; j++) if (Math.abs(set.x[j]) > Math.abs(set.x[big])) big = j;
	return big;
}

// h as one h gives every file's rows, or why the files give none: with
// every x[j] zero, with a tap beyond 1e300 in size, or the first row that departs from x[j]·h[n − j] by more
// than writing x, h and their product in single precision with six
// decimals can make of them, 1e-6·(1 + 2|h[k]|) + 2^-20·|x[j]·h[k]|.
function oneH(set) {
	const big = largest(set);
	const h = tapsOf(set, big);
	if (!h) return { h, why: 'every x[j] is zero, so the files do not give h' };
	const huge = h.findIndex((v) => !(Math.abs(v) <= 1e300));
	if (huge >= 0)
		return { h: null, why: `x_${big}.csv: line ${big + huge + 3}: ${g(set.rows[big][big + huge], 6)}, which over ` +
			`x[${big}] = ${g(set.x[big], 6)} makes h[${huge}] beyond 1e300 in size` };
	for (let j = 0; j < FILES; j++)
		for (let n = 0; n < ROWS; n++) {
			const k = n - j;
			const within = k >= 0 && k < TAPS;
			const tap = within ? h[k] : 0;
			const predicted = set.x[j] === 0 ? 0 : set.x[j] * tap;
			if (Math.abs(set.rows[j][n] - predicted) > 1e-6 * (1 + 2 * Math.abs(tap)) + 2 ** -20 * Math.abs(predicted))
				return { h: null, why: `x_${j}.csv: line ${n + 3}: ${g(set.rows[j][n], 6)}, where h from x_${big}.csv gives ` +
					(within ? `x[${j}]*h[${k}] = ${g(predicted, 6)}` : `0, as h has no tap ${k}`) };
		}
	return { h, why: null };
}

// s, a sum of terms whose sizes add up to size, or 0 where s is below their
// precision: all that is left when terms cancel is their rounding.
const settled = (s, size) => (Math.abs(s) <= size * 2 ** -48 ? 0 : s);

// What the views draw: x, h (or null), their origins x0 and h0, the index
// of their first sample, and n0 = x0 + h0, that of y; taps, the length of h;
// rows[j][i], the term of x[x0 + j] in y[n0 + i]; partial[j][i], the sum of
// rows 0 .. j; y, the whole sum; and files, whether the files gave them.
// Views index x, h, rows and y from 0 and name them by index, origin added.
function model(s, rows, files) {
	const size = rows[0].map(() => 0);
	const partial = [];
	rows.forEach((row, j) => partial.push(row.map((v, n) => {
		size[n] += Math.abs(v);
		return settled((j ? partial[j - 1][n] : 0) + v, size[n]);
	})));
	const taps = rows[0].length - rows.length + 1;
	return { x: s.x, h: s.h, x0: s.x0, h0: s.h0, n0: s.x0 + s.h0, taps, rows, partial, y: partial.at(-1), files };
}

// The model of a set as its files give it, with why, why they give no h.
function fromFiles(set) {
	const { h, why } = oneH(set);
	return { ...model({ x: set.x, h, x0: 0, h0: 0 }, set.rows, true), why };
}

// The model of signals {x, h, x0, h0}, its rows computed here.
function fromSignals(s) {
	const { x, h } = s;
	const rows = x.map((v, j) => Array.from({ length: x.length + h.length - 1 },
		(_, i) => (i >= j && i - j < h.length ? v * h[i - j] : 0)));
	return model(s, rows, false);
}

// The most samples x or h may have, and the origins they may start at, so
// that x and h may always be swapped.
const SAMPLES = 16;
const ORIGIN = 8;

// Index i as a name writes it, with the minus sign.
const index = (i) => minus(String(i));
// name[n − j], a signal shifted to start at j: name[n + 1] where j is −1.
const shifted = (name, j) => `${name}[n ${j < 0 ? '+' : '−'} ${Math.abs(j)}]`;
// The ordinal of c, a count from 1: 1st, 2nd, 3rd, 4th, 11th, 12th, 13th, 21st.
const ordinal = (c) => `${c}${(c % 100 < 11 || c % 100 > 13) && ['st', 'nd', 'rd'][(c % 10) - 1] || 'th'}`;

// What a student may type for a value of x or h: at most LIMIT in size and
// at most DECIMALS decimals, so that every product and sum stays exact
// enough to show and fits its panel.
const LIMIT = 1000;
const DECIMALS = 6;
const ALLOWED = `a number from −${LIMIT} to ${LIMIT} with at most ${DECIMALS} decimals, such as -0.6 or 1,5`;

// The value of text as a student types it, with a decimal point or comma,
// "-" or "−", and an exponent if wanted; null if it is not one allowed.
function typed(text) {
	const s = text.trim().replace(',', '.').replaceAll('−', '-');
	const m = /^[-+]?(?:[0-9]+(?:[.]([0-9]*))?|[.]([0-9]+))(?:[eE]([-+]?[0-9]+))?$/.exec(s);
	if (!m || s.length > 40) return null;
	const decimals = (m[1] ?? m[2] ?? '').replace(/0+$/, '').length - Number(m[3] ?? 0);
	const v = Number(s) + 0;
	return Math.abs(v) <= LIMIT && decimals <= DECIMALS ? v : null;
}

// v as a person writes it in a field: the shortest form that gives v, or,
// where that runs long with rounding, v to 12 digits.
function asTyped(v) {
	const s = String(v);
	return s.length <= 12 ? s : String(Number(v.toPrecision(12)));
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
