// The front panel over the photograph, from the firmware's key table: a
// transparent button over each push button and over the knob, the knob's
// "+" and "-" buttons, each key's keyboard shortcut (whatever has the
// focus), the mouse wheel over the knob, touch on the knob; and "On" and
// "Off". Every control is a real button: reachable by Tab, pressed with
// Enter or Space, named for screen readers.
import { knobTurns } from './knob_gestures.js';

// The power buttons' places on the form, left, top, width, height.
const powerButtons = [
  { caption: 'On', accessKey: 'o', on: true, area: [32, 272, 75, 25] },
  { caption: 'Off', accessKey: 'f', on: false, area: [136, 272, 75, 25] },
];

// Qt's key names in the table's shortcuts, as KeyboardEvent.key gives them.
const keyNames = { Left: 'ArrowLeft', Right: 'ArrowRight', Up: 'ArrowUp', Down: 'ArrowDown', Return: 'Enter' };

function placeOnForm(element, [left, top, width, height]) {
  Object.assign(element.style, {
    left: `calc(${left} * var(--u))`, top: `calc(${top} * var(--u))`,
    width: `calc(${width} * var(--u))`, height: `calc(${height} * var(--u))`,
  });
}

// "Ctrl+Shift+Up" as { ctrl, shift, alt, key }.
function parseShortcut(text) {
  const parts = text.split('+');
  const key = parts.pop();
  return {
    ctrl: parts.includes('Ctrl'), shift: parts.includes('Shift'), alt: parts.includes('Alt'),
    key: keyNames[key] ?? key,
  };
}

function shortcutMatches(shortcut, event) {
  return event.ctrlKey === shortcut.ctrl && event.shiftKey === shortcut.shift &&
    event.altKey === shortcut.alt && event.key.toLowerCase() === shortcut.key.toLowerCase();
}

// For aria-keyshortcuts: "Control+ArrowLeft".
function ariaShortcut(s) {
  return [s.ctrl && 'Control', s.alt && 'Alt', s.shift && 'Shift', s.key].filter(Boolean).join('+');
}

function button(className, label) {
  const element = document.createElement('button');
  element.type = 'button';
  element.className = className;
  element.textContent = label ?? '';
  return element;
}

function keyControl(k, loop, wheelKeys) {
  const post = () => loop.postKey(k.key);
  const control = k.caption ? button('form-button knob-turn', k.caption) : button('click-area');
  control.id = k.control;
  control.setAttribute('aria-label', k.help);
  control.setAttribute('aria-keyshortcuts', ariaShortcut(parseShortcut(k.shortcut)));
  control.title = `${k.help} (${k.shortcut})`;
  placeOnForm(control, k.area);
  if (k.wheelTurnsKnob) {
    control.classList.add('knob');
    control.title += '; the mouse wheel over it, or a drag on it, turns the knob';
    const turn = (notch) => wheelKeys[notch] && loop.postKey(wheelKeys[notch]);
    knobTurns(control, turn, post);
  } else {
    control.addEventListener('click', post);
  }
  return control;
}

export function buildFrontPanel(instrument, keys, loop) {
  const wheelKeys = {};
  for (const k of keys)
    if (k.wheelNotch)
      wheelKeys[k.wheelNotch] = k.key;
  for (const k of keys)
    instrument.append(keyControl(k, loop, wheelKeys));
  for (const p of powerButtons) {
    const control = button('form-button', p.caption);
    control.id = p.on ? 'Button1' : 'Button2';
    control.accessKey = p.accessKey;
    placeOnForm(control, p.area);
    control.addEventListener('click', () => loop.power(p.on));
    instrument.append(control);
  }
  const shortcuts = keys.map((k) => ({ shortcut: parseShortcut(k.shortcut), key: k.key }));
  document.addEventListener('keydown', (event) => {
    const hit = shortcuts.find((s) => shortcutMatches(s.shortcut, event));
    if (hit) {
      event.preventDefault();
      loop.postKey(hit.key);
    }
  });
}
