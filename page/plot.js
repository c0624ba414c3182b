// Drawing in SVG at the size it is shown, so that its text is as large on
// the screen as the page's: panels with an axis that follows the data, stem
// plots and labels, all in the files' colours. Takes FILES of files.js, g(),
// short() and written() of model.js.

const SVG = 'http://www.w3.org/2000/svg';
// The pixels left of a panel for its tick labels.
const LEFT = 56;

// A new element name under parent, with attributes and, if given, text.
function add(parent, name, attributes = {}, text) {
	const node = document.createElementNS(SVG, name);
	for (const [key, value] of Object.entries(attributes)) node.setAttribute(key, value);
	if (text !== undefined) node.textContent = text;
	parent.append(node);
	return node;
}

// An empty SVG of width by height pixels in box, labelled for a screen
// reader by label.
function canvas(box, width, height, label) {
	box.replaceChildren();
	const svg = document.createElementNS(SVG, 'svg');
	svg.setAttribute('viewBox', `0 0 ${width} ${height}`);
	svg.setAttribute('width', width);
	svg.setAttribute('height', height);
	svg.setAttribute('role', 'img');
	svg.setAttribute('aria-label', label);
	box.append(svg);
	return svg;
}

// A step of 1, 2 or 5 times a power of ten that cuts d into at most about n.
function nice(d, n) {
	const raw = d / n || 1;
	const power = 10 ** Math.floor(Math.log10(raw));
	const m = raw / power;
	return (m <= 1 ? 1 : m <= 2 ? 2 : m <= 5 ? 5 : 10) * power;
}

// The y axis of a panel height pixels high over values lo .. hi, which take
// in 0, with pad pixels kept free above and below them for their labels, and
// a tick about each 22 pixels unless ticks says how many: the values at its
// bottom and top, from and to, the value of a pixel, per, the ticks with
// their labels, and the width in pixels that the widest label takes.
function yAxis(height, lo, hi, pad = 6, ticks = Math.max(3, Math.floor(height / 22))) {
	lo = Math.min(lo, 0);
	hi = Math.max(hi, 0);
	if (hi === lo) [lo, hi] = [-1, 1];
	const per = (hi - lo) / Math.max(height - 2 * pad, 1);
	const from = lo - pad * per;
	const to = hi + pad * per;
	const step = nice(to - from, ticks);
	const marks = [];
	for (let k = Math.ceil(from / step); k * step <= to; k++) marks.push({ v: k * step, text: short(Number(g(k * step, 3))) });
	return { from, to, per, marks, width: Math.max(...marks.map((m) => textWidth(m.text))) };
}

// About the width in pixels of a number as written at 13 pixels in DejaVu
// Sans: a digit or "e" is 8.3 pixels wide, "−" and "+" 11, "." 4.2.
const textWidth = (s) => [...s].reduce((w, c) => w + (c === '.' ? 4.2 : '−+'.includes(c) ? 11 : 8.3), 0);

// How far a panel's plot must move right of the LEFT pixels kept for its
// tick labels, so that they fit, with lo, hi and options as panel takes them.
function overhang(area, lo, hi, { pad, ticks } = {}) {
	return Math.max(0, Math.ceil(yAxis(area.height, lo, hi, pad, ticks).width) + 8 - LEFT);
}

// A panel in the plot area {left, top, width, height} of svg, over index i
// from i0 to i1 and values lo .. hi, which take in 0, with LEFT pixels to
// the left of the area for the tick labels. Draws the title, in the class
// colour if given, the y axis as yAxis lays it out with pad and ticks, their
// grid lines, and the line y = 0; where the labels need more room the area
// moves right by their overhang, or by shift if given, so that panels over
// one axis can move alike. Returns the panel's group g, its scales x and y,
// its area, per, the value of a pixel on its axis, and its title's element.
function panel(svg, area, i0, i1, lo, hi, { pad, ticks, title, colour = '', shift } = {}) {
	const axis = yAxis(area.height, lo, hi, pad, ticks);
	const moved = shift ?? overhang(area, lo, hi, { pad, ticks });
	area = { ...area, left: area.left + moved, width: area.width - moved };
	const { from, to } = axis;
	const x = (i) => area.left + ((i - i0 + 0.5) / (i1 - i0 + 1)) * area.width;
	const y = (v) => area.top + area.height - ((v - from) / (to - from)) * area.height;
	const g = add(svg, 'g', { class: 'panel' });
	for (const { v, text } of axis.marks) {
		add(g, 'line', { class: 'grid', x1: area.left, x2: area.left + area.width, y1: y(v), y2: y(v) });
		// Labels moved under the title leave a tick at the very top unlabelled.
		if (!moved || y(v) >= area.top + 8)
			add(g, 'text', { class: 'tick', x: area.left - 6, y: y(v), 'text-anchor': 'end', 'dominant-baseline': 'middle' }, text);
	}
	add(g, 'line', { class: 'zero', x1: area.left, x2: area.left + area.width, y1: y(0), y2: y(0) });
	const heading = title && add(g, 'text', { class: `title ${colour}`, x: area.left - moved, y: area.top - 8 }, title);
	return { g, x, y, area, per: axis.per, title: heading };
}

