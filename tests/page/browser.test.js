// The page in headless Chromium, opened from disk as a lecturer would: what
// it shows and sends, its controls, other files, and how it reads and fits.
const { test, before, after } = require('node:test');
const assert = require('node:assert');
const fs = require('node:fs');
const path = require('node:path');
const { browser } = require('./page.js');

const pageFile = process.env.PAGE || path.join(__dirname, '../../docs/convolution.html');
const url = `file://${path.resolve(pageFile)}`;
const expected = path.join(__dirname, '../expected');
const files = Array.from({ length: 9 }, (_, j) => fs.readFileSync(path.join(expected, `x_${j}.csv`), 'latin1'));
const convolution = '0.00 −1.00 −0.60 3.02 0.66 0.08 −0.96 −0.86 −0.89 0.31 0.18 0.06';
const y4 = 'y[4] = x[1]·h[3] + x[2]·h[2] + x[3]·h[1] + x[4]·h[0] = 0.10 + 0.36 − 1.20 + 1.40 = 0.66';
let chromium;

before(async () => (chromium = await browser()));
after(() => chromium.close());

// A new page at hash, with what it requests, logs and alerts recorded.
async function open(hash = '', viewport = { width: 1024, height: 576 }) {
	const page = await chromium.newPage({ viewport });
	const seen = { requests: [], console: [], dialogs: [] };
	page.on('request', (r) => r.url().split('#')[0] !== url && seen.requests.push(r.url()));
	page.on('console', (m) => seen.console.push(m.text()));
	page.on('pageerror', (e) => seen.console.push(e.message));
	page.on('dialog', (d) => seen.dialogs.push(d.message()) && d.dismiss());
	await page.clock.install();
	await page.goto(url + hash);
	return { page, seen };
}

const text = (page, selector) => page.locator(selector).innerText();
const sums = async (page) => (await page.locator('tr.sums td').allInnerTexts()).join(' ');

// Drops these nine texts on the page as x_0.csv .. x_8.csv.
function drop(page, texts) {
	return page.evaluate((texts) => {
		const data = new DataTransfer();
		texts.forEach((t, j) => data.items.add(new File([Uint8Array.from(t, (c) => c.charCodeAt(0))], `x_${j}.csv`)));
		document.dispatchEvent(new DragEvent('drop', { dataTransfer: data, bubbles: true, cancelable: true }));
	}, texts);
}
const damaged = (line, text) => files.map((f, j) => (j === 3 ? f.split('\n').map((l, i) => (i === line - 1 ? text : l)).join('\n') : f));

test('the table sums to the convolution, and the page asks for nothing', async () => {
	const { page, seen } = await open('#table');
	assert.strictEqual(await sums(page), convolution);
	await page.locator('td[data-j="3"][data-n="4"]').hover();
	assert.strictEqual(await text(page, '#sum'), 'x[3]·h[1] = 2.00 · (−0.60) = −1.20, a term of y[4]');
	for (const hash of ['#input-3', '#output-0']) await page.goto(url + hash);
	assert.deepStrictEqual(seen, { requests: [], console: [], dialogs: [] });
	await page.close();
});

test('the output side steps by key, slider, play and history', async () => {
	const { page } = await open('#output-4');
	assert.strictEqual(await text(page, '#title'), y4);
	await page.keyboard.press('ArrowRight');
	assert.match(await text(page, '#title'), /^y\[5\] = x\[2\]·h\[3\] \+ /);
	assert.strictEqual(new URL(page.url()).hash, '#output-5');
	await page.locator('#step').fill('11');
	assert.strictEqual(await text(page, '#title'), 'y[11] = x[8]·h[3] = 0.06');
	await page.goBack();
	assert.strictEqual(new URL(page.url()).hash, '#output-5');
	await page.locator('#title').click();
	await page.keyboard.press('Home');
	await page.keyboard.press('Space');
	await page.clock.runFor(2500);
	assert.strictEqual(new URL(page.url()).hash, '#output-2');
	await page.locator('#to-table').click();
	await page.locator('th button', { hasText: 'x[6]' }).click();
	assert.strictEqual(await text(page, '#title'), 'Step 7 of 9: adding x[6]·h[n − 6]');
	await page.close();
});

