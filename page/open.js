// Other files, chosen or dropped: drawn if they are good, else the one line
// that says why, until it is dismissed. Takes readSet(), BadFile and shown()
// of files.js, useFiles() of controls.js.

function showError(line) {
	$('error').textContent = line;
	$('error-line').hidden = false;
}

// Hides the error line; focus in it goes to the button that opens files.
function dismiss() {
	const within = $('error-line').contains(document.activeElement);
	$('error-line').hidden = true;
	$('error').textContent = '';
	if (within) $('open').focus();
}

// Reads the files of list that the set needs and draws them, or shows why
// not: a file over the size limit is refused unread, and one that cannot be
// read is named. A list with no files, as a drop of text brings, does nothing.
async function openFiles(list) {
	if (!list.length) return;
	const byName = new Map([...list].reverse().map((f) => [f.name, f]));
	const files = Array(FILES).fill(null);
	for (let j = 0; j < FILES; j++) {
		const file = byName.get(`x_${j}.csv`);
		if (!file) continue;
		if (file.size > FILE_LIMIT) {
			files[j] = `${file.size} bytes, expected at most ${FILE_LIMIT}`;
			break;
		}
		try {
			files[j] = new Uint8Array(await file.arrayBuffer());
		} catch {
			files[j] = 'cannot be read; drop or choose the files themselves, not a folder';
			break;
		}
	}
	const set = readSet(files);
	if (set.error) return showError(set.error);
	dismiss();
	useFiles(set);
}

$('open').addEventListener('click', () => $('chooser').click());
$('chooser').addEventListener('change', (e) => {
	const list = [...e.target.files];
	e.target.value = '';
	openFiles(list);
});
$('dismiss').addEventListener('click', dismiss);
document.addEventListener('dragover', (e) => e.preventDefault());
document.addEventListener('drop', (e) => {
	e.preventDefault();
	const folder = [...e.dataTransfer.items].map((item) => item.webkitGetAsEntry?.()).find((entry) => entry?.isDirectory);
	if (folder) showError(`${shown(folder.name, false)}: a folder; drop or choose the nine files x_0.csv … x_8.csv in it`);
	else openFiles(e.dataTransfer.files);
});
