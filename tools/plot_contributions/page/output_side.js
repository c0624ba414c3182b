// The output side: y[n] = Σk x[k]·h[n − k] read as "flip, slide, multiply,
// add", in three panels over one k axis from −3 to 11, so that y[n] stands
// below the right end of the window k = n − 3 .. n where the slid h has its
// taps: x[k] with h[n − k] beside it, the products, and the output so far.

// The terms of y[n] and its sum, written out with the numbers of model m.
function outputTitle(m, n) {
	const from = Math.max(0, n - TAPS + 1);
	const to = Math.min(n, FILES - 1);
	const terms = [];
	let numbers = '';
	for (let k = from; k <= to; k++) {
		const v = m.rows[k][n];
		terms.push(`x[${k}]·h[${n - k}]`);
		numbers += k === from ? written(v) : v < 0 ? ` − ${written(-v)}` : ` + ${written(v)}`;
	}
	return `y[${n}] = ${terms.join(' + ')} = ${from < to ? `${numbers} = ` : ''}${written(m.y[n])}`;
}

// Draws step n of model m in box, and returns the panel of x and h, whose
// dots carry data-kind and data-index, for dragging, and at, the x of n.
function drawOutput(box, m, n, width, height) {
	const from = Math.max(0, n - TAPS + 1);
	const taps = m.h || [];
	const slid = m.h ? ` h[${n} − k] for k from ${n - TAPS + 1} to ${n}: ${spoken(taps.toReversed())}.` : '';
	const svg = canvas(box, width, height, `x[k] for k from 0 to ${FILES - 1}: ${spoken(m.x)}.${slid} ` +
		`The terms of y[${n}]: ${spoken(m.rows.slice(from, n + 1).map((row) => row[n]))}. ` +
		`The output so far, y[0] to y[${n}]: ${spoken(m.y.slice(0, n + 1))}.`);
	const k0 = -TAPS + 1;
	const k1 = ROWS - 1;
	const free = height - 200;
	const tall = [0.36, 0.32, 0.32].map((f) => Math.floor(free * f));
	const areas = [];
	for (let i = 0, top = 26; i < 3; top += tall[i] + (i === 0 ? 70 : 56), i++)
		areas.push({ left: LEFT, top, width: width - LEFT - 16, height: tall[i] });
	const ranges = [extent([...m.x, ...taps]), extent(m.rows.flat()), extent(m.y)];
	const pads = [8, 22, 22];
	// One k axis for all three: each moves as far as the widest labels need.
	const shift = Math.max(...areas.map((a, i) => overhang(a, ...ranges[i], { pad: pads[i] })));
	const at = (i, title) => panel(svg, areas[i], k0, k1, ...ranges[i], { pad: pads[i], title, shift });
	const window = (p) => add(p.g, 'rect', { class: 'window', x: p.x(n - TAPS + 1) - p.area.width / 30,
		y: p.area.top, width: (p.area.width / (k1 - k0 + 1)) * TAPS, height: p.area.height }, undefined);

	// 1. Flip and slide.
	const p1 = at(0, `x[k], and h[${n} − k] in grey: h flipped and slid to n = ${n}`);
	p1.g.prepend(window(p1));
	taps.forEach((v, t) => {
		const dot = stem(p1, n - t, v, 'tap', { open: true, shift: p1.area.width / 60 });
		Object.assign(dot.dataset, { kind: 'h', index: t });
	});
	m.x.forEach((v, k) => Object.assign(stem(p1, k, v, `c${k}`).dataset, { kind: 'x', index: k }));
	xTicks(p1, k0, k1, (k) => (k > n - TAPS && k <= n && m.h ? `${short(k)}\nh[${n - k}]` : short(k)));
	if (!m.h)
		add(p1.g, 'text', { class: 'label', x: p1.x(4), y: p1.area.top + 14, 'text-anchor': 'middle' },
			'h is not shown: every x[j] is zero, so the files do not give it');

	// 2. Multiply: the terms of y[n], each written in the window.
	const p2 = at(1, m.files ? `x[k]·h[${n} − k], row ${n} of each file x_k.csv: the terms of y[${n}]`
		: `x[k]·h[${n} − k], the products of x and h as changed: the terms of y[${n}]`);
	p2.g.prepend(window(p2));
	m.rows.forEach((row, k) => {
		stem(p2, k, row[n], `c${k}`);
		if (k > n - TAPS && k <= n) valueLabel(p2, k, row[n]);
	});
	xTicks(p2, k0, k1);

	// 3. Add: the output so far, y[n] black and written out, those before grey.
	const p3 = at(2, `The output so far: y[${n}], the sum of the terms above, just added`);
	p3.g.prepend(add(p3.g, 'rect', { class: 'window', x: p3.x(n) - p3.area.width / 30, y: p3.area.top,
		width: p3.area.width / 15, height: p3.area.height }));
	for (let i = 0; i <= n; i++) stem(p3, i, m.y[i], i < n ? 'earlier' : 'sum');
	valueLabel(p3, n, m.y[n]);
	xTicks(p3, 0, k1);
	add(p3.g, 'text', { class: 'label', x: p3.area.left + p3.area.width / 2, y: height - 4, 'text-anchor': 'middle' }, 'output index n');
	return { axis: p1, at: p1.x(n - 1.5) };
}
