// The table: a row per file, a column per output index n, the sums below.
// It joins the two readings: a row is one contribution (the input side), a
// column the terms that add up to y[n] (the output side). A cell in focus
// or under the pointer is that term, ringed in both readings below it.
// Takes the model of model.js, the panels of plot.js and spoken() of
// input_side.js.

// The table's title, which says where its numbers come from.
const tableTitle = (m) => `${m.files ? 'The nine files' : 'x and h as changed,'}` +
	' as a table: each row is a contribution, each column adds up to y[n]';

// What cell (j, n) of model m is, in words, as the line of a ringed term.
function termText(m, j, n) {
	const k = n - j;
	if (k < 0 || k >= TAPS) return `Ringed: x[${j}]·h[n − ${j}] is 0 at n = ${n}: h has no tap ${minus(String(k))}, so it is no term of y[${n}]`;
	const tap = m.h ? written(m.h[k]) : 'h[k]';
	return `Ringed: x[${j}]·h[${k}] = ${written(m.x[j])} · ${tap.startsWith('−') ? `(${tap})` : tap} = ` +
		`${written(m.rows[j][n])}, a term of y[${n}]`;
}

// The table's line while no cell is pointed at or focused.
const TABLE_HINT = 'Point at a number, or Tab into the table and move with the arrow keys, to ring that term in both readings below';

// The table of model m in box; go(view, step) opens a view, and point(how,
// cell) is told of the cell {j, n} that is now under the pointer or in focus,
// how says which, or null when none is.
function drawTable(box, m, go, point) {
	const table = document.createElement('table');
	const head = table.createTHead().insertRow();
	head.append(document.createElement('td'));
	for (let n = 0; n < ROWS; n++) {
		const th = document.createElement('th');
		th.scope = 'col';
		th.append(button(`${n}`, `${n}: the output side at y[${n}]`, () => go('output', n)));
		head.append(th);
	}
	const body = table.createTBody();
	for (let j = 0; j <= FILES; j++) {
		const row = body.insertRow();
		const th = document.createElement('th');
		th.scope = 'row';
		row.append(th);
		if (j === FILES) {
			row.className = 'sums';
			th.textContent = 'y[n]';
		} else {
			row.className = `c${j}`;
			th.append(button(`x[${j}]·h[n − ${j}]`, `x[${j}]·h[n − ${j}]: the input side once x[${j}] is added`, () => go('input', j)));
		}
		for (let n = 0; n < ROWS; n++) {
			const cell = row.insertCell();
			const v = j === FILES ? m.y[n] : m.rows[j][n];
			cell.textContent = v === 0 && j < FILES ? '0' : written(v);
			if (j === FILES) continue;
			if (v === 0) cell.className = 'zero';
			cell.tabIndex = j === 0 && n === 0 ? 0 : -1;
			cell.dataset.j = j;
			cell.dataset.n = n;
		}
	}
	const cell = (e) => (e.target.dataset.n ? { j: +e.target.dataset.j, n: +e.target.dataset.n } : null);
	table.addEventListener('focusin', (e) => point('focus', cell(e)));
	table.addEventListener('focusout', (e) => table.contains(e.relatedTarget) || point('focus', null));
	table.addEventListener('pointerover', (e) => point('pointer', cell(e)));
	table.addEventListener('pointerleave', () => point('pointer', null));
	table.addEventListener('keydown', (e) => moveFocus(table, e));
	box.append(table);
	return table;
}

function button(text, label, action) {
	const b = document.createElement('button');
	b.type = 'button';
	b.textContent = text;
	b.setAttribute('aria-label', label);
	b.addEventListener('click', action);
	return b;
}

// The arrow keys, Home and End move the focus from cell to cell.
function moveFocus(table, e) {
	const cell = e.target;
	if (!cell.dataset.n) return;
	const move = { ArrowLeft: [0, -1], ArrowRight: [0, 1], ArrowUp: [-1, 0], ArrowDown: [1, 0],
		Home: [0, -ROWS], End: [0, ROWS] }[e.key];
	if (!move) return;
	e.preventDefault();
	e.stopPropagation();
	const j = Math.min(FILES - 1, Math.max(0, +cell.dataset.j + move[0]));
	const n = Math.min(ROWS - 1, Math.max(0, +cell.dataset.n + move[1]));
	const next = table.querySelector(`td[data-j="${j}"][data-n="${n}"]`);
	cell.tabIndex = -1;
	next.tabIndex = 0;
	next.focus();
}

// The term {j, n} in both readings: contribution j, and the products of
// step n, with the term ringed in each if ringed.
function drawTerm(box, m, term, ringed, width, height) {
	const column = m.rows.map((row) => row[term.n]);
	const svg = canvas(box, width, height, `Contribution ${term.j}, x[${term.j}]·h[n − ${term.j}]: ${spoken(m.rows[term.j])}. ` +
		`The terms x[k]·h[${term.n} − k] for k from 0 to ${FILES - 1}: ${spoken(column)}.` +
		(ringed ? ` Ringed in both: ${written(m.rows[term.j][term.n])}, the term of n = ${term.n} and k = ${term.j}.` : ''));
	const half = width / 2;
	const area = (left) => ({ left: left + LEFT, top: 26, width: half - LEFT - 16, height: height - 56 });
	const [lo, hi] = extent(m.rows.flat());
	const a = panel(svg, area(0), 0, ROWS - 1, lo, hi, { title: `Input side, x[${term.j}] added: x[${term.j}]·h[n − ${term.j}]` });
	m.rows[term.j].forEach((v, n) => stem(a, n, v, `c${term.j}`));
	if (ringed) ring(a, term.n, m.rows[term.j][term.n]);
	xTicks(a, 0, ROWS - 1);
	const b = panel(svg, area(half), 0, FILES - 1, lo, hi, { title: `Output side at y[${term.n}]: x[k]·h[${term.n} − k]` });
	column.forEach((v, k) => stem(b, k, v, `c${k}`));
	if (ringed) ring(b, term.j, m.rows[term.j][term.n]);
	xTicks(b, 0, FILES - 1);
}
