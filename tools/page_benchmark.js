// Times the page in headless Chromium on this machine: its size, the time
// from navigation to the first drawn view, and the medians of two rounds of
// 100 steps and of 100 slider moves, each timed around the update and the
// layout after it: the first round while the browser still compiles the
// page's code, the second once it has.
//
//   node tools/page_benchmark.js [PAGE]
//
// PAGE defaults to docs/convolution.html. A benchmark, not a test: it
// reports and fails only if the page cannot be opened.
const fs = require('node:fs');
const path = require('node:path');
const { browser } = require('../tests/page/page.js');

const file = path.resolve(process.argv[2] || path.join(__dirname, '../docs/convolution.html'));

(async () => {
	const chromium = await browser();
	// What the browser itself takes to show a page of one line, for scale.
	const blank = path.join(fs.mkdtempSync(path.join(require('node:os').tmpdir(), 'blank-')), 'blank.html');
	fs.writeFileSync(blank, '<!DOCTYPE html><title>blank</title><p>blank');
	const firstPaint = (page) => page.evaluate(() => new Promise((resolve) =>
		new PerformanceObserver((list) => resolve(list.getEntries()[0].startTime))
			.observe({ type: 'paint', buffered: true })));
	const other = await chromium.newPage();
	await other.goto(`file://${blank}`);
	const baseline = await firstPaint(other);
	fs.rmSync(path.dirname(blank), { recursive: true });
	const page = await chromium.newPage({ viewport: { width: 1024, height: 576 } });
	await page.goto(`file://${file}#output-0`);
	const firstView = await firstPaint(page);
	const times = await page.evaluate(() => {
		const median = (update) => {
			const spent = [];
			for (let i = 0; i < 100; i++) {
				const start = performance.now();
				update(i);
				void document.body.offsetHeight;
				spent.push(performance.now() - start);
			}
			return spent.sort((a, b) => a - b)[50];
		};
		const slider = document.getElementById('step');
		const next = (i) => stepTo(i % ROWS);
		const move = (i) => {
			slider.value = (i * 5) % ROWS;
			slider.dispatchEvent(new Event('input', { bubbles: true }));
		};
		return {
			step: [median(next), median(next)],
			slider: [median(move), median(move)],
		};
	});
	await chromium.close();
	console.log(`page: ${fs.statSync(file).size} bytes (goal: at most 102400)`);
	console.log(`first view drawn: ${firstView.toFixed(1)} ms after navigation (goal: 200 ms;` +
		` a page of one line: ${baseline.toFixed(1)} ms)`);
	for (const [what, [first, next]] of [['step', times.step], ['slider move', times.slider]])
		console.log(`one ${what}: ${first.toFixed(2)} ms, median of the first 100;` +
			` ${next.toFixed(2)} ms of the next 100 (goal: 16 ms)`);
})();
