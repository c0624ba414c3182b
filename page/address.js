// The address of every state of the page, and the state of an address: the
// view and the index of its step, and the signals when they are not the
// files' (#output--1?x=1,2,3&h=1,-1&x0=-1), an exercise
// (#practise?seed=17&level=3) or a worksheet (#sheet?seed=17&count=6).
// Takes typed(), asTyped(), ALLOWED, SAMPLES and ORIGIN of model.js and
// shown() of files.js.

const SEEDS = 2 ** 32;
const LEVELS = [1, 2, 3];
const SHEET = 12; // the most exercises on a worksheet

// The query of signals s: x and h, and their origins where they are not 0.
function signalQuery(s) {
	let q = `?x=${s.x.map(asTyped).join(',')}&h=${s.h.map(asTyped).join(',')}`;
	if (s.x0) q += `&x0=${s.x0}`;
	if (s.h0) q += `&h0=${s.h0}`;
	return q;
}

// The address of view v at the step of index at, with query q.
const addressOf = (v, at, q = '') => `#${v}${at === null ? '' : `-${at}`}${q}`;

// The query of exercise seed at level, and count exercises if a worksheet.
const exerciseQuery = (seed, level, count) =>
	`?seed=${seed}${count ? `&count=${count}` : ''}${level === 2 ? '' : `&level=${level}`}`;

class BadAddress extends Error {}

// The whole number of text, from lo to hi, or a BadAddress that names key.
function whole(key, text, lo, hi) {
	const s = text.replace('−', '-');
	const v = /^[-+]?[0-9]{1,10}$/.test(s) ? Number(s) + 0 : NaN;
	if (!(v >= lo && v <= hi)) throw new BadAddress(`${key}=${shown(text, true)}, expected a whole number from ${index(lo)} to ${hi}`);
	return v;
}

// The values of key in text, a list of 1 to SAMPLES numbers.
function values(key, text) {
	const list = text.split(',');
	if (list.length > SAMPLES) throw new BadAddress(`${key}: ${list.length} values, expected 1 to ${SAMPLES}`);
	return list.map((t) => {
		const v = typed(t);
		if (v === null) throw new BadAddress(`${key}: “${shown(t, true)}” is not ${ALLOWED.replace(/ or 1,5$/, '')}`);
		return v;
	});
}

// The state that address a gives, the files giving signals f where it has
// none: {view, at, the index of its step or null, signals, seed, level,
// count}, or {view, error} with why the page cannot take it. A view that is
// not one gives the input side.
function fromHash(a, f) {
	const [, name = '', at = null, query = null] = /^#([a-z]*)(?:-(-?[0-9]+))?(?:\?(.*))?$/s.exec(a) ?? [];
	const view = ['input', 'table', 'output', 'practise', 'sheet'].includes(name) ? name : 'input';
	const state = { view, at: at === null ? null : Number(at), signals: f, seed: null, level: 2, count: 0 };
	if (query === null) return state;
	const params = new URLSearchParams(query);
	const allowed = view === 'sheet' ? ['seed', 'count', 'level'] : view === 'practise' ? ['seed', 'level'] : ['x', 'h', 'x0', 'h0'];
	try {
		for (const key of new Set(params.keys())) {
			if (!allowed.includes(key)) throw new BadAddress(`${shown(key, true)}: not a part of this address, which takes ${allowed.join(', ')}`);
			if (params.getAll(key).length > 1) throw new BadAddress(`${shown(key, true)}: given twice`);
		}
		const get = (key) => params.get(key);
		if (view === 'practise' || view === 'sheet') {
			if (get('seed') !== null) state.seed = whole('seed', get('seed'), 0, SEEDS - 1);
			if (get('level') !== null) state.level = whole('level', get('level'), 1, LEVELS.length);
			if (view === 'sheet') state.count = get('count') === null ? 6 : whole('count', get('count'), 1, SHEET);
			return state;
		}
		const s = { ...f };
		if (get('x') !== null) s.x = values('x', get('x'));
		if (get('h') !== null) s.h = values('h', get('h'));
		if (!s.h) throw new BadAddress('h: needed, as these files give no h');
		if (get('x0') !== null) s.x0 = whole('x0', get('x0'), -ORIGIN, ORIGIN);
		if (get('h0') !== null) s.h0 = whole('h0', get('h0'), -ORIGIN, ORIGIN);
		state.signals = s;
		return state;
	} catch (e) {
		if (e instanceof BadAddress) return { view, error: e.message };
		throw e;
	}
}
