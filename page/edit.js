// x and h as the student changes them in "Change x and h": a well-known
// signal from a menu, a swap, the number of samples and the first index of
// each, and each value, typed and taken when it is committed (Enter, or
// leaving its field) and only if it is one the page allows; or a value
// dragged on the output side. Takes the state and change() of controls.js,
// typed(), asTyped(), SAMPLES and ORIGIN of model.js.

// Signals students know, for x and for h: a name, the values, the origin.
const PRESETS = {
	x: [
		['δ[n]', [1], 0],
		['δ[n − 2], a shifted δ', [1], 2],
		['a step of 8, u[n] − u[n − 8]', Array(8).fill(1), 0],
		['a rectangle, 1 from n = −2 to 2', Array(5).fill(1), -2],
		['a ramp, n from 0 to 7', [0, 1, 2, 3, 4, 5, 6, 7], 0],
		['alternating, (−1)ⁿ from 0 to 7', [1, -1, 1, -1, 1, -1, 1, -1], 0],
		['0.8ⁿ from 0 to 6', Array.from({ length: 7 }, (_, n) => Number((0.8 ** n).toFixed(6))), 0],
	],
	h: [
		['δ[n]', [1], 0],
		['a moving average of 4', Array(4).fill(0.25), 0],
		['a difference, [1, −1]', [1, -1], 0],
		['an echo, [1, 0, 0, 0.5]', [1, 0, 0, 0.5], 0],
		['a smoothing, [0.25, 0.5, 0.25] from n = −1', [0.25, 0.5, 0.25], -1],
	],
};

// The rule of each part of a signal other than its values: its least and
// most, and what it is called.
const PARTS = { size: [1, SAMPLES, 'samples'], origin: [-ORIGIN, ORIGIN, 'first n'] };

// A selector for the field like box, to find it once the fields are made anew.
const like = (box) => `input[data-kind="${box.dataset.kind}"]` +
	(box.dataset.part ? `[data-part="${box.dataset.part}"]` : `[data-index="${box.dataset.index}"]`);
const field = (kind, at) => document.querySelector(`input[data-kind="${kind}"][data-index="${at}"]`);

// A field of kind and part, or value at, labelled name, showing v.
function input(kind, name, v, what) {
	const label = document.createElement('label');
	const box = document.createElement('input');
	label.append(`${name} `, box);
	Object.assign(box, { type: 'text', inputMode: what.part ? 'numeric' : 'decimal', autocomplete: 'off', spellcheck: false,
		value: v === null ? '' : asTyped(v), disabled: v === null });
	Object.assign(box.dataset, { kind, ...what });
	return label;
}

// The fields of x and h, filled with the signals in use: those of the
// values made anew, none marked, when their number or indices change, else
// their values set; those of the number and first index kept, so that focus
// stays on them.
function signalInputs() {
	const none = signals.h === null;
	for (const kind of ['x', 'h']) {
		const set = $(`${kind}-values`);
		const values = signals[kind] ?? Array(TAPS).fill(null);
		const at = signals[`${kind}0`];
		if (!set.querySelector('.parts')) {
			const parts = document.createElement('span');
			parts.className = 'parts';
			parts.append(input(kind, 'samples', 0, { part: 'size' }), input(kind, 'first n', 0, { part: 'origin' }));
			set.append(parts);
		}
		for (const [part, v] of [['size', values.length], ['origin', at]]) {
			const box = set.querySelector(`[data-part="${part}"]`);
			Object.assign(box, { value: none ? '' : String(v), disabled: none });
			box.dataset.before = box.value;
		}
		set.querySelectorAll('[aria-invalid]').forEach((box) => box.removeAttribute('aria-invalid'));
		const key = `${values.length} ${at} ${none}`;
		if (set.dataset.key === key) {
			values.forEach((v, i) => (field(kind, i).value = field(kind, i).dataset.before = asTyped(v)));
			continue;
		}
		const kept = set.contains(document.activeElement) && like(document.activeElement);
		set.dataset.key = key;
		set.querySelectorAll(':scope > label').forEach((l) => l.remove());
		set.append(...values.map((v, i) => input(kind, `${kind}[${index(at + i)}]`, none ? null : v, { index: i })));
		if (kept) (set.querySelector(kept) ?? set.querySelector('input')).focus();
	}
	for (const kind of ['x', 'h']) {
		const menu = $(`${kind}-preset`);
		const i = PRESETS[kind].findIndex(([, v, at]) => at === signals[`${kind}0`] && equal(v, signals[kind]));
		menu.value = String(i);
		menu.disabled = none && kind === 'x';
	}
	$('swap').disabled = none;
	$('edit-message').textContent = '';
}

