// x and h as the student changes them: typed into the fields of "Change x
// and h", each value taken when it is committed (Enter, or leaving its
// field) and only if it is one the page allows, or dragged on the output
// side. Takes the state and update() of controls.js, typed() and asTyped()
// of model.js.

// The fields of x and h, filled with the values in use, none marked.
function signalInputs() {
	const fill = (id, name, values) => {
		const set = $(id);
		set.querySelectorAll('label').forEach((l) => l.remove());
		(values || Array(TAPS).fill(null)).forEach((v, i) => {
			const label = document.createElement('label');
			const input = document.createElement('input');
			label.append(`${name}[${i}] `, input);
			Object.assign(input, { type: 'text', inputMode: 'decimal', autocomplete: 'off', spellcheck: false,
				value: v === null ? '' : asTyped(v), disabled: v === null });
			input.dataset.kind = name;
			input.dataset.index = i;
			set.append(label);
		});
	};
	fill('x-values', 'x', h ? x : x.map(() => null));
	fill('h-values', 'h', h);
	$('edit-message').textContent = '';
}

const field = (kind, index) => document.querySelector(`input[data-kind="${kind}"][data-index="${index}"]`);

// Sets x[index] or h[index], as kind says, to v, its field to show it.
function setSignal(kind, index, v) {
	(kind === 'x' ? x : h)[index] = v;
	const input = field(kind, index);
	input.value = input.dataset.before = asTyped(v);
	input.removeAttribute('aria-invalid');
	input.removeAttribute('aria-describedby');
	if ($('edit-message').dataset.for === `${kind}${index}`) $('edit-message').textContent = '';
	update();
}

// Takes the text of field input if it changed since the field was focused:
// its value if allowed, else the field marked and the value kept; a field
// left shows the value in use again.
function commit(input, leaving) {
	if (input.value === input.dataset.before) return;
	const { kind } = input.dataset;
	const index = Number(input.dataset.index);
	const v = typed(input.value);
	if (v !== null) return setSignal(kind, index, v);
	const name = `${kind}[${index}]`;
	const text = input.value.length > 24 ? `${input.value.slice(0, 24)}…` : input.value;
	$('edit-message').textContent = `${name}: “${text}” is not ${ALLOWED}; ${name} stays ${input.dataset.before}.`;
	$('edit-message').dataset.for = `${kind}${index}`;
	input.setAttribute('aria-invalid', 'true');
	input.setAttribute('aria-describedby', 'edit-message');
	if (leaving) input.value = input.dataset.before;
}

// Closes the panel, its field in focus as it was, and focuses its summary.
function closeEdit() {
	const input = document.activeElement;
	if ($('edit').contains(input) && input.dataset.kind) input.value = input.dataset.before;
	$('edit').open = false;
	$('edit').querySelector('summary').focus();
}

$('edit-hint').textContent = `Type ${ALLOWED}, then Enter or Tab; or drag a dot of x or h on the output side.`;
$('edit').addEventListener('focusin', (e) => {
	if (e.target.dataset.kind) e.target.dataset.before = e.target.value;
});
$('edit').addEventListener('keydown', (e) => {
	if (e.key !== 'Enter' || !e.target.dataset.kind) return;
	e.preventDefault();
	commit(e.target, false);
});
$('edit').addEventListener('focusout', (e) => {
	if (e.target.dataset.kind) commit(e.target, true);
	if (!$('edit').contains(e.relatedTarget)) $('edit').open = false;
});
$('reset').addEventListener('click', () => {
	useFiles(base);
	$('edit').querySelector('summary').focus();
});

// x and h dragged on the output side, in steps of 0.05 up to the limit, on
// the scale of the axis as it was when the drag began.
let dragging = null;
$('view').addEventListener('pointerdown', (e) => {
	const { kind, index } = e.target.dataset;
	if (!kind || !drawn.h) return;
	const v = (kind === 'x' ? x : h)[index];
	dragging = { kind, index: Number(index), y: e.clientY, v, per: signalAxis.per };
	$('view').setPointerCapture(e.pointerId);
	e.preventDefault();
});
$('view').addEventListener('pointermove', (e) => {
	if (!dragging) return;
	const v = Math.round((dragging.v - (e.clientY - dragging.y) * dragging.per) * 20) / 20;
	const within = Math.min(LIMIT, Math.max(-LIMIT, v)) + 0;
	if (within !== (dragging.kind === 'x' ? x : h)[dragging.index]) setSignal(dragging.kind, dragging.index, within);
});
$('view').addEventListener('pointerup', () => (dragging = null));
$('view').addEventListener('pointercancel', () => (dragging = null));
