// The page's state and its controls: the views as tabs, the steps by key,
// slider and play, the address that holds view and step, x and h changed by
// typing or dragging, and other files opened or dropped.

const $ = (id) => document.getElementById(id);
const STEPS = { input: FILES, table: 0, output: ROWS };
const last = { input: 0, output: 0 };
let base; // the model of the files in use
let drawn; // what is drawn: base, or x and h as changed
let x;
let h;
let view = 'input';
let step = 0;
let term = null; // the cell {j, n} last pointed at in the table
let timer = null;
let dragging = null;
let signalAxis; // the output side's panel of x and h, whose dots can be dragged
let drawnFor = ''; // the size of the view's box when it was drawn
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
	$('edited').hidden = !edited;
	draw();
}

// The inputs that x and h can be typed into.
function signalInputs() {
	const fill = (id, name, values) => {
		const set = $(id);
		set.querySelectorAll('label').forEach((l) => l.remove());
		(values || Array(TAPS).fill(null)).forEach((v, i) => {
			const label = document.createElement('label');
			const input = document.createElement('input');
			label.append(`${name}[${i}] `, input);
			Object.assign(input, { type: 'number', step: '0.1', value: v === null ? '' : String(v), disabled: v === null });
			input.dataset.kind = name;
			input.dataset.index = i;
			set.append(label);
		});
	};
	fill('x-values', 'x', h ? x : x.map(() => null));
	fill('h-values', 'h', h);
}

function setSignal(kind, index, v) {
	(kind === 'x' ? x : h)[index] = v;
	const input = document.querySelector(`input[data-kind="${kind}"][data-index="${index}"]`);
	if (input && Number(input.value) !== v) input.value = String(v);
	update();
}

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
	$('step-label').textContent = view === 'output' ? `n = ${step}` : `step ${step + 1} of ${FILES}`;
	slider.setAttribute('aria-valuetext', view === 'output' ? `y[${step}]` : inputTitle(step));
	const cell = term || { j: 3, n: 4 };
	if (view === 'input') {
		$('title').textContent = inputTitle(step);
		$('sum').textContent = `The sum so far: ${drawn.partial[step].map(written).join('  ')}`;
	} else if (view === 'output') {
		$('title').textContent = drawn.h ? outputTitle(drawn, step) : 'The output side needs h, which these files do not give';
		$('sum').textContent = drawn.h ? '' : 'Every x[j] is zero, and h is read from a file whose sample is not.';
	} else {
		$('title').textContent = TABLE_TITLE;
		$('sum').textContent = termText(drawn, cell.j, cell.n);
	}

	drawnFor = boxSize();
	const width = Math.max(box.clientWidth, 720);
	const height = Math.max(box.clientHeight, 420);
	if (view === 'input') drawInput(box, drawn, step, term, width, height);
	else if (view === 'output') signalAxis = drawOutput(box, drawn, step, term, width, height);
	else {
		box.replaceChildren();
		drawTable(box, drawn, go, point);
		const below = document.createElement('div');
		below.className = 'term';
		box.append(below);
		termSize = [width - 24, Math.max(160, box.clientHeight - box.firstChild.offsetHeight - 12)];
		drawTerm(below, drawn, cell, ...termSize);
	}
}

// The cell {j, n} of the table in focus or under the pointer.
function point(j, n) {
	if (term && term.j === j && term.n === n) return;
	term = { j, n };
	$('sum').textContent = termText(drawn, j, n);
	drawTerm($('view').querySelector('.term'), drawn, term, ...termSize);
}

// Opens step s of view v, and puts them in the address.
function go(v, s = 0) {
	const hash = STEPS[v] ? `#${v}-${s}` : '#table';
	if (location.hash !== hash) history.pushState(null, '', hash);
	show(v, s);
}

function show(v, s) {
	if (v !== view) play(false);
	view = v;
	step = s;
	if (STEPS[v]) last[v] = s;
	draw();
}

// The view and step in the address; anything else is the first step.
function fromAddress() {
	const m = /^#(input|output)-(\d+)$/.exec(location.hash);
	if (m && Number(m[2]) < STEPS[m[1]]) show(m[1], Number(m[2]));
	else show(location.hash === '#table' ? 'table' : 'input', 0);
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
// for, also once the page has settled after the first drawing.
const boxSize = () => `${$('view').clientWidth}x${$('view').clientHeight}`;
new ResizeObserver(() => boxSize() !== drawnFor && draw()).observe($('view'));

// x and h typed in.
$('edit').addEventListener('input', (e) => {
	const v = Number(e.target.value);
	if (e.target.value !== '' && Number.isFinite(v) && Math.abs(v) <= 1e6)
		setSignal(e.target.dataset.kind, Number(e.target.dataset.index), v);
});
$('reset').addEventListener('click', () => {
	useFiles(base);
	$('error').textContent = '';
});

// x and h dragged on the output side, in steps of 0.05, on the scale of the
// axis as it was when the drag began.
$('view').addEventListener('pointerdown', (e) => {
	const { kind, index } = e.target.dataset;
	if (!kind || !drawn.h) return;
	const v = (kind === 'x' ? x : h)[index];
	dragging = { kind, index: Number(index), y: e.clientY, v, per: signalAxis.per };
	$('view').setPointerCapture(e.pointerId);
	e.preventDefault();
});
$('view').addEventListener('pointermove', (e) => {
	if (!dragging) return;
	const v = Math.round((dragging.v - (e.clientY - dragging.y) * dragging.per) * 20) / 20;
	if (v !== (dragging.kind === 'x' ? x : h)[dragging.index]) setSignal(dragging.kind, dragging.index, v);
});
$('view').addEventListener('pointerup', () => (dragging = null));
$('view').addEventListener('pointercancel', () => (dragging = null));

// Other files, chosen or dropped: drawn if good, else their one line shown.
async function openFiles(list) {
	const byName = new Map([...list].reverse().map((f) => [f.name, f]));
	const files = await Promise.all(Array.from({ length: FILES }, async (_, j) => {
		const file = byName.get(`x_${j}.csv`);
		return file ? new Uint8Array(await file.arrayBuffer()) : null;
	}));
	const set = readSet(files);
	$('error').textContent = set.error || '';
	if (!set.error) useFiles(set);
}
$('open').addEventListener('click', () => $('chooser').click());
$('chooser').addEventListener('change', (e) => openFiles(e.target.files));
document.addEventListener('dragover', (e) => e.preventDefault());
document.addEventListener('drop', (e) => {
	e.preventDefault();
	openFiles(e.dataTransfer.files);
});

useFiles(builtIn(), false);
fromAddress();