// Marks field box as holding text that is not allowed, and says so.
function refuse(box, name, what, stays) {
	const text = box.value.length > 24 ? `${box.value.slice(0, 24)}…` : box.value;
	$('edit-message').textContent = `${name}: “${text}” is not ${what}; ${name} stays ${stays}.`;
	box.setAttribute('aria-invalid', 'true');
	box.setAttribute('aria-describedby', 'edit-message');
}

// Takes the text of field box if it changed since the field was focused:
// its value if allowed, else the field marked and the value kept; a field
// left shows the value in use again.
function commit(box, leaving) {
	if (box.value === box.dataset.before) return;
	const { kind, part } = box.dataset;
	const s = { ...signals, [kind]: [...signals[kind]] };
	let refused = null; // the name of what was refused, and what is allowed
	if (part) {
		const [lo, hi, name] = PARTS[part];
		const t = box.value.trim().replace('−', '-');
		const v = /^[-+]?[0-9]{1,3}$/.test(t) ? Number(t) + 0 : NaN;
		if (!(v >= lo && v <= hi)) refused = [`${kind}: ${name}`, `a whole number from ${index(lo)} to ${hi}`];
		else if (part === 'origin') s[`${kind}0`] = v;
		else s[kind] = Array.from({ length: v }, (_, i) => s[kind][i] ?? 0);
	} else {
		const at = Number(box.dataset.index);
		const v = typed(box.value);
		if (v === null) refused = [`${kind}[${index(signals[`${kind}0`] + at)}]`, ALLOWED];
		else s[kind][at] = v;
	}
	if (!refused) return change(s, 'edit');
	refuse(box, ...refused, box.dataset.before);
	if (leaving) box.value = box.dataset.before;
}

// Closes the panel, its field in focus as it was, and focuses its summary.
function closeEdit() {
	const box = document.activeElement;
	if ($('edit').contains(box) && box.dataset.kind) box.value = box.dataset.before;
	$('edit').open = false;
	$('edit').querySelector('summary').focus();
}

for (const kind of ['x', 'h']) {
	const menu = $(`${kind}-preset`);
	menu.append(new Option('as it is', '-1'), ...PRESETS[kind].map(([name], i) => new Option(name, String(i))));
	menu.addEventListener('change', () => {
		const preset = PRESETS[kind][Number(menu.value)];
		if (!preset) return signalInputs();
		const s = { ...signals, [kind]: preset[1], [`${kind}0`]: preset[2] };
		change(s, 'edit');
	});
}
$('swap').addEventListener('click', () => change({ x: signals.h, h: signals.x, x0: signals.h0, h0: signals.x0 }, 'swap'));
$('edit-hint').textContent = `Type ${ALLOWED}, then Enter or Tab; or drag a dot of x or h on the output side. ` +
	`x and h have 1 to ${SAMPLES} samples each, and the first may be at n = −${ORIGIN} to ${ORIGIN}.`;
$('edit').addEventListener('focusin', (e) => {
	if (e.target.dataset.kind) e.target.dataset.before = e.target.value;
});
$('edit').addEventListener('keydown', (e) => {
	if (e.key !== 'Enter' || !e.target.dataset.kind) return;
	e.preventDefault();
	commit(e.target, false);
});
// Focus leaving the panel closes it; focus going to a field that a commit
// made anew goes to the new one.
$('edit').addEventListener('focusout', (e) => {
	const next = e.relatedTarget;
	if (!e.target.isConnected) return;
	if (e.target.dataset.kind) commit(e.target, true);
	if (next?.dataset.kind && !next.isConnected)
		($('edit').querySelector(like(next)) ?? $('edit').querySelector(`input[data-kind="${next.dataset.kind}"]`)).focus();
	else if (!$('edit').contains(next)) $('edit').open = false;
});
$('reset').addEventListener('click', () => {
	useFiles(base);
	$('edit').querySelector('summary').focus();
});

// x and h dragged on the output side, in steps of 0.05 up to the limit, on
// the scale of the axis as it was when the drag began.
let dragging = null;
$('view').addEventListener('pointerdown', (e) => {
	const { kind, index: at } = e.target.dataset;
	if (!kind || !drawn.h || view !== 'output') return;
	dragging = { kind, at: Number(at), y: e.clientY, v: signals[kind][at], per: signalAxis.per };
	$('view').setPointerCapture(e.pointerId);
	e.preventDefault();
});
$('view').addEventListener('pointermove', (e) => {
	if (!dragging) return;
	const v = Math.round((dragging.v - (e.clientY - dragging.y) * dragging.per) * 20) / 20;
	const within = Math.min(LIMIT, Math.max(-LIMIT, v)) + 0;
	if (within === signals[dragging.kind][dragging.at]) return;
	const s = { ...signals, [dragging.kind]: [...signals[dragging.kind]] };
	s[dragging.kind][dragging.at] = within;
	change(s, 'edit');
});
$('view').addEventListener('pointerup', () => (dragging = null));
$('view').addEventListener('pointercancel', () => (dragging = null));
