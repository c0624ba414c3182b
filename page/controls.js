// The page's state and the controls of its views: the views as tabs, the
// steps by key, slider and play, the address that holds view and step, the
// line a screen reader is told at each step, and focus kept where it was
// through every redraw. Takes the views from input_side.js, table.js and
// output_side.js; edit.js and open.js change x and h, or the files, through
// useFiles and update.

const $ = (id) => document.getElementById(id);
const STEPS = { input: FILES, table: 0, output: ROWS };
// The smallest box a view is drawn in; a smaller one scrolls.
const LEAST = { width: 720, height: 340 };
// The page.css layout for small screens, in which the page scrolls down and
// the table's box grows with what it holds.
const scrolling = matchMedia('(max-width: 700px), (max-height: 480px)');
const last = { input: 0, output: 0 };
let base; // the model of the files in use
let drawn; // what is drawn: base, or x and h as changed
let x;
let h;
let view = 'input';
let step = 0;
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

// Takes the files of set, as they are, and draws them unless told not to.
function useFiles(set, drawNow = true) {
	base = fromFiles(set);
	x = [...base.x];
	h = base.h && [...base.h];
	signalInputs();
	if (drawNow) update();
	else drawn = base;
}

function isEdited() {
	return x.some((v, j) => v !== base.x[j]) || (h !== null && h.some((v, k) => v !== base.h[k]));
}

// Draws anew after x or h changed.
function update() {
	const edited = isEdited();
	drawn = edited ? fromSignals(x, h) : base;
	$('edited').hidden = $('edited-mark').hidden = !edited;
	draw();
}

const boxSize = () => `${$('view').clientWidth}x${$('view').clientHeight}`;

// Draws the view and step in the address: first the words around the view,
// which may change its box, then the view in the box as it then is.
function draw() {
	const box = $('view');
	if (box.className !== view) box.className = view;
	for (const name of Object.keys(STEPS)) {
		const link = $(`to-${name}`);
		if (name === view) link.setAttribute('aria-current', 'page');
		else link.removeAttribute('aria-current');
		if (STEPS[name]) link.href = `#${name}-${last[name]}`;
	}
	$('stepper').hidden = !STEPS[view];
	const slider = $('step');
	slider.max = STEPS[view] - 1;
	slider.value = step;
	$('step-label').textContent = view === 'output' ? `n = ${step}` : `x[${step}] added`;
	slider.setAttribute('aria-valuetext', view === 'output' ? `y[${step}]` : inputTitle(step));
	const term = pointed.pointer || pointed.focus;
	if (view === 'input') {
		$('title').textContent = inputTitle(step);
		$('sum').textContent = `The sum so far: ${drawn.partial[step].map(written).join('  ')}`;
	} else if (view === 'output') {
		$('title').textContent = drawn.h ? outputTitle(drawn, step) : 'The output side needs one h that gives every file, and these files give none';
		$('sum').textContent = drawn.h ? '' : drawn.why;
	} else {
		$('title').textContent = tableTitle(drawn);
		$('sum').textContent = term ? termText(drawn, term.j, term.n) : TABLE_HINT;
	}

	const kept = focusKey(document.activeElement, box);
	drawing = true;
	drawnFor = boxSize();
	const r = box.getBoundingClientRect();
	// Wide enough for value labels side by side, one a column.
	const label = Math.max(...[...drawn.partial.flat(), ...drawn.rows.flat()].map((v) => textWidth(written(v))));
	const columns = view === 'input' ? ROWS : ROWS + TAPS - 1;
	const width = Math.max(Math.floor(r.width), LEAST.width, Math.ceil(columns * (label + 2)) + LEFT + 16);
	const height = Math.max(Math.floor(r.height), LEAST.height);
	let right = 0; // the right end of the current step, to keep in sight
	if (view === 'output' && !drawn.h) {
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
		ringed = term ? `${term.j} ${term.n}` : '';
		drawTerm(below, drawn, shownTerm, term !== null, ...termSize);
	}
	if (kept) refocus(box, kept);
	drawing = false;
	// A drawing larger than its box is a tab stop, so that keys scroll it.
	const across = width > Math.floor(r.width);
	if (view !== 'table' && (across || height > Math.floor(r.height))) box.tabIndex = 0;
	else box.removeAttribute('tabindex');
	if (across) box.scrollLeft = Math.max(0, right - r.width);
}

// A selector for the element in focus, if box holds it, that finds its like
// once box is drawn anew.
function focusKey(element, box) {
	if (element === box || !box.contains(element)) return null;
	if (element.dataset.n) return `td[data-j="${element.dataset.j}"][data-n="${element.dataset.n}"]`;
	return element.matches('button') ? `button[aria-label="${element.getAttribute('aria-label')}"]` : null;
}

// Focuses the element of box that key finds, a table's cell being the one
// that Tab comes back to.
function refocus(box, key) {
	const element = box.querySelector(key);
	if (!element) return;
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
	$('sum').textContent = term ? termText(drawn, term.j, term.n) : TABLE_HINT;
	drawTerm($('view').querySelector('.term'), drawn, shownTerm, term !== null, ...termSize);
}

// The address of step s of view v.
const address = (v, s) => (STEPS[v] ? `#${v}-${s}` : '#table');

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
	if (STEPS[v]) last[v] = s;
	draw();
	if (moved) tell();
}

// Tells a screen reader the view's line, once.
function tell() {
	const line = [$('title').textContent, $('sum').textContent].filter(Boolean).join('. ');
	if ($('spoken').textContent !== line) $('spoken').textContent = line;
}

// The view and step in the address, which becomes the nearest that the page
// can show: a step out of range the nearest step of its view, an address
// that names no view the input side's first step.
function fromAddress() {
	const m = /^#(input|output|table)(?:-(-?[0-9]+))?$/.exec(location.hash);
	const v = m ? m[1] : 'input';
	const s = STEPS[v] ? Math.min(STEPS[v] - 1, Math.max(0, Number(m?.[2] ?? 0))) : 0;
	addressed = address(v, s);
	if (location.hash !== addressed) history.replaceState(null, '', addressed);
	show(v, s);
}

// Plays the steps from here, one each 1.2 s, or stops.
function play(on) {
	clearInterval(timer);
	timer = null;
	if (on && STEPS[view]) {
		if (step === STEPS[view] - 1) go(view, 0);
		timer = setInterval(() => (step < STEPS[view] - 1 ? go(view, step + 1) : play(false)), 1200);
	}
	if ($('play').textContent !== (timer ? 'Pause' : 'Play')) {
		$('play').textContent = timer ? 'Pause' : 'Play';
		$('play').setAttribute('aria-pressed', String(timer !== null));
	}
}

function stepTo(s) {
	play(false);
	go(view, Math.min(STEPS[view] - 1, Math.max(0, s)));
}

document.addEventListener('keydown', (e) => {
	const t = e.target;
	if (e.key === 'Escape') {
		if ($('edit').open) closeEdit();
		else if (!$('error-line').hidden) dismiss();
		return;
	}
	if (e.altKey || e.ctrlKey || e.metaKey || !STEPS[view] || t.matches('input, td, summary')) return;
	if (e.key === ' ' && t.matches('button')) return;
	const to = { ArrowLeft: step - 1, ArrowRight: step + 1, Home: 0, End: STEPS[view] - 1 }[e.key];
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
