// The page in headless Chromium and Firefox, opened from disk as a lecturer
// would and used as a student would: what it shows and sends, its controls,
// typed values, other files, focus, addresses, and how it reads, fits and
// prints.
const { describe, test, before, after } = require('node:test');
const assert = require('node:assert');
const { execFileSync } = require('node:child_process');
const fs = require('node:fs');
const os = require('node:os');
const path = require('node:path');
const { browser, engines, fakeClock } = require('./page.js');

const pageFile = process.env.PAGE || path.join(__dirname, '../../docs/convolution.html');
const url = `file://${path.resolve(pageFile)}`;
const expected = path.join(__dirname, '../expected');
const files = Array.from({ length: 9 }, (_, j) => fs.readFileSync(path.join(expected, `x_${j}.csv`), 'latin1'));
const convolution = '0.00 −1.00 −0.60 3.02 0.66 0.08 −0.96 −0.86 −0.89 0.31 0.18 0.06';
const y4 = 'y[4] = x[1]·h[3] + x[2]·h[2] + x[3]·h[1] + x[4]·h[0] = 0.10 + 0.36 − 1.20 + 1.40 = 0.66';
// The largest signals: 16 samples each, their origins −8 and 8.
const largest = '?x=1,-2,3,-1.5,2,0.5,-3,1,2,-1,0.25,3,-2,1,1.5,-1&h=2,1,-1,0.5,1,-2,3,1,-1,2,0.5,1,-1,2,1,-0.5&x0=-8&h0=8';
const axe = fs.readFileSync(require.resolve('axe-core'), 'utf8');

const text = (page, selector) => page.$eval(selector, (e) => e.innerText);
const sums = (page) => page.$$eval('tr.sums td', (cells) => cells.map((c) => c.textContent).join(' '));
// Waits for the address to be at, which the page writes once a step is drawn.
const until = (page, at) => page.waitForFunction((at) => location.hash === at, { timeout: 2000 }, at);
const hash = (page) => page.evaluate(() => location.hash);
const active = (page) => page.evaluate(() => {
	const e = document.activeElement;
	return e.id || e.dataset.kind && `${e.dataset.kind}[${e.dataset.index}]` || e.dataset.n && `cell ${e.dataset.j} ${e.dataset.n}` || e.localName;
});
const later = (page) => page.evaluate(() => new Promise((r) => requestAnimationFrame(() => requestAnimationFrame(r))));
const field = (kind, index) => `input[data-kind="${kind}"][data-index="${index}"]`;

// Types text over the field's own and presses key.
async function type(page, kind, index, text, key = 'Tab') {
	await page.focus(field(kind, index));
	await page.$eval(field(kind, index), (e) => e.select());
	await page.keyboard.press('Backspace');
	await page.keyboard.type(text);
	await page.keyboard.press(key);
}

// Types text, a tab or a line feed in it pressing Tab or Enter, over what
// the field selector holds if given.
async function keys(page, text, selector) {
	if (selector) {
		await page.focus(selector);
		await page.$eval(selector, (e) => e.select());
		await page.keyboard.press('Backspace');
	}
	for (const part of text.split(/([\t\n])/))
		if (part === '\t' || part === '\n') await page.keyboard.press(part === '\t' ? 'Tab' : 'Enter');
		else await page.keyboard.type(part);
}

// Drops these files on the page: texts as x_0.csv .. x_8.csv, or File
// objects that make(name, text) makes in the page.
function drop(page, texts, make = '(name, text) => new File([Uint8Array.from(text, (c) => c.charCodeAt(0))], name)') {
	return page.evaluate((texts, make) => {
		const data = new DataTransfer();
		texts.forEach((t, j) => t !== null && data.items.add((0, eval)(make)(`x_${j}.csv`, t)));
		document.dispatchEvent(new DragEvent('drop', { dataTransfer: data, bubbles: true, cancelable: true }));
	}, texts, make);
}
const damaged = (line, text) => files.map((f, j) => (j === 3 ? f.split('\n').map((l, i) => (i === line - 1 ? text : l)).join('\n') : f));
const error = (page, line) => page.waitForFunction((line) => document.getElementById('error').textContent === line, {}, line);

// The text boxes of the page in view: each piece of HTML text, each SVG text,
// with its font size in pixels and whether a scroll box holds it.
function textBoxes() {
	const boxes = [];
	const add = (text, element, r, size) => r.width && boxes.push({ text, left: r.left, right: r.right, top: r.top,
		bottom: r.bottom, size, svg: size === r.height, scrolled: !!element.closest('#view') });
	const walker = document.createTreeWalker(document.body, NodeFilter.SHOW_TEXT);
	for (let node; (node = walker.nextNode()); ) {
		const element = node.parentElement;
		if (!node.textContent.trim() || element.closest('svg, script, [hidden], #spoken, details:not([open]) > div')) continue;
		const range = document.createRange();
		range.selectNodeContents(node);
		add(node.textContent.trim(), element, range.getBoundingClientRect(), parseFloat(getComputedStyle(element).fontSize));
	}
	for (const text of document.querySelectorAll('svg text')) {
		const r = text.getBoundingClientRect();
		add(text.textContent, text, r, r.height);
	}
	const view = document.getElementById('view');
	const box = view.getBoundingClientRect();
	return { boxes, width: innerWidth, height: innerHeight, page: [document.documentElement.scrollWidth, document.documentElement.scrollHeight],
		view: { left: box.left - view.scrollLeft, top: box.top - view.scrollTop, right: box.left - view.scrollLeft + view.scrollWidth,
			bottom: box.top - view.scrollTop + view.scrollHeight, fits: view.scrollHeight <= view.clientHeight + 1 && view.scrollWidth <= view.clientWidth + 1 } };
}

