// The output side: y[n] = Σk x[k]·h[n − k] read as "flip, slide, multiply,
// add", in three panels over one k axis, wide enough for x and for the slid
// h at either end: x[k] with h[n − k] beside it, the products, and the
// output so far, y[n] standing below the right end of the window where the
// slid h has its taps, k = n − h0 − taps + 1 .. n − h0. Takes the model and
// names of model.js, the panels of plot.js and spoken() of input_side.js.

// The terms of y[n0 + i] and its sum, written out with the numbers of model m.
function outputTitle(m, i) {
	const from = Math.max(0, i - m.taps + 1);
	const to = Math.min(i, m.x.length - 1);
	const terms = [];
	let numbers = '';
	for (let j = from; j <= to; j++) {
		const v = m.rows[j][i];
		terms.push(term(m, j, i).name);
		numbers += j === from ? written(v) : v < 0 ? ` − ${written(-v)}` : ` + ${written(v)}`;
	}
	return `y[${index(m.n0 + i)}] = ${terms.join(' + ')} = ${from < to ? `${numbers} = ` : ''}${written(m.y[i])}`;
}

// Draws model m, which has h, in box for any step, and returns the panel of x and h,
// axis, whose dots carry data-kind and data-index for dragging, and step(i),
// which shows the step of y[n0 + i] in the drawing and returns the right end
// of its window and labels. The panels are drawn over positions 0 .. of x
// on the k axis, x's first sample at 0.
function drawOutput(box, m, width, height) {
	const taps = m.h;
	const svg = canvas(box, width, height, '');
	const k0 = -m.taps + 1;
	const k1 = m.x.length + m.taps - 2;
	const free = height - 200;
	const tall = [0.36, 0.32, 0.32].map((f) => Math.floor(free * f));
	const areas = [];
	for (let i = 0, top = 26; i < 3; top += tall[i] + (i === 0 ? 70 : 56), i++)
		areas.push({ left: LEFT, top, width: width - LEFT - 16, height: tall[i] });
	const ranges = [extent([...m.x, ...taps]), extent(m.rows.flat()), extent(m.y)];
	// An exercise's values are whole numbers, and written so.
	const write = m.exercise ? short : written;
	const pads = [8, crowded((width - LEFT - 16) / (k1 - k0 + 1), m.rows.flat(), write) ? Math.min(38, Math.floor(tall[1] / 3)) : 22, 22];
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
	m.x.forEach((v, k) => Object.assign(stem(p1, k, v, hue(k)).dataset, { kind: 'x', index: k }));
	const kIndex = (k) => index(m.x0 + k);
	xTicks(p1, k0, k1, kIndex);
	xTicks(p2, k0, k1, kIndex);
	// y[n0 + i] stands at position i, below the window's right end.
	xTicks(p3, 0, m.y.length - 1, outputIndex(m));
	add(p3.g, 'text', { class: 'label', x: p3.area.left + p3.area.width / 2, y: height - 4, 'text-anchor': 'middle' }, 'output index n');
	const window = (p, from, columns) => add(p.back, 'rect', { class: 'window', x: p.x(from) - p.area.width / (k1 - k0 + 1) / 2,
		y: p.area.top, width: (p.area.width / (k1 - k0 + 1)) * columns, height: p.area.height });
	const a = index(m.x0);
	const z = index(m.x0 + m.x.length - 1);
	// The taps named under the slid h: each, or where names would touch,
	// every second or fifth.
	const name = textWidth(`h[${index(m.h0 + m.taps - 1)}]`) + 8;
	const every = [1, 2, 5, 10].find((e) => e * (p1.x(1) - p1.x(0)) >= name) ?? 20;

	const step = (i) => {
		const from = Math.max(0, i - m.taps + 1);
		const n = index(m.n0 + i);
		const k = (at) => index(m.x0 + at);
		const slid = ` h[${n} − k] for k from ${k(i - m.taps + 1)} to ${k(i)}: ${spoken(taps.toReversed())}.`;
		svg.setAttribute('aria-label', `x[k] for k from ${a} to ${z}: ${spoken(m.x)}.${slid} ` +
			`The terms of y[${n}]: ${spoken(m.rows.slice(from, i + 1).map((row) => row[i]))}. ` +
			`The output so far, y[${index(m.n0)}] to y[${n}]: ${spoken(m.y.slice(0, i + 1))}.`);
		for (const p of panels) {
			p.back.replaceChildren();
			p.front.replaceChildren();
		}
		const [f1, f2, f3] = panels.map((p) => ({ ...p, g: p.front }));

		// 1. Flip and slide.
		p1.title.textContent = `x[k], and h[${n} − k] in grey: h flipped and slid to n = ${n}`;
		window(p1, i - m.taps + 1, m.taps);
		taps.forEach((v, t) => {
			const dot = stem(f1, i - t, v, 'tap', { open: true, shift: p1.area.width / (k1 - k0 + 1) / 4 });
			Object.assign(dot.dataset, { kind: 'h', index: t });
			if (t % every === 0)
				add(p1.front, 'text', { class: 'tick', x: p1.x(i - t), y: p1.area.top + p1.area.height + 37, 'text-anchor': 'middle' }, `h[${index(m.h0 + t)}]`);
		});

		// 2. Multiply: the terms of y[n], each written in the window.
		p2.title.textContent = m.files ? `x[k]·h[${n} − k], row ${n} of each file x_k.csv: the terms of y[${n}]`
			: `x[k]·h[${n} − k], the products of x and h${m.exercise ? '' : ' as changed'}: the terms of y[${n}]`;
		window(p2, i - m.taps + 1, m.taps);
		m.rows.forEach((row, j) => stem(f2, j, row[i], hue(j)));
		valueLabels(f2, from, m.rows.slice(from, i + 1).map((row) => row[i]), write);

		// 3. Add: the output so far, y[n] black and written out, those before grey.
		p3.title.textContent = `The output so far: y[${n}], the sum of the terms above, just added`;
		window(p3, i, 1);
		for (let at = 0; at <= i; at++) stem(f3, at, m.y[at], at < i ? 'earlier' : 'sum');
		valueLabel(f3, i, m.y[i], write);
		return p1.x(i + 1);
	};
	return { axis: p1, step };
}
