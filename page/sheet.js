// A worksheet for a tutorial or an exam: count exercises from the seed on,
// exercise i being the practise exercise of seed + i − 1, each with an
// empty table and empty boxes for y, then a key with all of them filled in,
// printed on a page of its own. The same address gives the same sheet.
// Takes exercise() of exercise.js, signalTable() and make() of practise.js,
// the addresses of address.js and line() of controls.js.

const sheet = { seed: 0, level: 2, count: 6 }; // the worksheet in the address

// The table of exercise e on paper: its indices and products, and y, or
// boxes to fill in where blank.
function paperTable(e, blank) {
	const m = e.model;
	const table = make('table', { className: 'paper-table' });
	const cells = (row, values) => values.forEach((v) => (row.insertCell().textContent = blank ? '' : v));
	const head = table.createTHead().insertRow();
	head.append(make('th', { textContent: 'n', scope: 'row' }));
	cells(head, m.y.map((_, i) => index(m.n0 + i)));
	const body = table.createTBody();
	m.rows.forEach((r, j) => {
		const row = body.insertRow();
		row.append(make('th', { textContent: `x[${index(m.x0 + j)}]·${shifted('h', m.x0 + j)}`, scope: 'row' }));
		cells(row, r.map(short));
	});
	const sums = body.insertRow();
	sums.className = 'sums';
	sums.append(make('th', { textContent: 'y[n]', scope: 'row' }));
	cells(sums, m.y.map(short));
	return table;
}

// Exercise number of e, as it stands on the sheet, and in the key if key.
function paperExercise(e, number, key) {
	const section = make('section', { className: 'exercise' });
	const m = e.model;
	const heading = make('h3', { textContent: `Exercise ${number}` });
	// The seed, a link to the exercise to practise it.
	const about = make('p', { className: 'seed' });
	about.append(make('a', { href: addressOf('practise', null, exerciseQuery(e.seed, e.level)), textContent: `seed ${e.seed}` }));
	const last = m.n0 + m.y.length - 1;
	const ends = make('p', {
		textContent: key ? `y can be non-zero from n = ${index(m.n0)} to ${index(last)}.`
			: 'y can be non-zero from n = ______ to n = ______. Fill in the table and its sums:',
	});
	section.append(heading, about, signalTable('x', m.x, m.x0), signalTable('h', m.h, m.h0), ends, paperTable(e, !key));
	return section;
}

// Draws the worksheet in box, unless it is drawn already.
function drawSheet(box) {
	const { seed, level, count } = sheet;
	const key = `${seed} ${level} ${count}`;
	const how = count === 1 ? 'one exercise' : `${count} exercises`;
	$('title').textContent = `Worksheet: ${how} of level ${level}, y = x ∗ h by the table`;
	const here = addressOf('sheet', null, exerciseQuery(seed, level, count));
	line(`The same address gives every student this sheet: ${here}. The key is on a page of its own.`);
	if (box.dataset.sheet === key && box.querySelector('.sheet')) return;
	box.dataset.sheet = key;
	box.replaceChildren();
	const all = Array.from({ length: count }, (_, i) => exercise((seed + i) % SEEDS, level));
	const div = make('div', { className: 'sheet' });
	const answers = make('section', { className: 'key' });
	answers.append(make('h2', { textContent: 'Key' }));
	all.forEach((e, i) => {
		div.append(paperExercise(e, i + 1, false));
		answers.append(paperExercise(e, i + 1, true));
	});
	div.append(answers);
	box.append(div);
}
