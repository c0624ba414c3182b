// What the page's tests share: its sources loaded into one context as the
// page loads them, the two browsers it is tested in, and a fake clock.
const fs = require('node:fs');
const os = require('node:os');
const path = require('node:path');
const vm = require('node:vm');

const sources = path.join(__dirname, '../../page');

// The functions of the named sources, loaded in that order.
function load(...names) {
	const context = vm.createContext({});
	for (const name of ['files', 'model', ...names].filter((n, i, all) => all.indexOf(n) === i))
		vm.runInContext(fs.readFileSync(path.join(sources, `${name}.js`), 'utf8'), context);
	return context;
}

// Debian's Chromium and Firefox, as puppeteer launches them; CHROMIUM and
// FIREFOX name others.
const engines = {
	chromium: () => ({
		browser: 'chrome',
		executablePath: process.env.CHROMIUM || '/usr/bin/chromium',
		args: ['--no-sandbox', '--host-resolver-rules=MAP * ~NOTFOUND , EXCLUDE localhost',
			'--disable-background-networking', '--disable-component-update', '--no-first-run', '--disable-sync'],
	}),
	firefox: () => ({ browser: 'firefox', executablePath: process.env.FIREFOX || '/usr/bin/firefox-esr' }),
};

// The browser engine, headless, kept off the network and out of the home folder.
async function browser(engine) {
	const puppeteer = require('puppeteer-core');
	const home = fs.mkdtempSync(path.join(os.tmpdir(), `${engine}-`));
	const b = await puppeteer.launch({
		...engines[engine](), headless: true,
		env: { ...process.env, HOME: home, XDG_CONFIG_HOME: path.join(home, 'config'), XDG_CACHE_HOME: path.join(home, 'cache') },
		extraPrefsFirefox: { 'network.proxy.type': 1, 'network.proxy.http': '127.0.0.1', 'network.proxy.http_port': 9 },
	});
	b.on('disconnected', () => fs.rmSync(home, { recursive: true, force: true }));
	return b;
}

// Run in a page before its own script: setInterval and clearInterval on a
// clock that moves only when clock.runFor(ms) says so.
function fakeClock() {
	let now = 0;
	let next = 1;
	const timers = new Map();
	window.setInterval = (f, every) => (timers.set(next, { f, at: now + every, every }), next++);
	window.clearInterval = (id) => timers.delete(id);
	window.clock = {
		runFor(ms) {
			for (let due; (due = [...timers.values()].sort((a, b) => a.at - b.at)[0]) && due.at <= now + ms; ) {
				ms -= due.at - now;
				now = due.at;
				due.at += due.every;
				due.f();
			}
			now += ms;
		},
	};
}

module.exports = { load, browser, engines: Object.keys(engines), fakeClock };
