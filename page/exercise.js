// Exercises: x and h of small whole numbers, drawn from a seed by a
// generator in 32-bit integer arithmetic alone, so that a seed and a level
// give the same exercise in every browser, on every machine and in every
// version of the page. Takes fromSignals() of model.js.

// The draws of seed: next(n) is a whole number from 0 to n − 1. A state of
// 32 bits moved on by a constant, then mixed by multiplying and shifting.
function generator(seed) {
	let s = seed >>> 0;
	return (n) => {
		s = (s + 0x6d2b79f5) >>> 0;
		let t = Math.imul(s ^ (s >>> 15), s | 1);
		t ^= t + Math.imul(t ^ (t >>> 7), t | 61);
		return ((t ^ (t >>> 14)) >>> 0) % n;
	};
}

// What each level draws from: the lengths of x and of h, the values and the
// origins, each as [least, most].
const LEVEL = {
	1: { x: [3, 4], h: [2, 2], values: [0, 3], origins: [0, 0] },
	2: { x: [3, 6], h: [2, 4], values: [-3, 3], origins: [-2, 2] },
	3: { x: [4, 8], h: [3, 4], values: [-5, 5], origins: [-4, 4] },
};

// The exercise of seed at level: {seed, level, x, h, x0, h0, model}, its
// model marked as an exercise's, x and
// h each starting and ending with a sample that is not zero, so that y is
// not zero at its first and last index. Drawn in this order: the length of
// x, of h, the origin of x, of h, the samples of x, of h.
function exercise(seed, level) {
	const next = generator(seed);
	const { x, h, values: [lo, hi], origins } = LEVEL[level];
	const between = ([a, b]) => a + next(b - a + 1);
	const nonzero = () => {
		const v = between([lo, hi - 1]);
		return v >= 0 ? v + 1 : v;
	};
	const signal = (length) => Array.from({ length }, (_, i) => (i === 0 || i === length - 1 ? nonzero() : between([lo, hi])));
	const [xs, hs, x0, h0] = [between(x), between(h), between(origins), between(origins)];
	const s = { x: signal(xs), h: signal(hs), x0, h0 };
	return { seed, level, ...s, model: { ...fromSignals(s), exercise: true } };
}