// What keeps the page in view from being read: text too small, cut off or
// over other text, a page wider than the screen, and on a landscape screen
// any scrolling, but for a view that scrolls to be wide enough.
async function illegible(page, scrolls = false) {
	const { boxes, page: [scrollWidth, scrollHeight], view, ...screen } = await page.evaluate(textBoxes);
	const problems = [];
	if (scrollWidth > screen.width) problems.push(`the page is ${scrollWidth} px wide`);
	if (screen.width > screen.height && (scrollHeight > screen.height || !view.fits && !scrolls)) problems.push('the view scrolls');
	boxes.forEach((a, i) => {
		if (a.svg ? a.size < 12.9 : a.size < 12) problems.push(`${a.text} is ${a.size} px`);
		const within = a.scrolled ? view : { left: 0, top: 0, right: screen.width, bottom: scrollHeight };
		if (a.left < within.left - 1 || a.right > within.right + 1 || a.top < within.top - 1 || a.bottom > within.bottom + 1)
			problems.push(`${a.text} is cut off`);
		for (const b of boxes.slice(i + 1))
			if (Math.min(a.right, b.right) - Math.max(a.left, b.left) > 1 && Math.min(a.bottom, b.bottom) - Math.max(a.top, b.top) > 1)
				problems.push(`${a.text} overlaps ${b.text}`);
	});
	return problems;
}

