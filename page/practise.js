// Practise: an exercise from the seed in the address, answered in two
// steps, first where y can be non-zero and then each y[n], and checked.
// Nothing in the view gives a product or a value of y away until Check or
// Show the answer. A wrong y[n] has its terms ringed in the table and the
// output side drawn at n. Takes exercise() of exercise.js, drawTable() and
// term() of table.js, drawOutput() and outputTitle() of output_side.js,
// the panels of plot.js, and line(), tell() and go() of controls.js.

const practice = { seed: 0, level: 2 }; // the exercise in the address
const tally = { right: 0, tried: 0 }; // exercises right at the first check, of those done, in this visit
let task = null; // the exercise in view, and how far it has come

// A new HTML element name with the properties props.
const make = (name, props) => Object.assign(document.createElement(name), props);

// A seed that no one chose: 32 bits from the browser's random source.
const newSeed = () => crypto.getRandomValues(new Uint32Array(1))[0];

// Takes the exercise of seed at level, for view v, as a worksheet of count
// if v is 'sheet'.
function setExercise(v, seed, level, count) {
	if (v === 'sheet') return Object.assign(sheet, { seed, level, count });
	Object.assign(practice, { seed, level });
	if (task?.seed === seed && task.level === level) return;
	// ranged: first and last n right or shown; checked: y checked; shown:
	// the answer shown; wrong: the first wrong y[n]; first: whether the
	// first checks were right, null before them; typed: each field's text.
	task = {
		...exercise(seed, level), line: 'x and h are 0 outside the indices given. Where can y = x ∗ h be non-zero?',
		ranged: false, checked: false, shown: false, wrong: -1, first: { range: null, y: null }, typed: {}, built: '',
	};
}

// The whole number of a field's text, or null.
function answer(text) {
	const v = typed(text);
	return v !== null && Number.isInteger(v) ? v : null;
}

// The signal as a table of its indices and values, named name.
function signalTable(name, values, from) {
	const table = make('table', { className: 'signal' });
	const top = table.insertRow();
	const row = table.insertRow();
	top.append(make('th', { textContent: 'n', scope: 'row' }));
	row.append(make('th', { textContent: `${name}[n]`, scope: 'row' }));
	values.forEach((v, i) => {
		top.insertCell().textContent = index(from + i);
		row.insertCell().textContent = short(v);
	});
	return table;
}

// x and h of model m side by side in box, each over its own indices.
function drawSignals(box, m, width, height) {
	const what = (name, values, from) =>
		`${name}[n] for n from ${index(from)} to ${index(from + values.length - 1)}: ${values.map(short).join(', ')}`;
	const svg = canvas(box, width, height, `${what('x', m.x, m.x0)}. ${what('h', m.h, m.h0)}.`);
	const half = width / 2;
	const [lo, hi] = extent([...m.x, ...m.h]);
	[['x', m.x, m.x0], ['h', m.h, m.h0]].forEach(([name, values, from], side) => {
		const area = { left: side * half + LEFT, top: 24, width: half - LEFT - 16, height: height - 50 };
		const pad = crowded(area.width / (values.length + 2), values) ? 46 : 26;
		const p = panel(svg, area, -1, values.length, lo, hi, { pad, ticks: 4, title: `${name}[n]` });
		values.forEach((v, i) => stem(p, i, v, side ? 'tap' : hue(i)));
		valueLabels(p, 0, values, short);
		xTicks(p, -1, values.length, (i) => index(from + i));
	});
}

// A labelled field for an answer, with the place for its message beside it.
function answerField(id, name) {
	const label = document.createElement('label');
	const box = make('input', { id, type: 'text', inputMode: 'numeric', autocomplete: 'off', spellcheck: false });
	const why = make('span', { id: `${id}-why`, className: 'why' });
	label.append(`${name} `, box, why);
	return label;
}

// Marks field id right or wrong, with why beside it when wrong.
function mark(id, right, why) {
	const box = $(id);
	$(`${id}-why`).textContent = right ? '' : why;
	if (right) {
		box.removeAttribute('aria-invalid');
		box.removeAttribute('aria-describedby');
	} else {
		box.setAttribute('aria-invalid', 'true');
		box.setAttribute('aria-describedby', `${id}-why`);
	}
}

const yField = (i) => `y${i}`;

// Says text as the exercise's line, which stays until the next.
function say(text) {
	task.line = text;
	line(text);
}