test('a changed x[3] changes y[3] .. y[6] until the files are back', async () => {
	const { page } = await open('#table');
	await page.locator('#edit summary').click();
	await page.locator('input[data-kind="x"][data-index="3"]').fill('1');
	assert.strictEqual(await sums(page), '0.00 −1.00 −0.60 2.02 1.26 0.38 −0.86 −0.86 −0.89 0.31 0.18 0.06');
	assert.match(await text(page, '#edited'), /^Edited: these are no longer the program's files/);
	await page.locator('#reset').click();
	assert.strictEqual(await sums(page), convolution);
	assert.ok(await page.locator('#edited').isHidden());
	// Dragging the dot of x[8] down changes it too.
	await page.locator('#edit summary').click();
	await page.goto(`${url}#output-8`);
	const dot = await page.locator('circle[data-kind="x"][data-index="8"]').boundingBox();
	await page.mouse.move(dot.x + 5, dot.y + 5);
	await page.mouse.down();
	await page.mouse.move(dot.x + 5, dot.y + 45, { steps: 4 });
	await page.mouse.up();
	assert.ok(await page.locator('#edited').isVisible());
	assert.notStrictEqual(await text(page, '#title'), 'y[8] = x[5]·h[3] + x[6]·h[2] + x[7]·h[1] + x[8]·h[0] = −0.14 − 0.15 + 0.00 − 0.60 = −0.89');
	await page.close();
});

test('other files: a bad set is one line and leaves the drawing; a good one is drawn', async () => {
	const { page, seen } = await open('#table');
	for (const [set, message] of [
		[damaged(9, '12 -0.200000'), 'x_3.csv: line 9: index 12, expected 6'],
		[damaged(7, '4 <script>alert(1)</script>'), 'x_3.csv: line 7: value <script>alert(1)</sc..., expected a finite number'],
		[damaged(7, '4 <img/src=x/onerror=alert(1)>'), 'x_3.csv: line 7: value <img/src=x/onerror=a..., expected a finite number'],
		[files.map((f, j) => (j === 8 ? f.slice(0, -5) : f)), 'x_8.csv: line 14: no line feed at its end, so the file may be cut short'],
	]) {
		await drop(page, set);
		await page.locator('#error').filter({ hasText: message }).waitFor();
		assert.strictEqual(await text(page, '#error'), message);
		assert.strictEqual(await sums(page), convolution);
	}
	assert.strictEqual(await page.locator('#error img, #error script').count(), 0);
	const zero = files.map((f) => f.replace(/^(\d+) .*$/gm, '$1 0.000000').replace(/= .* $/m, '= 0.000000 '));
	await drop(page, zero);
	await page.locator('#error:empty').waitFor({ state: 'attached' });
	assert.strictEqual(await sums(page), '0.00 0.00 0.00 0.00 0.00 0.00 0.00 0.00 0.00 0.00 0.00 0.00');
	await page.goto(`${url}#output-4`);
	assert.match(await text(page, '#sum'), /Every x\[j\] is zero/);
	assert.deepStrictEqual(seen.dialogs, []);
	await page.close();
});

test('no WCAG 2.1 A or AA violation in any view', async () => {
	const { page } = await open();
	await page.evaluate(fs.readFileSync(require.resolve('axe-core'), 'utf8'));
	for (const hash of ['#input-3', '#table', '#output-4']) {
		await page.goto(url + hash);
		await page.evaluate(fs.readFileSync(require.resolve('axe-core'), 'utf8'));
		if (hash === '#table') await page.locator('#edit summary').click();
		const { violations } = await page.evaluate(() =>
			axe.run({ runOnly: ['wcag2a', 'wcag2aa', 'wcag21a', 'wcag21aa'] }));
		assert.deepStrictEqual(violations.map((v) => `${hash} ${v.id}: ${v.nodes.map((n) => n.target).join(' ')}`), []);
	}
	await page.close();
});

// The text boxes of the page in view: each piece of HTML text, each SVG text,
// with its font size in pixels and whether a scroll box holds it.
function textBoxes() {
	const boxes = [];
	const add = (text, element, r, size) => r.width && boxes.push({ text, left: r.left, right: r.right, top: r.top,
		bottom: r.bottom, size, svg: size === r.height, scrolled: !!element.closest('#view') });
	const walker = document.createTreeWalker(document.body, NodeFilter.SHOW_TEXT);
	for (let node; (node = walker.nextNode()); ) {
		const element = node.parentElement;
		if (!node.textContent.trim() || element.closest('svg, script, [hidden], details:not([open]) > div')) continue;
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

for (const [width, height] of [[1024, 576], [390, 844]]) {
	test(`at ${width}×${height} every view is legible, and nothing overlaps or is cut off`, async () => {
		const { page } = await open('', { width, height });
		for (const hash of ['#input-3', '#input-8', '#table', '#output-0', '#output-4', '#output-11']) {
			await page.goto(url + hash);
			const { boxes, page: [scrollWidth, scrollHeight], view, ...screen } = await page.evaluate(textBoxes);
			const problems = [];
			if (scrollWidth > screen.width) problems.push(`the page is ${scrollWidth} px wide`);
			if (width > height && (scrollHeight > screen.height || !view.fits)) problems.push('the view scrolls');
			boxes.forEach((a, i) => {
				if (a.svg ? a.size < 13 : a.size < 12) problems.push(`${a.text} is ${a.size} px`);
				const within = a.scrolled ? view : { left: 0, top: 0, right: screen.width, bottom: scrollHeight };
				if (a.left < within.left - 1 || a.right > within.right + 1 || a.top < within.top - 1 || a.bottom > within.bottom + 1)
					problems.push(`${a.text} is cut off`);
				for (const b of boxes.slice(i + 1))
					if (Math.min(a.right, b.right) - Math.max(a.left, b.left) > 1 && Math.min(a.bottom, b.bottom) - Math.max(a.top, b.top) > 1)
						problems.push(`${a.text} overlaps ${b.text}`);
			});
			assert.deepStrictEqual(problems, [], hash);
		}
		await page.close();
	});
}
