// A worksheet for a tutorial or an exam: count exercises from the seed on,
// exercise i being the practise exercise of seed + i − 1, each with an
// empty table and empty boxes for y, then a key with all of them filled in,
// printed on a page of its own. The same address gives the same sheet.
// Takes exercise() of exercise.js, signalTable() of practise.js and line()
// of controls.js.

const sheet = { seed: 0, level: 2, count: 6 }; // the worksheet in the address

// The table of exercise e on paper: its indices and products, and y, or
// boxes to fill in where blank.
function paperTable(e, blank) {
	const m = e.model;
	const table = document.createElement('table');
	table.className = 'paper-table';
	const cells = (row, values) => values.forEach((v) => (row.insertCell().textContent = blank ? '' : v));
	const head = table.createTHead().insertRow();
	head.append(Object.assign(document.createElement('th'), { textContent: 'n', scope: 'row' }));
	cells(head, m.y.map((_, i) => index(m.n0 + i)));
	const body = table.createTBody();
	m.rows.forEach((r, j) => {
		const row = body.insertRow();
		row.append(Object.assign(document.createElement('th'), { textContent: `x[${index(m.x0 + j)}]·${shifted('h', m.x0 + j)}`, scope: 'row' }));
		cells(row, r.map(short));
	});
	const sums = body.insertRow();
	sums.className = 'sums';
	sums.append(Object.assign(document.createElement('th'), { textContent: 'y[n]', scope: 'row' }));
	cells(sums, m.y.map(short));
	return table;
}

// Exercise number of e, as it stands on the sheet, and in the key if key.
function paperExercise(e, number, key) {
	const section = document.createElement('section');
	section.className = 'exercise';
	const m = e.model;
	const heading = Object.assign(document.createElement('h3'), { textContent: `Exercise ${number}` });
	const about = Object.assign(document.createElement('p'), { className: 'seed', textContent: `seed ${e.seed}` });
	const last = m.n0 + m.y.length - 1;
	const ends = Object.assign(document.createElement('p'), {
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
	$('title').textContent = `Worksheet: ${count === 1 ? 'one exercise' : `${count} exercises`} of level ${level}, y = x ∗ h by the table`;
	line(`The same address gives every student this sheet: ${addressOf('sheet', null, exerciseQuery(seed, level, count))}. The key is on a page of its own.`);
	if (box.dataset.sheet === key && box.querySelector('.sheet')) return;
	box.dataset.sheet = key;
	box.replaceChildren();
	const exercises = Array.from({ length: count }, (_, i) => exercise((seed + i) % SEEDS, level));
	const div = document.createElement('div');
	div.className = 'sheet';
	const answers = document.createElement('section');
	answers.className = 'key';
	answers.append(Object.assign(document.createElement('h2'), { textContent: 'Key' }));
	exercises.forEach((e, i) => {
		div.append(paperExercise(e, i + 1, false));
		answers.append(paperExercise(e, i + 1, true));
	});
	div.append(answers);
	box.append(div);
}
