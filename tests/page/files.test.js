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

const { readSet } = load('files');
const expected = path.join(__dirname, '../expected');
const read = (dir) => structuredClone(
	readSet(Array.from({ length: 9 }, (_, j) => {
		const file = path.join(dir, `x_${j}.csv`);
		return fs.existsSync(file) ? fs.readFileSync(file) : null;
	})));
const program = read(expected);

test('the program files give x and their rows', () => {
	assert.deepStrictEqual(program.x, [0, -1, -1.2, 2, 1.4, 1.4, 0.5, 0, -0.6]);
	assert.deepStrictEqual(program.rows[3].slice(2, 8), [0, 2, -1.2, -0.6, -0.2, 0]);
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
		assert.deepStrictEqual(read(dir), said ? { error: `x_3.csv: ${said}` } : program);
		assert.ok(performance.now() - start < 200, `${performance.now() - start} ms`);
	});
}
