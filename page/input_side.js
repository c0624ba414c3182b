// The input side: y[n] = Σj x[j]·h[n − j] read as a sum of copies of h, each
// scaled by x[j] and shifted to j. Step j shows the nine contributions, those
// after j faded and x[j]·h[n − j] framed, above the sum of contributions
// 0 .. j, with the sum before the step in grey. Takes the model of
// model.js and the panels of plot.js.

// The title of the input side once x[j] is added, named by its index.
function inputTitle(j) {
	const nth = `${j + 1}${['st', 'nd', 'rd'][j] || 'th'}`;
	return `x[${j}] added, the ${nth} of ${FILES}: ` +
		(j === FILES - 1 ? 'the sum is the whole convolution (x ∗ h)[n]' : `x[${j}]·h[n − ${j}]`);
}

// Values as a screen reader is to read them out.
const spoken = (values) => values.map(written).join(', ');

// Draws model m in box for any step, and returns step(j), which shows step
// j in the drawing and returns the right end of the frame of the
// contribution added.
function drawInput(box, m, width, height) {
	const svg = canvas(box, width, height, '');
	const gridHeight = Math.round(height * 0.56);
	const cellWidth = (width - 8) / 3;
	const cellHeight = gridHeight / 3;
	const [lo, hi] = extent(m.rows.flat());
	const stems = [];
	for (let c = 0; c < FILES; c++) {
		const left = (c % 3) * cellWidth;
		const top = Math.floor(c / 3) * cellHeight;
		const area = { left: left + LEFT, top: top + 24, width: cellWidth - LEFT - 8, height: cellHeight - 32 };
		const p = panel(svg, area, 0, ROWS - 1, lo, hi, {
			title: `x[${c}]·h[n − ${c}],  x[${c}] = ${short(m.x[c])}`, colour: `c${c}`,
		});
		const g = add(p.g, 'g');
		m.rows[c].forEach((v, n) => stem({ ...p, g }, n, v, `c${c}`));
		stems.push(g);
	}
	const frame = add(svg, 'rect', { class: 'frame', y: 2, width: cellWidth - 4, height: cellHeight - 4 });

	const area = { left: LEFT, top: gridHeight + 28, width: width - LEFT - 16, height: height - gridHeight - 76 };
	const p = panel(svg, area, 0, ROWS - 1, ...extent([...m.partial.flat()]), { pad: 24, title: ' ' });
	const back = add(p.g, 'g');
	p.g.prepend(back);
	const front = add(p.g, 'g');
	xTicks(p, 0, ROWS - 1);
	add(p.g, 'text', { class: 'label', x: p.area.left + p.area.width / 2, y: height - 6, 'text-anchor': 'middle' }, 'output index n');

	return (j) => {
		svg.setAttribute('aria-label', `Contribution ${j}, x[${j}]·h[n − ${j}], for n from 0 to ${ROWS - 1}: ` +
			`${spoken(m.rows[j])}. The sum of contributions 0 to ${j}: ${spoken(m.partial[j])}.`);
		stems.forEach((g, c) => g.setAttribute('class', c > j ? 'later' : ''));
		frame.setAttribute('x', (j % 3) * cellWidth + 4);
		frame.setAttribute('y', Math.floor(j / 3) * cellHeight + 2);
		p.title.textContent = j === FILES - 1 ? 'The sum of the nine: y[n] = (x ∗ h)[n]'
			: `The sum of contributions 0 .. ${j}; in grey, the sum before this step`;
		const before = j > 0 ? m.partial[j - 1] : m.y.map(() => 0);
		back.replaceChildren();
		front.replaceChildren();
		before.forEach((v, n) => add(back, 'line', { class: 'before', x1: p.x(n), x2: p.x(n), y1: p.y(0), y2: p.y(v) }));
		m.partial[j].forEach((v, n) => {
			stem({ ...p, g: front }, n, v, 'sum');
			valueLabel({ ...p, g: front }, n, v);
		});
		return ((j % 3) + 1) * cellWidth + 4;
	};
}