// Ticks under panel p at each index from i0 to i1, written by name(i) on
// one or more lines: every index, or where they would touch, every second,
// fifth or tenth from i0.
function xTicks(p, i0, i1, name = short) {
	const bottom = p.area.top + p.area.height;
	const names = [];
	for (let i = i0; i <= i1; i++) names.push(String(name(i)).split('\n'));
	const widest = Math.max(...names.flat().map(textWidth));
	const every = [1, 2, 5, 10, 20].find((e) => e * (p.x(i0 + 1) - p.x(i0)) >= widest + 6) ?? 50;
	names.forEach((lines, at) => {
		const i = i0 + at;
		add(p.g, 'line', { class: 'axis', x1: p.x(i), x2: p.x(i), y1: bottom, y2: bottom + 4 });
		if (at % every) return;
		const text = add(p.g, 'text', { class: 'tick', x: p.x(i), y: bottom + 18, 'text-anchor': 'middle' });
		lines.forEach((line, row) => add(text, 'tspan', { x: p.x(i), dy: row ? 16 : 0 }, line));
	});
}

// A stem from 0 to v at index i in panel p, with a dot on top (an open
// circle if open), in class cls; returns the dot.
function stem(p, i, v, cls, { open = false, shift = 0 } = {}) {
	const x = p.x(i) + shift;
	add(p.g, 'line', { class: `stem ${cls}`, x1: x, x2: x, y1: p.y(0), y2: p.y(v) });
	return add(p.g, 'circle', { class: `dot ${cls}${open ? ' open' : ''}`, cx: x, cy: p.y(v), r: 5 });
}

// v written by write clear of its dot at index i: above it from 0 up, below
// it under 0.
function valueLabel(p, i, v, write = written) {
	return add(p.g, 'text', { class: 'value', x: p.x(i), y: p.y(v) + (v >= 0 ? -9 : 19), 'text-anchor': 'middle' }, write(v));
}

// Whether labels of values, written by write, touch in columns spacing
// pixels apart.
const crowded = (spacing, values, write = written) => spacing < Math.max(...values.map((v) => textWidth(write(v)))) + 4;

// The labels of values at indices from i0 on in panel p, written by write,
// each moved away from its dot by as much as keeps it clear of the one
// before, which columns narrower than a label would make it touch.
function valueLabels(p, i0, values, write = written) {
	const apart = crowded(p.x(1) - p.x(0), values, write);
	let before = null;
	values.forEach((v, at) => {
		const label = valueLabel(p, i0 + at, v, write);
		let y = Number(label.getAttribute('y'));
		if (apart && before !== null && Math.abs(y - before) < 20) y = v >= 0 ? before - 20 : before + 20;
		label.setAttribute('y', y);
		before = y;
	});
}

// A ring around the dot at index i, value v, of panel p: the term in view.
function ring(p, i, v) {
	add(p.g, 'circle', { class: 'ring', cx: p.x(i), cy: p.y(v), r: 10 });
}

// The class of the colour of sample j: the files' colours, again from the
// first past the ninth.
const hue = (j) => `c${j % FILES}`;

// The smallest and largest of values, with 0.
function extent(values) {
	const finite = values.filter((v) => Math.abs(v) <= 1e300);
	return [Math.min(0, ...finite), Math.max(0, ...finite)];
}
