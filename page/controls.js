// The page's state and the controls of its views: the views as tabs, the
// steps by key, slider and play, the address that holds view, step and
// signals, the line a screen reader is told at each step, and focus kept
// where it was through every redraw. Takes the views from input_side.js,
// table.js, output_side.js, practise.js and sheet.js, and the addresses of
// address.js; edit.js and open.js change the signals, or the files, through
// useFiles and change.

const $ = (id) => document.getElementById(id);
// The smallest box a view is drawn in; a smaller one scrolls.
const LEAST = { width: 720, height: 340 };
// The page.css layout for small screens, in which the page scrolls down and
// the table's box grows with what it holds.
const scrolling = matchMedia('(max-width: 700px), (max-height: 480px)');
const VIEWS = ['input', 'table', 'output', 'practise'];
const SWAPPED = 'x and h swapped: y is the same, as x ∗ h = h ∗ x, which is why convolution is called commutative';
const last = { input: 0, output: 0 }; // the step each view was last at
let base; // the model of the files in use
let signals; // {x, h, x0, h0} in use in the views, h null where the files give none
let drawn; // what is drawn: base, or the signals as changed
let swapped = false; // whether the last change swapped x and h
let view = 'input';
let step = 0; // the step of the view: x[x0 + step] added, or y[n0 + step]
const pointed = { pointer: null, focus: null }; // the table's cell {j, n} under the pointer, in focus
let shownTerm = { j: 3, n: 4 }; // the term that the panels under the table show
let ringed = ''; // the term ringed there, if any, as "j n"
let addressed = ''; // the address of the step shown, written or about to be
let timer = null;
let signalAxis; // the output side's panel of x and h, whose dots can be dragged
let drawnFor = ''; // the size of the view's box when it was drawn
let drawing = false;
let sketch = null; // the view drawn for any step: its model, view and size, and step(s)
let termSize; // the width and height of the table's term in both readings

// The set of files that the page was made from.
function builtIn() {
	const numbers = JSON.parse($('numbers').textContent);
	const set = { x: [], rows: [] };
	for (let j = 0; j < FILES; j++) {
		set.x.push(numbers[j * (ROWS + 1)]);
		set.rows.push(numbers.slice(j * (ROWS + 1) + 1, (j + 1) * (ROWS + 1)));
	}
	return set;
}

const filesSignals = () => ({ x: base.x, h: base.h, x0: 0, h0: 0 });
const equal = (a, b) => a === b || (a !== null && b !== null && a.length === b.length && a.every((v, i) => v === b[i]));
// Whether signals s and t are the same.
const same = (s, t) => s.x0 === t.x0 && s.h0 === t.h0 && equal(s.x, t.x) && equal(s.h, t.h);

// Takes the files of set, as they are, and draws them unless told not to.
function useFiles(set, drawNow = true) {
	base = fromFiles(set);
	change(filesSignals(), 'files', drawNow);
}

// The query of the signals in use, empty where they are the files'.
const query = () => (drawn.files ? '' : signalQuery(signals));

// Takes signals s, which how says came by a 'swap' or otherwise. The step
// stays at its index where it can, the address follows, and all is drawn
// anew if drawNow.
function change(s, how, drawNow = true) {
	const at = drawn ? stepIndex(view, step) : 0;
	signals = { x: [...s.x], h: s.h && [...s.h], x0: s.x0, h0: s.h0 };
	swapped = how === 'swap';
	const files = same(signals, filesSignals());
	drawn = files ? base : fromSignals(signals);
	$('edited').hidden = $('edited-mark').hidden = files;
	signalInputs();
	step = clamp(view, at - origin(view));
	for (const v of ['input', 'output']) last[v] = v === view ? step : clamp(v, last[v]);
	if (!drawNow) return;
	if (!exercises(view)) {
		addressed = address(view, step);
		history.replaceState(null, '', addressed);
	}
	draw();
}

// Whether view v shows exercises, not the signals in use.
const exercises = (v) => v === 'practise' || v === 'sheet';

// The steps of view v, and the index of the first.
const steps = (v) => (v === 'input' ? drawn.x.length : v === 'output' ? drawn.y.length : 0);
const origin = (v) => (v === 'input' ? drawn.x0 : v === 'output' ? drawn.n0 : 0);
const stepIndex = (v, s) => (drawn && steps(v) ? origin(v) + s : 0);
const clamp = (v, s) => Math.min(steps(v) - 1, Math.max(0, s)) || 0;

// The address of step s of view v.
function address(v, s) {
	if (v === 'practise') return addressOf(v, null, task ? exerciseQuery(practice.seed, practice.level) : '');
	if (v === 'sheet') return addressOf(v, null, exerciseQuery(sheet.seed, sheet.level, sheet.count));
	return addressOf(v, steps(v) ? origin(v) + s : null, query());
}

const boxSize = () => `${$('view').clientWidth}x${$('view').clientHeight}`;

// The view's line: what it says, and a swap.
function line(text) {
	$('sum').textContent = [text, swapped && !exercises(view) && SWAPPED].filter(Boolean).join(' · ');
}

