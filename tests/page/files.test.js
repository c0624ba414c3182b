// The page's reader against the table of file rules that the plot script's
// test runs too: the same line for each damaged set, the program's numbers
// for each accepted one.
const { test } = require('node:test');
const assert = require('node:assert');
const { execFileSync } = require('node:child_process');
const fs = require('node:fs');
const os = require('node:os');
const path = require('node:path');
const { load } = require('./page.js');

const { readSet, oneH } = load('files');
const expected = path.join(__dirname, '../expected');
const read = (dir) => structuredClone(
	readSet(Array.from({ length: 9 }, (_, j) => {
		const file = path.join(dir, `x_${j}.csv`);
		return fs.existsSync(file) ? fs.readFileSync(file) : null;
	})));
const program = read(expected);

test('the program files give x and their rows, and h', () => {
	assert.deepStrictEqual(program.x, [0, -1, -1.2, 2, 1.4, 1.4, 0.5, 0, -0.6]);
	assert.deepStrictEqual(program.rows[3].slice(2, 8), [0, 2, -1.2, -0.6, -0.2, 0]);
	assert.deepStrictEqual(structuredClone(oneH(program)), { h: [1, -0.6, -0.3, -0.1], why: null });
});

// The nine files as the program writes them for x and h, in single
// precision, each value with six decimals, or the program's own files with
// each value scaled by 10^p as a lecturer would write it by hand.
const written = (x, h) => x.map((v, j) => `# x[${j}] h[n - ${j}] \n# x[${j}] = ${v.toFixed(6)} \n` +
	Array.from({ length: 12 }, (_, n) => `${n} ${(n >= j && n - j < 4 ? Math.fround(v * h[n - j]) : 0).toFixed(6)}\n`).join(''));
const scaled = (p) => Array.from({ length: 9 }, (_, j) => fs.readFileSync(path.join(expected, `x_${j}.csv`), 'latin1')
	.replace(/^(\d+) (\S+)$/gm, `$1 $2e${p}`).replace(/= (\S+) $/m, `= $1e${p} `));

test('one h gives every set the program could write, and every set scaled by hand', () => {
	let seed = 1;
	const random = () => ((seed = (seed * 48271) % 2147483647) / 2147483647);
	// Sizes from 1e-7 to 1e9, so that products stay below 1e21, where %f
	// and toFixed part; some samples zero and some about 1e-6.
	const value = () => Math.fround((random() < 0.5 ? -1 : 1) * 10 ** (random() * 16 - 7));
	for (let i = 0; i < 300; i++) {
		const x = Array.from({ length: 9 }, () => (random() < 0.2 ? 0 : random() < 0.3 ? Math.fround(random() * 2e-6) : value()));
		x[i % 9] = Math.fround(1e-6 + random() * 1e-6);
		const h = Array.from({ length: 4 }, value);
		const set = readSet(written(x, h).map((t) => Buffer.from(t, 'latin1')));
		assert.strictEqual(oneH(set).why, null, `x = ${x}, h = ${h}`);
	}
	for (const p of [-320, -300, -6, 6, 100, 299]) assert.strictEqual(oneH(readSet(scaled(p).map((t) => Buffer.from(t)))).why, null, `10^${p}`);
});

const cases = fs.readFileSync(path.join(__dirname, '../file_rules.txt'), 'utf8')
	.split('\n').filter((line) => line && !line.startsWith('#'));
for (const line of cases) {
	const [damage, said] = line.split(/\|(.*)$/);
	test(damage, (t) => {
		const dir = fs.mkdtempSync(path.join(os.tmpdir(), 'rules-'));
		t.after(() => fs.rmSync(dir, { recursive: true }));
		for (const f of fs.readdirSync(expected)) fs.copyFileSync(path.join(expected, f), path.join(dir, f));
		execFileSync('sh', ['-c', damage], { cwd: dir });
		const stat = fs.statSync(path.join(dir, 'x_3.csv'), { throwIfNoEntry: false });
		if (stat && !stat.isFile()) return t.skip('a page is handed files only');
		const start = performance.now();
		const set = read(dir);
		assert.ok(performance.now() - start < 200, `${performance.now() - start} ms`);
		if (said.startsWith('one h: ')) assert.strictEqual(oneH(set).why, said.slice(7));
		else assert.deepStrictEqual(set, said ? { error: `x_3.csv: ${said}` } : program);
	});
}