// Draws the practise view of the exercise in box, at most width pixels
// wide: made anew for a new exercise, else brought up to date.
function drawPractise(box, width) {
	const m = task.model;
	$('title').textContent = `Exercise ${task.seed} of level ${task.level}: y = x ∗ h, by the table`;
	if (task.built !== `${task.seed} ${task.level}` || !box.querySelector('.task')) {
		task.built = `${task.seed} ${task.level}`;
		box.replaceChildren();
		const div = make('div', { className: 'task' });
		div.innerHTML = `<div class="given"></div>
<form class="answers" novalidate>
<fieldset class="range"><legend>1. Where can y be non-zero?</legend></fieldset>
<fieldset class="ys" hidden><legend>2. Each y[n], by the table</legend></fieldset>
<p class="buttons"><button type="submit" id="check">Check</button> <button type="button" id="show-answer">Show the answer</button>
<button type="button" id="new-exercise">New exercise</button></p>
<p id="tally"></p>
<p class="links"><a id="watch" hidden>See this x and h in the views</a> <a id="to-sheet" hidden>A worksheet of six, from this one on</a></p>
</form>
<div class="work"><div class="paper"></div><div class="drawing"></div></div>`;
		box.append(div);
		div.querySelector('.given').append(signalTable('x', m.x, m.x0), signalTable('h', m.h, m.h0));
		div.querySelector('.range').append(answerField('first', 'first n'), answerField('last', 'last n'));
		div.querySelector('.ys').append(...m.y.map((_, i) => answerField(yField(i), `y[${index(m.n0 + i)}]`)));
		const form = div.querySelector('form');
		// What was typed stays with the exercise while the student looks elsewhere.
		form.querySelectorAll('input').forEach((entry) => (entry.value = task.typed[entry.id] ?? ''));
		form.addEventListener('input', (e) => (task.typed[e.target.id] = e.target.value));
		form.addEventListener('submit', (e) => {
			e.preventDefault();
			check();
		});
		$('show-answer').addEventListener('click', showAnswer);
		$('new-exercise').addEventListener('click', () => {
			setExercise('practise', newSeed(), task.level);
			go('practise');
		});
		$('to-sheet').href = addressOf('sheet', null, exerciseQuery(task.seed, task.level, 6));
		$('watch').href = addressOf('table', null, signalQuery(task));
	}
	line(task.line);
	box.querySelector('.ys').hidden = !task.ranged;
	// Both would give the answer away.
	$('watch').hidden = $('to-sheet').hidden = !(task.checked || task.shown);
	$('tally').textContent = tally.tried ? `Right at the first check: ${tally.right} of ${tally.tried} in this visit` : '';
	const paper = box.querySelector('.paper');
	paper.replaceChildren();
	if (!task.ranged) paper.append(make('p', { textContent: 'The table comes once first n and last n are right.' }));
	else {
		const done = task.checked || task.shown;
		const table = drawTable(paper, m, null, () => {}, { show: (j) => (j < 0 ? task.shown : done), write: short });
		if (task.wrong >= 0)
			table.querySelectorAll(`td[data-n="${task.wrong}"], thead th:nth-child(${task.wrong + 2})`).forEach((cell) => {
				const j = Number(cell.dataset.j ?? -1);
				if (j < 0 || term(m, j, task.wrong).within) cell.classList.add('ringed');
			});
	}
	const drawing = box.querySelector('.drawing');
	const w = Math.max(320, Math.min(width, drawing.clientWidth));
	if (task.wrong >= 0) drawOutput(drawing, m, Math.max(w, LEAST.width), 380).step(task.wrong);
	else drawSignals(drawing, m, w, 200);
}

// Checks the first and last n, or once they are right each y[n], and says
// what is wrong: the rule for a wrong index, the terms of the first wrong
// y[n], ringed in the table, with the output side at n.
function check() {
	const m = task.model;
	const ends = [m.n0, m.n0 + m.y.length - 1];
	if (!task.ranged) {
		const [first, last] = ['first', 'last'].map((id) => answer($(id).value));
		const rules = [
			`x starts at ${index(m.x0)} and h at ${index(m.h0)}, so y starts at ${index(ends[0])}`,
			`x ends at ${index(m.x0 + m.x.length - 1)} and h at ${index(m.h0 + m.h.length - 1)}, so y ends at ${index(ends[1])}`,
		];
		const right = [first === ends[0], last === ends[1]];
		mark('first', right[0], rules[0]);
		mark('last', right[1], rules[1]);
		task.first.range ??= right[0] && right[1];
		if (right[0] && right[1]) {
			task.ranged = true;
			say(`Right: y can be non-zero from n = ${index(ends[0])} to ${index(ends[1])}. ` +
				'Now fill in the table in your head or on paper, and each y[n].');
			draw();
			$(yField(0)).focus();
		} else say(rules.filter((_, i) => !right[i]).join('; '));
		return tell();
	}
	const given = m.y.map((_, i) => $(yField(i)).value.trim()).map((t) => (t.length > 12 ? `${t.slice(0, 12)}…` : t));
	const right = given.map((text, i) => answer(text) === m.y[i]);
	right.forEach((ok, i) => mark(yField(i), ok, given[i] === '' ? 'empty' : `not ${given[i]}`));
	task.checked = true;
	task.wrong = right.indexOf(false);
	if (task.first.y === null) {
		task.first.y = task.wrong < 0;
		tally.tried++;
		if (task.first.range && task.first.y) tally.right++;
	}
	if (task.wrong < 0) say(`All right: y = ${m.y.map(short).join(', ')} from n = ${index(ends[0])}.`);
	else {
		const i = task.wrong;
		const terms = m.rows.map((_, j) => term(m, j, i)).filter((t) => t.within).map((t) => t.name);
		const wrote = given[i] === '' ? 'you wrote nothing' : `you wrote ${given[i]}`;
		say(`y[${index(m.n0 + i)}] = ${terms.join(' + ')} = ${short(m.y[i])}; ${wrote}`);
	}
	draw();
	tell();
}

// Fills every answer in.
function showAnswer() {
	const m = task.model;
	if (!task.shown && task.first.y === null) {
		task.first.y = false;
		tally.tried++;
	}
	Object.assign(task, { ranged: true, shown: true, wrong: -1 });
	task.typed = { first: String(m.n0), last: String(m.n0 + m.y.length - 1) };
	m.y.forEach((v, i) => (task.typed[yField(i)] = String(v)));
	draw();
	for (const [id, v] of Object.entries(task.typed)) $(id).value = v;
	for (const id of ['first', 'last', ...m.y.map((_, i) => yField(i))]) mark(id, true);
	say(`The answer: y = ${m.y.map(short).join(', ')} for n from ${index(m.n0)} to ${index(m.n0 + m.y.length - 1)}.`);
	tell();
}
