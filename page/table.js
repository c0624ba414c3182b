// The table: a row per sample of x, a column per output index n, the sums
// below. It joins the two readings: a row is one contribution (the input
// side), a column the terms that add up to y[n] (the output side). A cell in
// focus or under the pointer is that term, ringed in both readings below it.
// Takes the model and names of model.js, the panels of plot.js and spoken()
// and outputIndex() of input_side.js.

// The table's title, which says where its numbers come from.
const tableTitle = (m) => `${m.files ? 'The nine files' : 'x and h as changed,'}` +
	' as a table: each row is a contribution, each column adds up to y[n]';

// The term of cell (j, i) of model m, x[a]·h[b], with its indices, or null
// where h has no tap b.
function term(m, j, i) {
	const a = m.x0 + j;
	const b = m.h0 + i - j;
	return { a, b, name: `x[${index(a)}]·h[${index(b)}]`, within: i >= j && i - j < m.taps };
}

// What cell (j, i) of model m is, in words, as the line of a ringed term.
function termText(m, j, i) {
	const t = term(m, j, i);
	const n = index(m.n0 + i);
	if (!t.within) return `Ringed: x[${index(t.a)}]·${shifted('h', t.a)} is 0 at n = ${n}: h has no tap ${index(t.b)}, so it is no term of y[${n}]`;
	const tap = m.h ? written(m.h[i - j]) : `h[${index(t.b)}]`;
	return `Ringed: ${t.name} = ${written(m.x[j])} · ${tap.startsWith('−') ? `(${tap})` : tap} = ` +
		`${written(m.rows[j][i])}, a term of y[${n}]`;
}

// The table's line while no cell is pointed at or focused.
const TABLE_HINT = 'Point at a number, or Tab into the table and move with the arrow keys, to ring that term in both readings below';

// The table of model m in box; go(view, step) opens a view, and point(how,
// cell) is told of the cell {j, n} that is now under the pointer or in focus,
// how says which, or null when none is. Without go its indices are text,
// not buttons. Cells are blank where show(j, i) says so, and its sums
// where it says so of row -1; write(v) writes a value.
function drawTable(box, m, go, point, { show = () => true, write = written } = {}) {
	const table = document.createElement('table');
	const columns = m.y.length;
	const head = table.createTHead().insertRow();
	head.append(document.createElement('td'));
	for (let i = 0; i < columns; i++) {
		const th = document.createElement('th');
		const n = index(m.n0 + i);
		th.scope = 'col';
		th.append(go ? button(n, `${n}: the output side at y[${n}]`, () => go('output', i)) : n);
		head.append(th);
	}
	const body = table.createTBody();
	for (let j = 0; j <= m.x.length; j++) {
		const sums = j === m.x.length;
		const row = body.insertRow();
		const th = document.createElement('th');
		th.scope = 'row';
		row.append(th);
		const a = m.x0 + j;
		const name = `x[${index(a)}]·${shifted('h', a)}`;
		if (sums) {
			row.className = 'sums';
			th.textContent = 'y[n]';
		} else {
			row.className = hue(j);
			th.append(go ? button(name, `${name}: the input side once x[${index(a)}] is added`, () => go('input', j)) : name);
		}
		for (let i = 0; i < columns; i++) {
			const cell = row.insertCell();
			const v = sums ? m.y[i] : m.rows[j][i];
			if (show(sums ? -1 : j, i)) cell.textContent = v === 0 && !sums ? '0' : write(v);
			if (sums) continue;
			if (v === 0) cell.className = 'zero';
			cell.tabIndex = j === 0 && i === 0 ? 0 : -1;
			cell.dataset.j = j;
			cell.dataset.n = i;
		}
	}
	const cell = (e) => (e.target.dataset.n ? { j: +e.target.dataset.j, n: +e.target.dataset.n } : null);
	table.addEventListener('focusin', (e) => point('focus', cell(e)));
	table.addEventListener('focusout', (e) => table.contains(e.relatedTarget) || point('focus', null));
	table.addEventListener('pointerover', (e) => point('pointer', cell(e)));
	table.addEventListener('pointerleave', () => point('pointer', null));
	table.addEventListener('keydown', (e) => moveFocus(table, e, m.x.length, columns));
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

// The arrow keys, Home and End move the focus from cell to cell of a table
// of rows by columns.
function moveFocus(table, e, rows, columns) {
	const cell = e.target;
	if (!cell.dataset.n) return;
	const move = { ArrowLeft: [0, -1], ArrowRight: [0, 1], ArrowUp: [-1, 0], ArrowDown: [1, 0],
		Home: [0, -columns], End: [0, columns] }[e.key];
	if (!move) return;
	e.preventDefault();
	e.stopPropagation();
	const j = Math.min(rows - 1, Math.max(0, +cell.dataset.j + move[0]));
	const n = Math.min(columns - 1, Math.max(0, +cell.dataset.n + move[1]));
	const next = table.querySelector(`td[data-j="${j}"][data-n="${n}"]`);
	cell.tabIndex = -1;
	next.tabIndex = 0;
	next.focus();
}

// The term {j, n} in both readings: contribution j, and the products of
// step n, with the term ringed in each if ringed.
function drawTerm(box, m, cell, ringed, width, height) {
	const { j, n: i } = cell;
	const column = m.rows.map((row) => row[i]);
	const t = term(m, j, i);
	const a = index(t.a);
	const n = index(m.n0 + i);
	const k = `${index(m.x0)} to ${index(m.x0 + m.x.length - 1)}`;
	const svg = canvas(box, width, height, `Contribution x[${a}]·${shifted('h', t.a)}: ${spoken(m.rows[j])}. ` +
		`The terms x[k]·h[${n} − k] for k from ${k}: ${spoken(column)}.` +
		(ringed ? ` Ringed in both: ${written(m.rows[j][i])}, the term of n = ${n} and k = ${a}.` : ''));
	const half = width / 2;
	const area = (left) => ({ left: left + LEFT, top: 26, width: half - LEFT - 16, height: height - 56 });
	const [lo, hi] = extent(m.rows.flat());
	const p = panel(svg, area(0), 0, m.y.length - 1, lo, hi, { title: `Input side, x[${a}] added: x[${a}]·${shifted('h', t.a)}` });
	m.rows[j].forEach((v, at) => stem(p, at, v, hue(j)));
	if (ringed) ring(p, i, m.rows[j][i]);
	xTicks(p, 0, m.y.length - 1, outputIndex(m));
	const q = panel(svg, area(half), 0, m.x.length - 1, lo, hi, { title: `Output side at y[${n}]: x[k]·h[${n} − k]` });
	column.forEach((v, at) => stem(q, at, v, hue(at)));
	if (ringed) ring(q, j, m.rows[j][i]);
	xTicks(q, 0, m.x.length - 1, (at) => index(m.x0 + at));
}
