// The input side: y[n] = Σj x[j]·h[n − j] read as a sum of copies of h, each
// scaled by x[j] and shifted to j. Step j shows every contribution, those
// after j faded and x[j]·h[n − j] framed, above the sum of contributions up
// to j, with the sum before the step in grey. Takes the model and names of
// model.js and the panels of plot.js.

// The title of the input side once x[x0 + j] is added, named by its index.
function inputTitle(m, j) {
	const a = m.x0 + j;
	return `x[${index(a)}] added, the ${ordinal(j + 1)} of ${m.x.length}: ` +
		(j === m.x.length - 1 ? 'the sum is the whole convolution (x ∗ h)[n]' : `x[${index(a)}]·${shifted('h', a)}`);
}

// Values as a screen reader is to read them out.
const spoken = (values) => values.map(written).join(', ');

// The name of output index i of model m, under a panel.
const outputIndex = (m) => (i) => index(m.n0 + i);

// The title of the panel of contribution j of model m.
const cellTitle = (m, j) => `x[${index(m.x0 + j)}]·${shifted('h', m.x0 + j)},  x[${index(m.x0 + j)}] = ${short(m.x[j])}`;
// The panels of model m across a row.
const across = (m) => (m.x.length <= 3 ? m.x.length : Math.max(3, Math.ceil(Math.sqrt(m.x.length))));
// The least width in pixels that the panels' titles need, at about 7
// pixels a character.
const inputWidth = (m) => across(m) * (LEFT + 16 + 7 * Math.max(...m.x.map((_, j) => cellTitle(m, j).length)));

// Draws model m in box for any step, and returns step(j), which shows step
// j in the drawing and returns the right end of the frame of the
// contribution added.
function drawInput(box, m, width, height) {
	const svg = canvas(box, width, height, '');
	const count = m.x.length;
	const last = m.y.length - 1;
	const columns = across(m);
	const down = Math.ceil(count / columns);
	const gridHeight = Math.round(height * [0.3, 0.42, 0.56, 0.62][Math.min(down, 4) - 1]);
	const cellWidth = (width - 8) / columns;
	const cellHeight = gridHeight / down;
	const [lo, hi] = extent(m.rows.flat());
	const stems = [];
	for (let c = 0; c < count; c++) {
		const left = (c % columns) * cellWidth;
		const top = Math.floor(c / columns) * cellHeight;
		const area = { left: left + LEFT, top: top + 24, width: cellWidth - LEFT - 8, height: cellHeight - 32 };
		const p = panel(svg, area, 0, last, lo, hi, {
			title: cellTitle(m, c), colour: hue(c),
			ticks: down > 3 ? 2 : undefined,
		});
		const g = add(p.g, 'g');
		m.rows[c].forEach((v, n) => stem({ ...p, g }, n, v, hue(c)));
		stems.push(g);
	}
	const frame = add(svg, 'rect', { class: 'frame', y: 2, width: cellWidth - 4, height: cellHeight - 4 });

	const area = { left: LEFT, top: gridHeight + 28, width: width - LEFT - 16, height: height - gridHeight - 76 };
	const pad = crowded(area.width / (last + 1), m.partial.flat()) ? 40 : 24;
	const p = panel(svg, area, 0, last, ...extent([...m.partial.flat()]), { pad, title: ' ' });
	const back = add(p.g, 'g');
	p.g.prepend(back);
	const front = add(p.g, 'g');
	xTicks(p, 0, last, outputIndex(m));
	add(p.g, 'text', { class: 'label', x: p.area.left + p.area.width / 2, y: height - 6, 'text-anchor': 'middle' }, 'output index n');

	return (j) => {
		const a = index(m.x0 + j);
		svg.setAttribute('aria-label', `Contribution x[${a}]·${shifted('h', m.x0 + j)}, for n from ${index(m.n0)} to ${index(m.n0 + last)}: ` +
			`${spoken(m.rows[j])}. The sum of contributions up to x[${a}]: ${spoken(m.partial[j])}.`);
		stems.forEach((g, c) => g.setAttribute('class', c > j ? 'later' : ''));
		frame.setAttribute('x', (j % columns) * cellWidth + 4);
		frame.setAttribute('y', Math.floor(j / columns) * cellHeight + 2);
		p.title.textContent = j < count - 1 ? `The sum of contributions up to x[${a}]; in grey, the sum before this step`
			: count === 1 ? 'The one contribution: y[n] = (x ∗ h)[n]'
			: `The sum of the ${count === FILES ? 'nine' : count}: y[n] = (x ∗ h)[n]`;
		const before = j > 0 ? m.partial[j - 1] : m.y.map(() => 0);
		back.replaceChildren();
		front.replaceChildren();
		before.forEach((v, n) => add(back, 'line', { class: 'before', x1: p.x(n), x2: p.x(n), y1: p.y(0), y2: p.y(v) }));
		m.partial[j].forEach((v, n) => stem({ ...p, g: front }, n, v, 'sum'));
		valueLabels({ ...p, g: front }, 0, m.partial[j]);
		return ((j % columns) + 1) * cellWidth + 4;
	};
}
