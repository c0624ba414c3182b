// What the page's tests share: its sources loaded into one context as the
// page loads them, and the page built from the program's files.
const fs = require('node:fs');
const path = require('node:path');
const vm = require('node:vm');

const sources = path.join(__dirname, '../../tools/plot_contributions/page');

// The functions of the named sources, loaded in that order.
function load(...names) {
	const context = vm.createContext({});
	for (const name of ['files', 'model', ...names].filter((n, i, all) => all.indexOf(n) === i))
		vm.runInContext(fs.readFileSync(path.join(sources, `${name}.js`), 'utf8'), context);
	return context;
}

// Headless Chromium, kept off the network and out of the home folder.
async function browser() {
	const { chromium } = require('playwright-core');
	const home = fs.mkdtempSync(path.join(require('node:os').tmpdir(), 'chromium-'));
	process.env.XDG_CONFIG_HOME = path.join(home, 'config');
	process.env.XDG_CACHE_HOME = path.join(home, 'cache');
	const b = await chromium.launch({
		executablePath: process.env.CHROMIUM || '/usr/bin/chromium',
		args: ['--host-resolver-rules=MAP * ~NOTFOUND , EXCLUDE localhost', '--disable-background-networking',
			'--disable-component-update', '--no-first-run', '--disable-sync'],
	});
	b.on('disconnected', () => fs.rmSync(home, { recursive: true, force: true }));
	return b;
}

module.exports = { load, browser };
