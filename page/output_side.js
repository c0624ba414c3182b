// The output side: y[n] = Σk x[k]·h[n − k] read as "flip, slide, multiply,
// add", in three panels over one k axis from −3 to 11, so that y[n] stands
// below the right end of the window k = n − 3 .. n where the slid h has its
// taps: x[k] with h[n − k] beside it, the products, and the output so far.
// Takes the model of model.js, the panels of plot.js and spoken() of
// input_side.js.

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

// Draws model m, which has h, in box for any step, and returns the panel of x and h,
// axis, whose dots carry data-kind and data-index for dragging, and step(n),
// which shows step n in the drawing and returns the right end of its window
// and labels.
function drawOutput(box, m, width, height) {
	const taps = m.h;
	const svg = canvas(box, width, height, '');
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
	// Each panel with a layer behind it and one in front for the step.
	const panels = areas.map((a, i) => {
		const p = panel(svg, a, k0, k1, ...ranges[i], { pad: pads[i], title: ' ', shift });
		const back = add(p.g, 'g');
		p.g.prepend(back);
		return { ...p, back, front: add(p.g, 'g') };
	});
	const [p1, p2, p3] = panels;
	m.x.forEach((v, k) => Object.assign(stem(p1, k, v, `c${k}`).dataset, { kind: 'x', index: k }));
	xTicks(p1, k0, k1);
	xTicks(p2, k0, k1);
	xTicks(p3, 0, k1);
	add(p3.g, 'text', { class: 'label', x: p3.area.left + p3.area.width / 2, y: height - 4, 'text-anchor': 'middle' }, 'output index n');
	const window = (p, from, columns) => add(p.back, 'rect', { class: 'window', x: p.x(from) - p.area.width / 30,
		y: p.area.top, width: (p.area.width / (k1 - k0 + 1)) * columns, height: p.area.height });

	const step = (n) => {
		const from = Math.max(0, n - TAPS + 1);
		const slid = ` h[${n} − k] for k from ${n - TAPS + 1} to ${n}: ${spoken(taps.toReversed())}.`;
		svg.setAttribute('aria-label', `x[k] for k from 0 to ${FILES - 1}: ${spoken(m.x)}.${slid} ` +
			`The terms of y[${n}]: ${spoken(m.rows.slice(from, n + 1).map((row) => row[n]))}. ` +
			`The output so far, y[0] to y[${n}]: ${spoken(m.y.slice(0, n + 1))}.`);
		for (const p of panels) {
			p.back.replaceChildren();
			p.front.replaceChildren();
		}
		const [f1, f2, f3] = panels.map((p) => ({ ...p, g: p.front }));

		// 1. Flip and slide.
		p1.title.textContent = `x[k], and h[${n} − k] in grey: h flipped and slid to n = ${n}`;
		window(p1, n - TAPS + 1, TAPS);
		taps.forEach((v, t) => {
			const dot = stem(f1, n - t, v, 'tap', { open: true, shift: p1.area.width / 60 });
			Object.assign(dot.dataset, { kind: 'h', index: t });
			add(p1.front, 'text', { class: 'tick', x: p1.x(n - t), y: p1.area.top + p1.area.height + 37, 'text-anchor': 'middle' }, `h[${t}]`);
		});

		// 2. Multiply: the terms of y[n], each written in the window.
		p2.title.textContent = m.files ? `x[k]·h[${n} − k], row ${n} of each file x_k.csv: the terms of y[${n}]`
			: `x[k]·h[${n} − k], the products of x and h as changed: the terms of y[${n}]`;
		window(p2, n - TAPS + 1, TAPS);
		m.rows.forEach((row, k) => {
			stem(f2, k, row[n], `c${k}`);
			if (k > n - TAPS && k <= n) valueLabel(f2, k, row[n]);
		});

		// 3. Add: the output so far, y[n] black and written out, those before grey.
		p3.title.textContent = `The output so far: y[${n}], the sum of the terms above, just added`;
		window(p3, n, 1);
		for (let i = 0; i <= n; i++) stem(f3, i, m.y[i], i < n ? 'earlier' : 'sum');
		valueLabel(f3, n, m.y[n]);
		return p1.x(n + 1);
	};
	return { axis: p1, step };
}