for (const engine of engines) describe(engine, () => {
	let b;
	before(async () => (b = await browser(engine)));
	after(() => b.close());

	// A new page at hash, with what it requests, logs and alerts recorded.
	async function open(at = '', viewport = { width: 1024, height: 576 }) {
		const page = await b.newPage();
		const seen = { requests: [], console: [], dialogs: [] };
		page.on('request', (r) => !r.url().startsWith('data:') && r.url().split('#')[0] !== url && seen.requests.push(r.url()));
		page.on('console', (m) => seen.console.push(m.text()));
		page.on('pageerror', (e) => seen.console.push(e.message));
		page.on('dialog', (d) => seen.dialogs.push(d.message()) && d.dismiss());
		await page.setViewport(viewport);
		await page.evaluateOnNewDocument(fakeClock);
		await page.goto(url + at);
		await later(page);
		return { page, seen };
	}
	// Goes to the address at, with the signals in use as a link to a view
	// carries them, unless at has its own.
	const go = async (page, at) => {
		await page.evaluate((at) => (location.hash = at.includes('?') ? at : at + location.hash.replace(/^[^?]*(?=\?x=)|^[^?]*(\?.*)?$/, '')), at);
		await later(page);
	};

	test('the table sums to the convolution, a term is ringed only while pointed at, and the page asks for nothing', async () => {
		const { page, seen } = await open('#table');
		assert.strictEqual(await sums(page), convolution);
		assert.match(await text(page, '#sum'), /^Point at a number/);
		await page.hover('td[data-j="3"][data-n="4"]');
		assert.strictEqual(await text(page, '#sum'), 'Ringed: x[3]·h[1] = 2.00 · (−0.60) = −1.20, a term of y[4]');
		assert.strictEqual(await page.$$eval('.term circle.ring', (r) => r.length), 2);
		await page.hover('#title');
		assert.match(await text(page, '#sum'), /^Point at a number/);
		assert.strictEqual(await page.$$eval('circle.ring', (r) => r.length), 0);
		await page.hover('td[data-j="3"][data-n="4"]');
		for (const at of ['#input-3', '#output-4']) {
			await go(page, at);
			assert.strictEqual(await page.$$eval('circle.ring', (r) => r.length), 0, at);
		}
		assert.deepStrictEqual(seen, { requests: [], console: [], dialogs: [] });
		await page.close();
	});

	test('the output side steps by key, slider, play and history, each step told once', async () => {
		const { page } = await open('#output-4');
		assert.strictEqual(await text(page, '#title'), y4);
		assert.match(await page.$eval('svg', (s) => s.getAttribute('aria-label')), /The terms of y\[4\]: 0\.10, 0\.36, −1\.20, 1\.40\. /);
		await page.keyboard.press('ArrowRight');
		assert.match(await text(page, '#title'), /^y\[5\] = x\[2\]·h\[3\] \+ /);
		assert.strictEqual(await page.$eval('#spoken', (e) => e.textContent), await text(page, '#title'));
		await until(page, '#output-5');
		await page.$eval('#step', (s) => {
			s.value = '11';
			s.dispatchEvent(new Event('input', { bubbles: true }));
		});
		assert.strictEqual(await text(page, '#title'), 'y[11] = x[8]·h[3] = 0.06');
		await page.goBack();
		await until(page, '#output-5');
		await page.click('#title');
		await page.keyboard.press('Home');
		await page.keyboard.press(' ');
		await page.evaluate(() => clock.runFor(2500));
		await until(page, '#output-2');
		await page.click('#to-table');
		await page.click('th button[aria-label^="x[6]"]');
		assert.strictEqual(await text(page, '#title'), 'x[6] added, the 7th of 9: x[6]·h[n − 6]');
		await page.close();
	});

	test('an address becomes the nearest the page can show', async () => {
		const { page } = await open('#output-57');
		assert.strictEqual(await hash(page), '#output-11');
		for (const [at, shown, title] of [['#output--1', '#output-0', /^y\[0\] = /], ['#output-04', '#output-4', /^y\[4\] = /],
			['#input-9', '#input-8', /^x\[8\] added, the 9th of 9/], ['#Output-4', '#input-0', /^x\[0\] added, the 1st of 9/], ['#table-3', '#table', /as a table/],
			['#nothing', '#input-0', /^x\[0\] added, the 1st of 9/]]) {
			await go(page, at);
			assert.strictEqual(await hash(page), shown, at);
			assert.match(await text(page, '#title'), title, at);
		}
		await page.close();
	});

	test('a typed value is taken when committed and only if allowed; the fields show what is used', async () => {
		const { page } = await open('#table');
		await page.click('#edit summary');
		const y3 = async () => (await sums(page)).split(' ')[3];
		for (const typed of ['1e300', '1000001', '1e400', '123456789012345678901234567890', '', 'abc', '0.0000001']) {
			await type(page, 'x', 3, typed);
			assert.deepStrictEqual([await page.$eval(field('x', 3), (e) => [e.value, e.getAttribute('aria-invalid')]), await y3()],
				[['2', 'true'], '3.02'], typed);
			assert.match(await text(page, '#edit-message'), /^x\[3\]: “.*” is not a number from −1000 to 1000 with at most 6 decimals.*; x\[3\] stays 2\.$/);
		}
		await type(page, 'x', 3, '1e300', 'Enter');
		assert.deepStrictEqual(await page.$eval(field('x', 3), (e) => [e.value, e.getAttribute('aria-invalid')]), ['1e300', 'true']);
		for (const [typed, value, y] of [['1,5', '1.5', '2.52'], ['−0,5', '-0.5', '0.52'], ['1e3', '1000', '1001.02'], ['1', '1', '2.02']]) {
			await type(page, 'x', 3, typed, 'Enter');
			assert.deepStrictEqual([await page.$eval(field('x', 3), (e) => [e.value, e.getAttribute('aria-invalid')]), await y3()],
				[[value, null], y], typed);
		}
		assert.strictEqual(await page.$eval('#edit-message', (e) => e.textContent), '');
		assert.strictEqual(await sums(page), '0.00 −1.00 −0.60 2.02 1.26 0.38 −0.86 −0.86 −0.89 0.31 0.18 0.06');
		// The words say where the numbers now come from.
		assert.match(await text(page, '#title'), /^x and h as changed, as a table/);
		await go(page, '#output-4');
		assert.doesNotMatch(await page.$eval('#view', (v) => v.textContent), /x_k\.csv/);
		await go(page, '#table');
		// Back to the files, from the keyboard, and focus stays in the panel.
		await page.focus('#reset');
		await page.keyboard.press('Enter');
		assert.deepStrictEqual([await sums(page), await active(page)], [convolution, 'summary']);
		// Tabbing through every field edits nothing.
		await page.focus(field('x', 0));
		for (let i = 0; i < 14; i++) await page.keyboard.press('Tab');
		assert.strictEqual(await active(page), 'h[3]');
		assert.deepStrictEqual([await sums(page), await page.$eval('#edited-mark', (e) => e.hidden)], [convolution, true]);
		await page.close();
	});

	test('sums whose terms cancel are 0.00 in every view, and x changes only by a step of 0.05 when dragged', async () => {
		const { page } = await open('#table');
		await page.click('#edit summary');
		await type(page, 'x', 4, '-1.8');
		await type(page, 'x', 7, '1,8');
		assert.strictEqual(await sums(page), '0.00 −1.00 −0.60 3.02 −2.54 2.00 0.00 1.26 −1.97 −0.23 0.00 0.06');
		for (const [at, ends] of [['#output-6', /= 0\.00$/], ['#output-10', /= 0\.00$/], ['#input-8', /^The sum so far: (\S+ +){6}0\.00 /]]) {
			await go(page, at);
			assert.match(await text(page, at === '#input-8' ? '#sum' : '#title'), ends, at);
		}
		assert.doesNotMatch(await page.$eval('#view', (v) => v.textContent), /e−/);
		// Dragging the dot of x[8] down changes it by steps of 0.05.
		await page.keyboard.press('Escape');
		await go(page, '#output-8');
		const dot = await (await page.$('circle[data-kind="x"][data-index="8"]')).boundingBox();
		await page.mouse.move(dot.x + 5, dot.y + 5);
		await page.mouse.down();
		await page.mouse.move(dot.x + 5, dot.y + 45, { steps: 4 });
		await page.mouse.up();
		const x8 = Number(await page.$eval(field('x', 8), (e) => e.value));
		assert.ok(x8 < -0.6 && Math.abs(x8 * 20 - Math.round(x8 * 20)) < 1e-9, String(x8));
		await page.close();
	});

	for (const [width, height] of [[1024, 576], [512, 288]])
		test(`at ${width}×${height} the edit panel lies within the screen and closes by Escape or leaving it`, async () => {
			const { page } = await open('#output-4', { width, height });
			await page.click('#edit summary');
			await page.keyboard.press('Tab');
			for (let i = 0; i < 8; i++) await page.keyboard.press('Tab');
			assert.strictEqual(await active(page), 'x[3]');
			const [left, right, scrollX, size] = await page.$eval('.popup', (p) => [p.getBoundingClientRect().left,
				p.getBoundingClientRect().right, scrollX, getComputedStyle(document.activeElement).fontSize]);
			assert.ok(left >= 0 && right <= width && scrollX === 0, `${left} .. ${right}, scrolled by ${scrollX}`);
			assert.strictEqual(size, '15px');
			await page.keyboard.type('7');
			await page.keyboard.press('Escape');
			assert.deepStrictEqual([await page.$eval('#edit', (e) => e.open), await active(page)], [false, 'summary']);
			assert.strictEqual(await text(page, '#title'), y4);
			await page.keyboard.press('Enter');
			await page.click('h1');
			assert.strictEqual(await page.$eval('#edit', (e) => e.open), false);
			await page.close();
		});

	test('other files: a bad set is one line, dismissible, and leaves the drawing; a good one is drawn', async () => {
		const { page, seen } = await open('#table');
		for (const [set, message, make] of [
			[damaged(9, '12 -0.200000'), 'x_3.csv: line 9: index 12, expected 6'],
			[damaged(7, '4 <script>alert(1)</script>'), 'x_3.csv: line 7: value <script>alert(1)</sc..., expected a finite number'],
			[damaged(7, '4 <img/src=x/onerror=alert(1)>'), 'x_3.csv: line 7: value <img/src=x/onerror=a..., expected a finite number'],
			[files.map((f, j) => (j === 8 ? f.slice(0, -5) : f)), 'x_8.csv: line 14: no line feed at its end, so the file may be cut short'],
			// Too large: refused from its size, unread.
			[files, 'x_3.csv: 65537 bytes, expected at most 65536', `(name, text) => { const f = new File([name === 'x_3.csv' ?
				new Uint8Array(65537) : text], name); f.arrayBuffer = () => { throw new Error('read'); }; return name === 'x_3.csv' ? f : new File([text], name); }`],
			[files, 'x_3.csv: cannot be read; drop or choose the files themselves, not a folder', `(name, text) => { const f = new File([text], name);
				if (name === 'x_3.csv') f.arrayBuffer = () => Promise.reject(new DOMException('gone', 'NotReadableError')); return f; }`],
			[files.map((f, j) => (j ? f : null)), 'x_0.csv: No such file or directory; convolution_demo writes the files'],
		]) {
			await drop(page, set, make);
			await error(page, message);
			assert.strictEqual(await sums(page), convolution);
		}
		assert.strictEqual(await page.$$eval('#error img, #error script', (e) => e.length), 0);
		// Dismissed by its button, focus going to the files; by Escape.
		await page.focus('#dismiss');
		await page.keyboard.press('Enter');
		assert.deepStrictEqual([await page.$eval('#error-line', (e) => e.hidden), await active(page)], [true, 'open']);
		await drop(page, damaged(9, '12 -0.200000'));
		await error(page, 'x_3.csv: line 9: index 12, expected 6');
		await page.keyboard.press('Escape');
		assert.strictEqual(await page.$eval('#error-line', (e) => e.hidden), true);
		// A drop of text, not files, changes nothing.
		await page.evaluate(() => {
			const data = new DataTransfer();
			data.setData('text/plain', '#output-4');
			document.dispatchEvent(new DragEvent('drop', { dataTransfer: data, bubbles: true, cancelable: true }));
		});
		await later(page);
		assert.deepStrictEqual([await page.$eval('#error-line', (e) => e.hidden), await sums(page)], [true, convolution]);
		// Files that no one h gives have no output side, and say why.
		await drop(page, damaged(2, '# x[3] = 5.000000 '));
		await page.waitForFunction(() => document.querySelector('tr.sums td:nth-of-type(4)').textContent === '3.02');
		await go(page, '#output-4');
		assert.deepStrictEqual([await text(page, '#sum'), await page.$$eval('#view svg', (s) => s.length)],
			['x_1.csv: line 4: -1, where h from x_3.csv gives x[1]*h[0] = -0.4', 0]);
		await go(page, '#table');
		// Files whose h comes with rounding: the field shows it as written.
		const three = files.map((f, j) => (j === 3 ? f.replace('= 2.000000', '= 3.000000').replace('3 2.000000', '3 3.000000')
			.replace('4 -1.200000', '4 -1.800000').replace('5 -0.600000', '5 -0.900000').replace('6 -0.200000', '6 -0.300000') : f));
		await drop(page, three);
		await page.waitForFunction(() => document.querySelector('tr.sums td:nth-of-type(4)').textContent === '4.02');
		assert.strictEqual(await page.$eval(field('h', 3), (e) => e.value), '-0.1');
		const zero = files.map((f) => f.replace(/^(\d+) .*$/gm, '$1 0.000000').replace(/= .* $/m, '= 0.000000 '));
		await drop(page, zero);
		await page.waitForFunction(() => document.querySelector('tr.sums td').textContent === '0.00' && document.querySelector('tr.sums td:nth-of-type(4)').textContent === '0.00');
		await go(page, '#output-4');
		assert.match(await text(page, '#sum'), /^every x\[j\] is zero, so the files do not give h$/);
		assert.deepStrictEqual(seen.dialogs, []);
		await page.close();
	});

	test('focus stays on the control used, or the one that replaced it', async () => {
		const { page } = await open('#table');
		await page.focus('th button[aria-label^="x[6]"]');
		await page.keyboard.press('Enter');
		await until(page, '#input-6');
		assert.strictEqual(await active(page), 'step');
		await go(page, '#table');
		await page.focus('th button[aria-label^="9:"]');
		await page.keyboard.press(' ');
		await until(page, '#output-9');
		assert.strictEqual(await active(page), 'step');
		await go(page, '#table');
		await page.focus('td[data-j="0"][data-n="0"]');
		await page.keyboard.press('ArrowDown');
		await page.keyboard.press('ArrowRight');
		await page.setViewport({ width: 900, height: 560 });
		await later(page);
		assert.strictEqual(await active(page), 'cell 1 1');
		assert.match(await text(page, '#sum'), /^Ringed: x\[1\]·h\[0\]/);
		// The box of the view is a tab stop only while it has something to scroll.
		await go(page, '#output-4');
		assert.strictEqual(await page.$eval('#view', (v) => v.getAttribute('tabindex')), null);
		await page.setViewport({ width: 390, height: 844 });
		await later(page);
		assert.strictEqual(await page.$eval('#view', (v) => v.getAttribute('tabindex')), '0');
		await page.close();
	});

	test('no WCAG 2.1 A or AA violation in any view at any size, the edit panel open too', async () => {
		const { page } = await open();
		for (const viewport of [{ width: 1024, height: 576 }, { width: 512, height: 288 }, { width: 390, height: 844 }]) {
			await page.setViewport(viewport);
			for (const at of ['#input-3', '#table', '#output-4', '#output-5', '#practise?seed=17', '#sheet?seed=17&count=2']) {
				await go(page, at);
				if (at === '#output-5') await page.click('#edit summary');
				if (at.startsWith('#practise')) for (const id of ['#show-answer', '#check']) await page.click(id);
				await page.evaluate(axe);
				const { violations } = await page.evaluate(() => axe.run({ runOnly: ['wcag2a', 'wcag2aa', 'wcag21a', 'wcag21aa'] }));
				assert.deepStrictEqual(violations.map((v) => `${viewport.width} ${at} ${v.id}: ${v.nodes.map((n) => n.target).join(' ')}`), []);
			}
			await page.click('#title');
		}
		await page.close();
	});

	for (const [width, height] of [[1024, 576], [390, 844]])
		test(`at ${width}×${height} every view is legible in every state, and nothing overlaps or is cut off`, async () => {
			const { page } = await open('', { width, height });
			for (const at of ['#input-3', '#input-8', '#table', '#output-0', '#output-4', '#output-11'])
				await go(page, at).then(async () => assert.deepStrictEqual(await illegible(page), [], at));
			// The largest signals, whose views scroll, and an exercise checked.
			for (const at of ['#input-0', '#input-15', '#output-0', '#output-30', '#table'].map((a) => a + largest).concat('#practise?seed=0&level=3'))
				await go(page, at).then(async () => assert.deepStrictEqual(await illegible(page, true), [], at));
			await page.click('#show-answer');
			assert.deepStrictEqual(await illegible(page, true), [], 'the answer');
			await go(page, '#input-3');
			// Edited, with an error line and the panel open.
			await page.click('#edit summary');
			await type(page, 'h', 1, '-0.65');
			await drop(page, damaged(9, '12 -0.200000'));
			await error(page, 'x_3.csv: line 9: index 12, expected 6');
			await page.click('#edit summary');
			for (const at of ['#input-8', '#table', '#output-11']) await go(page, at).then(async () => assert.deepStrictEqual(await illegible(page), [], `${at}, edited`));
			// Files of tiny values, whose long labels may widen a view.
			const tiny = files.map((f) => f.replace(/^(\d+) (\S+)$/gm, (_, n, v) => `${n} ${v}e-315`).replace(/= (\S+) $/m, '= $1e-315 '));
			await drop(page, tiny);
			await page.waitForFunction(() => document.getElementById('error-line').hidden);
			for (const at of ['#input-3', '#table', '#output-4']) await go(page, at).then(async () => assert.deepStrictEqual(await illegible(page, true), [], `${at}, tiny`));
			await page.close();
		});

	test('on a phone the current step is scrolled into sight at every step', async () => {
		const { page } = await open('#output-0', { width: 390, height: 844 });
		for (const at of ['#output-4', '#output-8', '#output-11', '#output-2', '#input-2', '#input-8', '#input-4']) {
			await go(page, at);
			// The frame of the contribution added, or the dot of y[n].
			const [left, right, from, to] = await page.$eval('#view', (v, input) => {
				const mark = [...v.querySelectorAll(input ? '.frame' : 'circle.sum')].at(-1).getBoundingClientRect();
				const r = v.getBoundingClientRect();
				return [mark.left, mark.right, r.left, r.right];
			}, at.startsWith('#input'));
			assert.ok(left >= from && right <= to, `${at}: ${left} .. ${right} in ${from} .. ${to}`);
		}
		await page.close();
	});

	test('an address holds other signals and origins, one it cannot take shows the files and why, and a change replaces it', async () => {
		const signals = '?x=1,2,3&h=1,-1&x0=-1&h0=2';
		const { page } = await open(`#table${signals}`);
		const heads = (page) => page.$$eval('thead th', (c) => c.map((e) => e.textContent).join(' '));
		assert.deepStrictEqual([await sums(page), await heads(page), await page.$$eval('tbody th', (c) => c.map((e) => e.textContent).join(' '))],
			['1.00 1.00 1.00 −3.00', '1 2 3 4', 'x[−1]·h[n + 1] x[0]·h[n − 0] x[1]·h[n − 1] y[n]']);
		const at0 = '?x=1,2,3&h=1,-1&x0=-1';
		for (const [at, shown, title] of [[`#output--1${at0}`, `#output--1${at0}`, /^y\[−1\] = x\[−1\]·h\[0\] = 1\.00$/],
			[`#output-9${at0}`, `#output-2${at0}`, /^y\[2\] = x\[1\]·h\[1\] = −3\.00$/], [`#input--5${at0}`, `#input--1${at0}`, /^x\[−1\] added, the 1st of 3: x\[−1\]·h\[n \+ 1\]$/]]) {
			await go(page, at);
			assert.deepStrictEqual([await hash(page), await text(page, '#title')].map(String), [shown, (await text(page, '#title')).match(title)?.[0]], at);
		}
		for (const [at, why] of [['?x=1,a', 'x: “a” is not a number from −1000 to 1000 with at most 6 decimals, such as -0.6'],
			['?x=1&x0=9', 'x0=9, expected a whole number from −8 to 8'], [`?x=${'1,'.repeat(16)}1`, 'x: 17 values, expected 1 to 16'],
			['?y=2', 'y: not a part of this address, which takes x, h, x0, h0'], ['?h=1&h=2', 'h: given twice']]) {
			await go(page, `#table${at}`);
			await error(page, `The address: ${why}; shown instead: the files' numbers`);
			assert.deepStrictEqual([await hash(page), await sums(page)], ['#table', convolution], at);
		}
		// Two samples of x and h from n = −3: the address follows at once.
		await page.click('#edit summary');
		await keys(page, '2\n', 'input[data-kind="x"][data-part="size"]');
		await keys(page, '-3\n', 'input[data-kind="h"][data-part="origin"]');
		assert.deepStrictEqual([await hash(page), await sums(page), await heads(page)],
			['#table?x=0,-1&h=1,-0.6,-0.3,-0.1&h0=-3', '0.00 −1.00 0.60 0.30 0.10', '−3 −2 −1 0 1']);
		await page.close();
	});

	test('a swap keeps y, turns the table and says why; a preset is a change like any other', async () => {
		const { page } = await open('#table?x=1,2,3&h=1,-1&x0=-1&h0=2');
		const columns = () => page.$$eval('tbody tr:not(.sums)', (rows) => rows[0].cells.length > 1 &&
			[...rows[0].cells].slice(1).map((_, n) => rows.map((r) => r.cells[n + 1].textContent).filter((t) => t !== '0').sort().join(' ')));
		const before = await columns();
		await page.click('#edit summary');
		await page.click('#swap');
		assert.deepStrictEqual([await hash(page), await sums(page), await columns(), await page.$$eval('tbody tr', (r) => r.length)],
			['#table?x=1,-1&h=1,2,3&x0=2&h0=-1', '1.00 1.00 1.00 −3.00', before, 3]);
		assert.match(await text(page, '#sum'), /x and h swapped: y is the same, as x ∗ h = h ∗ x, which is why convolution is called commutative$/);
		await go(page, '#input-2');
		assert.match(await text(page, '#title'), /^x\[2\] added, the 1st of 2: x\[2\]·h\[n − 2\]$/);
		await go(page, '#table');
		await page.click('#edit summary');
		await page.select('#x-preset', '0');
		assert.deepStrictEqual([await hash(page), await sums(page)], ['#table?x=1&h=1,2,3&h0=-1', '1.00 2.00 3.00']);
		await page.select('#h-preset', '4');
		assert.deepStrictEqual([await hash(page), await sums(page), await page.$eval('#sum', (e) => e.textContent.includes('swapped'))],
			['#table?x=1&h=0.25,0.5,0.25&h0=-1', '0.25 0.50 0.25', false]);
		await page.close();
	});

	// x, h and their origins as the exercise's view gives them.
	const given = (page) => page.$$eval('.given table', (tables) => tables.map((t) => {
		const [n, v] = [...t.rows].map((r) => [...r.cells].slice(1).map((c) => Number(c.textContent.replace('−', '-'))));
		return [v, n[0]];
	}));
	const convolve = (x, h) => Array.from({ length: x.length + h.length - 1 }, (_, n) => x.reduce((y, v, j) => y + v * (h[n - j] ?? 0), 0));

	test('a seed gives the same exercise in every browser and every version, within its level, giving nothing away', async () => {
		const { page } = await open();
		// Worked out from the generator's definition in arbitrary precision.
		for (const [level, seed, x, x0, h, h0] of [[1, 0, [1, 1, 3], 0, [3, 1], 0], [1, 4294967295, [2, 3, 1, 3], 0, [3, 1], 0],
			[2, 0, [-3, 3, 0, 1, 1], -1, [-3, -3, 1], 2], [2, 17, [-3, 0, -1], -2, [-1, -2], -2], [2, 4294967295, [-2, 0, 0, 2, 0, 1], 1, [3, 2, 2, 3], -1],
			[3, 0, [2, -1, 0, -5, -3, 4, 4], 3, [5, 2, -1, 2], 2], [3, 17, [4, 2, -3, 2, -2], 3, [-2, 0, 4], 0], [3, 4294967295, [-4, -2, -4, 4, 3], 4, [-4, 4, 4], -1]]) {
			await go(page, `#practise?seed=${seed}${level === 2 ? '' : `&level=${level}`}`);
			assert.deepStrictEqual(await given(page), [[x, x0], [h, h0]], `level ${level}, seed ${seed}`);
			const shown = await page.$eval('#view', (v) => [v.querySelector('.paper table'), v.querySelector('.ys').hidden,
				[...v.querySelectorAll('a')].filter((a) => a.offsetWidth).length, v.querySelector('svg').getAttribute('aria-label')]);
			assert.deepStrictEqual(shown.slice(0, 3), [null, true, 0]);
			assert.doesNotMatch(shown[3], /y\[/);
		}
		const bounds = await page.evaluate(() => [1, 2, 3].map((level) => {
			const seen = { x: new Set(), h: new Set(), v: new Set(), o: new Set(), ends: new Set() };
			for (let seed = 0; seed < 3000; seed++) {
				const e = exercise(seed * 2654435761 % 4294967296, level);
				seen.x.add(e.x.length);
				seen.h.add(e.h.length);
				[...e.x, ...e.h].forEach((v) => seen.v.add(v));
				seen.o.add(e.x0).add(e.h0);
				[e.x[0], e.x.at(-1), e.h[0], e.h.at(-1)].forEach((v) => seen.ends.add(v === 0));
			}
			return Object.values(seen).map((s) => [...s].sort((a, b) => a - b));
		}));
		const range = (a, b) => Array.from({ length: b - a + 1 }, (_, i) => a + i);
		assert.deepStrictEqual(bounds, [[[3, 4], [2], range(0, 3), [0], [false]], [range(3, 6), range(2, 4), range(-3, 3), range(-2, 2), [false]],
			[range(4, 8), [3, 4], range(-5, 5), range(-4, 4), [false]]]);
		await page.close();
	});

	for (const [width, height] of [[1024, 576], [390, 844]])
		test(`at ${width}×${height} an exercise is answered by keyboard: a wrong index gets its rule, a wrong y[n] its terms, a right one counts`, async () => {
			const { page } = await open('#practise?seed=17', { width, height });
			const marked = () => page.$$eval('[aria-invalid="true"]', (f) => f.map((e) => `${e.id}: ${document.getElementById(e.getAttribute('aria-describedby')).textContent}`));
			await keys(page, '-3\t-1\n', '#first');
			assert.deepStrictEqual([await marked(), await page.$eval('.ys', (f) => f.hidden)], [['first: x starts at −2 and h at −2, so y starts at −4'], true]);
			await keys(page, '−4\n', '#first');
			assert.deepStrictEqual([await active(page), await page.$$eval('.ys label', (l) => l.map((e) => e.textContent.trim()).join(' '))], ['y0', 'y[−4] y[−3] y[−2] y[−1]']);
			assert.strictEqual(await page.$$eval('.paper td', (c) => c.map((e) => e.textContent).join('')), '');
			await keys(page, '3\t6\t5\t2\n');
			assert.deepStrictEqual(await marked(), ['y2: not 5']);
			assert.strictEqual(await text(page, '#sum'), 'y[−2] = x[−1]·h[−1] + x[0]·h[−2] = 1; you wrote 5');
			assert.deepStrictEqual(await page.$$eval('.ringed', (c) => c.map((e) => e.dataset.j ? `${e.dataset.j} ${e.dataset.n}` : e.textContent)), ['−2', '1 2', '2 2']);
			assert.match(await page.$eval('.drawing svg', (s) => s.getAttribute('aria-label')), /The terms of y\[−2\]: 0\.00, 1\.00\./);
			if (width < 1000) assert.deepStrictEqual(await illegible(page, true), []);
			await keys(page, '1\n', '#y2');
			assert.deepStrictEqual([await marked(), await text(page, '#sum'), await text(page, '#tally')],
				[[], 'All right: y = 3, 6, 1, 2 from n = −4.', 'Right at the first check: 0 of 1 in this visit']);
			// A new exercise, answered right at once with y worked out here.
			await page.click('#new-exercise');
			await page.waitForFunction(() => !location.hash.endsWith('seed=17'));
			const [[x, x0], [h, h0]] = await given(page);
			const y = convolve(x, h);
			await keys(page, `${x0 + h0}\t${x0 + h0 + y.length - 1}\n${y.join('\t')}\n`, '#first');
			assert.deepStrictEqual([await marked(), await text(page, '#tally')], [[], 'Right at the first check: 1 of 2 in this visit']);
			await page.close();
		});

	test('a worksheet has the exercises of its seeds, and a key that is their convolution, on pages of its own', async () => {
		const { page } = await open('#sheet?seed=4294967294&count=6&level=3');
		const sheet = await page.$$eval('.exercise', (sections) => sections.map((s) => [s.querySelector('.seed').textContent,
			...[...s.querySelectorAll('table')].map((t) => [...t.rows].map((r) => [...r.cells].slice(1).map((c) => c.textContent.replace('−', '-'))))]));
		assert.deepStrictEqual(sheet.map(([seed]) => seed), ['seed 4294967294', 'seed 4294967295', 'seed 0', 'seed 1', 'seed 2', 'seed 3'].flatMap((s) => [s]).concat(
			['seed 4294967294', 'seed 4294967295', 'seed 0', 'seed 1', 'seed 2', 'seed 3']));
		for (let i = 0; i < 6; i++) {
			const [, [xn, xv], [hn, hv], blank] = sheet[i];
			const [, , , key] = sheet[i + 6];
			assert.deepStrictEqual(sheet[i + 6].slice(1, 3), sheet[i].slice(1, 3));
			assert.strictEqual(blank.flat().join(''), '');
			const [x, h] = [xv, hv].map((v) => v.map(Number));
			const n0 = Number(xn[0]) + Number(hn[0]);
			const y = convolve(x, h);
			assert.deepStrictEqual(key[0].map(Number), y.map((_, n) => n0 + n));
			assert.deepStrictEqual(key.at(-1).map(Number), y);
			assert.deepStrictEqual(key.slice(1, -1).map((row) => row.map(Number)), x.map((v, j) => y.map((_, n) => v * (h[n - j] ?? 0) + 0)));
		}
		await go(page, '#practise?seed=4294967295&level=3');
		assert.deepStrictEqual(await given(page), [[[-4, -2, -4, 4, 3], 4], [[-4, 4, 4], -1]]);
		await go(page, '#sheet?seed=4294967294&count=6&level=3');
		const dir = fs.mkdtempSync(path.join(os.tmpdir(), 'sheet-'));
		for (const format of ['A4', 'Letter']) {
			const pdf = path.join(dir, 'sheet.pdf');
			fs.writeFileSync(pdf, await page.pdf({ format }));
			const pages = execFileSync('pdftotext', ['-layout', pdf, '-'], { encoding: 'utf8' }).split('\f').slice(0, -1);
			const key = pages.findIndex((p) => /^\s*Key/m.test(p));
			// Each exercise whole on one page, the key from a page of its own.
			assert.ok(key > 0 && !/Exercise/.test(pages[key].split(/^\s*Key/m)[0]), `${format}: key on page ${key + 1}`);
			for (const [p, words] of pages.entries())
				assert.strictEqual((words.match(/Exercise \d/g) ?? []).length, (words.match(/y\[n\]/g) ?? []).length, `${format}, page ${p + 1}`);
			assert.doesNotMatch(pages.join(''), /Check|Open files|Practise/);
		}
		fs.rmSync(dir, { recursive: true });
		await page.close();
	});

	test('printed on A4 and Letter, either way up, each view fits one page without the controls', async () => {
		const { page } = await open();
		const dir = fs.mkdtempSync(path.join(os.tmpdir(), 'print-'));
		for (const [at, last] of [['#input-4', 'x[8]·h[n'], ['#table', '0.06'], ['#output-4', '0.66']])
			for (const format of ['A4', 'Letter'])
				for (const landscape of [false, true]) {
					await go(page, at);
					const pdf = path.join(dir, 'page.pdf');
					fs.writeFileSync(pdf, await page.pdf({ format, landscape }));
					const words = execFileSync('pdftotext', ['-bbox', pdf, '-'], { encoding: 'utf8' });
					const [w, h] = /<page width="([\d.]+)" height="([\d.]+)"/.exec(words).slice(1).map(Number);
					const what = `${at} on ${format}${landscape ? ', landscape' : ''}`;
					assert.strictEqual(words.match(/<page /g).length, 1, what);
					const out = [...words.matchAll(/xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</g)]
						.filter(([, x0, y0, x1, y1]) => x0 < 0 || y0 < 0 || x1 > w || y1 > h).map((m) => m[5]);
					assert.deepStrictEqual(out, [], what);
					const all = [...words.matchAll(/>([^<]*)<\/word>/g)].map((m) => m[1]).join(' ');
					assert.ok(all.includes(last) && all.includes((await text(page, '#title')).split(' ')[0]), `${what}: ${all}`);
					assert.doesNotMatch(all, /Play|Open files|Change x/, what);
				}
		fs.rmSync(dir, { recursive: true });
		await page.close();
	});
});
