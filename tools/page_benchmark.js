// Times the page in headless Chromium on this machine: its size, the time
// from navigation to the first drawn view beside that of a page of one line,
// and, for two rounds of 100 steps and of 100 slider moves, the median and
// the 95th percentile, each timed around the update and the layout after
// it: the first round while the browser still compiles the page's code, the
// second once it has. The history that each step writes after it is drawn
// is timed on its own, and so is the reader refusing a file with a field as
// long as the size limit allows.
//
//   node tools/page_benchmark.js [PAGE]
//
// PAGE defaults to docs/convolution.html. A benchmark, not a test: it
// reports and fails only if the page cannot be opened.
const fs = require('node:fs');
const os = require('node:os');
const path = require('node:path');
const { browser } = require('../tests/page/page.js');

const file = path.resolve(process.argv[2] || path.join(__dirname, '../docs/convolution.html'));

(async () => {
	const chromium = await browser('chromium');
	const firstPaint = async (target) => {
		const page = await chromium.newPage();
		await page.setViewport({ width: 1024, height: 576 });
		await page.goto(`file://${target}#output-0`);
		const time = await page.evaluate(() => new Promise((resolve) =>
			new PerformanceObserver((list) => resolve(list.getEntries()[0].startTime))
				.observe({ type: 'paint', buffered: true })));
		return { page, time };
	};
	// The browser's own start-up work settles first; then each page is
	// opened three times, by turns, and the middle time counts.
	await new Promise((resolve) => setTimeout(resolve, 2000));
	const blank = path.join(fs.mkdtempSync(path.join(os.tmpdir(), 'blank-')), 'blank.html');
	fs.writeFileSync(blank, '<!DOCTYPE html><title>blank</title><p>blank');
	const firsts = { blank: [], page: [] };
	let page;
	for (let i = 0; i < 3; i++) {
		const other = await firstPaint(blank);
		firsts.blank.push(other.time);
		await other.page.close();
		if (page) await page.close();
		const opened = await firstPaint(file);
		firsts.page.push(opened.time);
		page = opened.page;
	}
	fs.rmSync(path.dirname(blank), { recursive: true });
	const middle = (times) => times.sort((a, b) => a - b)[1];
	const [baseline, firstView] = [middle(firsts.blank), middle(firsts.page)];
	const times = await page.evaluate(async () => {
		const round = (update) => {
			const spent = [];
			for (let i = 0; i < 100; i++) {
				const start = performance.now();
				update(i);
				void document.body.offsetHeight;
				spent.push(performance.now() - start);
			}
			spent.sort((a, b) => a - b);
			return [spent[50], spent[95]];
		};
		const slider = document.getElementById('step');
		const next = (i) => stepTo(i % ROWS);
		const move = (i) => {
			slider.value = (i * 5) % ROWS;
			slider.dispatchEvent(new Event('input', { bubbles: true }));
		};
		const times = { step: [round(next), round(next)], 'slider move': [round(move), round(move)] };
		// The history that the 400 steps write once each is drawn.
		const start = performance.now();
		await new Promise((resolve) => setTimeout(resolve));
		return { ...times, history: (performance.now() - start) / 400 };
	});
	const { history } = times;
	delete times.history;
	// The reader refusing the program's files with a field of 65,371 digits
	// in x_3.csv, which is then as large as the limit allows.
	const files = Array.from({ length: 9 }, (_, j) =>
		fs.readFileSync(path.join(__dirname, '../tests/expected', `x_${j}.csv`), 'latin1'));
	files[3] = files[3].replace('4 -1.200000', `4 ${'1'.repeat(65371)}x`);
	const refusal = await page.evaluate((texts) => {
		const bytes = texts.map((t) => Uint8Array.from(t, (c) => c.charCodeAt(0)));
		const start = performance.now();
		readSet(bytes);
		return performance.now() - start;
	}, files);
	await chromium.close();
	console.log(`page: ${fs.statSync(file).size} bytes (goal: at most 102400)`);
	console.log(`first view drawn: ${firstView.toFixed(1)} ms after navigation, ${(firstView - baseline).toFixed(1)} ms` +
		` after a page of one line (goal: 60 ms; middle of three)`);
	console.log(`refusing a file of ${files[3].length} bytes with a field of 65,371 digits: ${refusal.toFixed(1)} ms (goal: 50 ms)`);
	console.log(`the address of a step written to the history after it is drawn: ${history.toFixed(2)} ms`);
	for (const [what, rounds] of Object.entries(times))
		rounds.forEach(([median, p95], i) => console.log(`one ${what}, round ${i + 1}: median ${median.toFixed(2)} ms,` +
			` 95th percentile ${p95.toFixed(2)} ms (goal: 8 and 16 ms)`));
})();