// Draws the view and step in the address: first the words around the view,
// which may change its box, then the view in the box as it then is.
function draw() {
	const box = $('view');
	// A view opens at its start, not where the one before it was scrolled to.
	if (box.className !== view) {
		box.className = view;
		box.scrollTo(0, 0);
	}
	for (const name of VIEWS) {
		const link = $(`to-${name}`);
		if (name === view || (name === 'practise' && view === 'sheet')) link.setAttribute('aria-current', 'page');
		else link.removeAttribute('aria-current');
		link.href = name === 'practise' ? address(name) : address(name, last[name] ?? 0);
	}
	const practising = exercises(view);
	$('edit').hidden = practising;
	$('stepper').hidden = !steps(view) || practising;
	const slider = $('step');
	slider.max = steps(view) - 1;
	slider.value = step;
	const at = index(stepIndex(view, step));
	$('step-label').textContent = view === 'output' ? `n = ${at}` : `x[${at}] added`;
	slider.setAttribute('aria-valuetext', view === 'output' ? `y[${at}]` : inputTitle(drawn, step));
	const term = pointed.pointer || pointed.focus;
	if (view === 'input') {
		$('title').textContent = inputTitle(drawn, step);
		line(`The sum so far: ${drawn.partial[step].map(written).join('  ')}`);
	} else if (view === 'output') {
		$('title').textContent = drawn.h ? outputTitle(drawn, step) : 'The output side needs one h that gives every file, and these files give none';
		line(drawn.h ? '' : drawn.why);
	} else if (view === 'table') {
		$('title').textContent = tableTitle(drawn);
		line(term ? termText(drawn, term.j, term.n) : TABLE_HINT);
	}

	const kept = focusKey(document.activeElement, box);
	drawing = true;
	drawnFor = boxSize();
	const r = box.getBoundingClientRect();
	// Wide enough for value labels that alternate in height, one a column.
	const label = Math.max(...[...drawn.partial.flat(), ...drawn.rows.flat()].map((v) => textWidth(written(v))));
	const columns = view === 'input' ? drawn.y.length : drawn.x.length + 2 * drawn.taps - 2;
	// The input side's titles need their width, and four rows of panels 64
	// pixels each above the sum.
	const titles = view === 'input' ? Math.ceil(inputWidth(drawn)) : 0;
	const width = Math.max(Math.floor(r.width), LEAST.width, titles, Math.ceil((columns * (label + 4)) / 2) + LEFT + 16);
	const height = Math.max(Math.floor(r.height), LEAST.height, view === 'input' && drawn.x.length > 9 ? 406 : 0);
	let right = 0; // the right end of the current step, to keep in sight
	if (practising) {
		sketch = null;
		if (view === 'practise') drawPractise(box, Math.max(Math.floor(r.width) - 24, 320));
		else drawSheet(box);
	} else if (view === 'output' && !drawn.h) {
		// Without one h there is no output side to draw.
		sketch = null;
		box.replaceChildren();
	} else if (view !== 'table') {
		// A step changes only what differs from step to step.
		const key = `${view} ${width} ${height}`;
		if (sketch?.model !== drawn || sketch.key !== key) {
			sketch = { model: drawn, key };
			if (view === 'input') sketch.step = drawInput(box, drawn, width, height);
			else ({ axis: signalAxis, step: sketch.step } = drawOutput(box, drawn, width, height));
		}
		right = sketch.step(step);
	} else {
		sketch = null;
		box.replaceChildren();
		drawTable(box, drawn, (v, s) => {
			go(v, s);
			$('step').focus();
		}, point);
		const below = document.createElement('div');
		below.className = 'term';
		box.append(below);
		termSize = [width - 24, scrolling.matches ? 200 : Math.max(120, box.clientHeight - box.firstChild.offsetHeight - 12)];
		if (term) shownTerm = term;
		shownTerm = { j: Math.min(shownTerm.j, drawn.x.length - 1), n: Math.min(shownTerm.n, drawn.y.length - 1) };
		ringed = term ? `${term.j} ${term.n}` : '';
		drawTerm(below, drawn, shownTerm, term !== null, ...termSize);
	}
	if (kept) refocus(box, kept);
	drawing = false;
	// A drawing larger than its box is a tab stop, so that keys scroll it.
	const wide = width > Math.floor(r.width);
	const over = practising ? box.scrollHeight > box.clientHeight + 1 || box.scrollWidth > box.clientWidth + 1
		: wide || height > Math.floor(r.height);
	if (view !== 'table' && over) box.tabIndex = 0;
	else box.removeAttribute('tabindex');
	if (wide && !practising) box.scrollLeft = Math.max(0, right - r.width);
}

// A selector for the element in focus, if box holds it, that finds its like
// once box is drawn anew.
function focusKey(element, box) {
	if (element === box || !box.contains(element)) return null;
	if (element.dataset.n) return `td[data-j="${element.dataset.j}"][data-n="${element.dataset.n}"]`;
	if (element.id) return `#${element.id}`;
	return element.matches('button') ? `button[aria-label="${element.getAttribute('aria-label')}"]` : null;
}

// Focuses the element of box that key finds, a table's cell being the one
// that Tab comes back to.
function refocus(box, key) {
	const element = box.querySelector(key);
	if (!element || element === document.activeElement) return;
	if (element.matches('td')) {
		box.querySelectorAll('td[tabindex="0"]').forEach((cell) => (cell.tabIndex = -1));
		element.tabIndex = 0;
	}
	element.focus({ preventScroll: true });
}

// The table's cell under the pointer or in focus, as how says, is cell or
// none: the term in both readings below the table follows.
function point(how, cell) {
	if (drawing) return;
	pointed[how] = cell;
	const term = pointed.pointer || pointed.focus;
	if ((term ? `${term.j} ${term.n}` : '') === ringed) return;
	ringed = term ? `${term.j} ${term.n}` : '';
	if (term) shownTerm = term;
	line(term ? termText(drawn, term.j, term.n) : TABLE_HINT);
	drawTerm($('view').querySelector('.term'), drawn, shownTerm, term !== null, ...termSize);
}

// Opens step s of view v, and puts them in the address, which the history
// records once the step is drawn, so as not to hold up the drawing.
function go(v, s = 0) {
	const to = address(v, s);
	if (to !== addressed) {
		addressed = to;
		setTimeout(() => history.pushState(null, '', to));
	}
	show(v, s);
}

function show(v, s) {
	const moved = v !== view || s !== step;
	if (v !== view) {
		play(false);
		pointed.pointer = pointed.focus = null;
	}
	view = v;
	step = s;
	if (steps(v)) last[v] = s;
	draw();
	if (moved) tell();
}

// Tells a screen reader the view's line, once.
function tell() {
	const words = [$('title').textContent, $('sum').textContent].filter(Boolean).join('. ');
	if ($('spoken').textContent !== words) $('spoken').textContent = words;
}

// The state in the address, which becomes the nearest that the page can
// show: a step out of range the nearest step of its view, an address that
// names no view the input side's first step, and one that the page cannot
// take the files' numbers, or a new exercise, with the line that says why.
function fromAddress() {
	let state = fromHash(location.hash, filesSignals());
	if (state.error) {
		const instead = exercises(state.view) ? 'a new exercise' : "the files' numbers";
		showError(`The address: ${state.error}; shown instead: ${instead}`);
		state = { view: state.view, at: null, signals: filesSignals(), seed: null, level: 2, count: 6 };
	}
	const v = state.view;
	if (exercises(v)) setExercise(v, state.seed ?? newSeed(), state.level, state.count);
	else if (!same(state.signals, signals)) {
		view = v;
		change(state.signals, 'address', false);
	}
	const s = steps(v) ? clamp(v, (state.at ?? origin(v)) - origin(v)) : 0;
	addressed = address(v, s);
	if (location.hash !== addressed) history.replaceState(null, '', addressed);
	show(v, s);
}

// Plays the steps from here, one each 1.2 s, or stops.
function play(on) {
	clearInterval(timer);
	timer = null;
	if (on && steps(view)) {
		if (step === steps(view) - 1) go(view, 0);
		timer = setInterval(() => (step < steps(view) - 1 ? go(view, step + 1) : play(false)), 1200);
	}
	if ($('play').textContent !== (timer ? 'Pause' : 'Play')) {
		$('play').textContent = timer ? 'Pause' : 'Play';
		$('play').setAttribute('aria-pressed', String(timer !== null));
	}
}

function stepTo(s) {
	play(false);
	go(view, clamp(view, s));
}

document.addEventListener('keydown', (e) => {
	const t = e.target;
	if (e.key === 'Escape') {
		if ($('edit').open) closeEdit();
		else if (!$('error-line').hidden) dismiss();
		return;
	}
	if (e.altKey || e.ctrlKey || e.metaKey || !steps(view) || $('stepper').hidden || t.matches('input, select, td, summary')) return;
	if (e.key === ' ' && t.matches('button')) return;
	const to = { ArrowLeft: step - 1, ArrowRight: step + 1, Home: 0, End: steps(view) - 1 }[e.key];
	if (e.key === ' ') play(timer === null);
	else if (to !== undefined) stepTo(to);
	else return;
	e.preventDefault();
});
$('previous').addEventListener('click', () => stepTo(step - 1));
$('next').addEventListener('click', () => stepTo(step + 1));
$('play').addEventListener('click', () => play(timer === null));
$('step').addEventListener('input', (e) => stepTo(Number(e.target.value)));
window.addEventListener('popstate', fromAddress);
window.addEventListener('hashchange', fromAddress);
// Drawn anew whenever the view's box is no longer the size it was drawn
// for, also once the page has settled after the first drawing; a printed
// page scales the drawing as it is.
new ResizeObserver(() => drawn && boxSize() !== drawnFor && !matchMedia('print').matches && draw()).observe($('view'));

// Once every part of the script has run: the page's own files, drawn at the
// step in the address.
document.addEventListener('DOMContentLoaded', () => {
	useFiles(builtIn(), false);
	fromAddress();
});
