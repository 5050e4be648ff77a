// The front panel over the photograph, from the firmware's key table: a
// transparent button over each push button and over the knob, the knob's
// "+" and "-" buttons, each key's keyboard shortcut (whatever has the
// focus), the mouse wheel over the knob, touch on the knob, the arrow keys
// on the focused knob; and "On" and "Off", the one in force pushed in.
// Every control is a real button: reachable by Tab, pressed with Enter or
// Space, named for screen readers, titled with what it does on the screen
// shown. A key the instrument took shows pressed for a moment, one it lost
// crossed out.
import { knobTurns } from './knob_gestures.js';

// The power buttons' places on the form, left, top, width, height.
const powerButtons = [
  { caption: 'On', accessKey: 'o', on: true, area: [32, 272, 75, 25] },
  { caption: 'Off', accessKey: 'f', on: false, area: [136, 272, 75, 25] },
];

// qs9PostKey's statuses.
const keyTaken = 0;
const keyLost = 1;

// Qt's key names in the table's shortcuts, as KeyboardEvent.key gives them.
const keyNames = { Left: 'ArrowLeft', Right: 'ArrowRight', Up: 'ArrowUp', Down: 'ArrowDown', Return: 'Enter' };

function placeOnForm(element, [left, top, width, height]) {
  element.classList.add('form-control');
  Object.assign(element.style, {
    left: `calc(${left} * var(--u))`, top: `calc(${top} * var(--u))`,
    width: `calc(${width} * var(--u))`, height: `calc(${height} * var(--u))`,
  });
  element.style.setProperty('--w', width);
  element.style.setProperty('--h', height);
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

// The arrow keys turn the knob that has the focus: Up or Right "+", Down or
// Left "-".
const knobArrows = { ArrowUp: +1, ArrowRight: +1, ArrowDown: -1, ArrowLeft: -1 };

function keyControl(k, loop, wheelKeys) {
  const post = () => loop.postKey(k.key);
  const control = k.caption ? button('form-button knob-turn', k.caption) : button('click-area');
  control.id = k.control;
  // A visible caption leads the name, as a user who says it to a voice
  // control hears it.
  control.setAttribute('aria-label', k.caption ? `${k.caption}, ${k.help}` : k.help);
  control.setAttribute('aria-keyshortcuts', ariaShortcut(parseShortcut(k.shortcut)));
  placeOnForm(control, k.area);
  if (k.wheelTurnsKnob) {
    control.classList.add('knob');
    const turn = (notch) => wheelKeys[notch] && loop.postKey(wheelKeys[notch]);
    knobTurns(control, turn, post);
    control.addEventListener('keydown', (event) => {
      const notch = knobArrows[event.key];
      if (notch && !event.ctrlKey && !event.altKey && !event.shiftKey && !event.metaKey) {
        event.preventDefault();
        turn(notch);
      }
    });
  } else {
    control.addEventListener('click', post);
  }
  return control;
}

// A key's title: what it does on the screen shown, when it does anything,
// else what it is; its shortcut, and for the knob how to turn it.
function keyTitle(k, help) {
  const turning = k.wheelTurnsKnob ? '; the mouse wheel over it, a drag on it or the arrow keys turn the knob' : '';
  return `${help || k.help} (${k.shortcut})${turning}`;
}

const takenMs = 180;
const lostMs = 600;

// Shows on the photograph that a key was taken or lost, for a moment.
function flash(control, look, ms) {
  control.classList.remove('taken', 'lost');
  void control.offsetWidth; // a second flash of the same look starts anew
  control.classList.add(look);
  clearTimeout(control.flashTimer);
  control.flashTimer = setTimeout(() => control.classList.remove(look), ms);
}

// Builds the panel into `instrument`; returns what the page tells it:
//   keyPosted(key, status)  each key on its way in (qs9PostKey's status),
//                           from a control or a played script
//   showHelp(firmware)      each key's title for the screen shown
//   showPower(on)           which power button is in force, the label while off
// say(text) is the page's message line.
export function buildFrontPanel(instrument, keys, loop, say) {
  const wheelKeys = {};
  for (const k of keys)
    if (k.wheelNotch)
      wheelKeys[k.wheelNotch] = k.key;
  const controls = new Map();
  for (const k of keys) {
    const control = keyControl(k, loop, wheelKeys);
    control.title = keyTitle(k, '');
    controls.set(k.key, { k, control });
    instrument.append(control);
  }
  const power = powerButtons.map((p) => {
    const control = button('form-button', p.caption);
    control.id = p.on ? 'Button1' : 'Button2';
    control.accessKey = p.accessKey;
    placeOnForm(control, p.area);
    control.addEventListener('click', () => loop.power(p.on));
    instrument.append(control);
    return { on: p.on, control };
  });
  const shortcuts = keys.map((k) => ({ shortcut: parseShortcut(k.shortcut), key: k.key }));
  document.addEventListener('keydown', (event) => {
    const hit = shortcuts.find((s) => shortcutMatches(s.shortcut, event));
    if (hit) {
      event.preventDefault();
      loop.postKey(hit.key);
    }
  });
  const offLabel = document.getElementById('power-label');
  return {
    keyPosted(key, status) {
      const { k, control } = controls.get(key) ?? {};
      if (!control)
        return;
      if (!loop.running())
        say('The instrument is off: press On to switch it on');
      else if (status === keyTaken)
        flash(control, 'taken', takenMs);
      else if (status === keyLost) {
        flash(control, 'lost', lostMs);
        say(`Key lost: ${k.help} (the instrument takes one key at a time)`);
      }
    },
    showHelp(firmware) {
      for (const { k, control } of controls.values())
        control.title = keyTitle(k, firmware.keyHelp(k.key));
    },
    showPower(on) {
      for (const p of power)
        p.control.setAttribute('aria-pressed', String(p.on === on));
      offLabel.hidden = on;
    },
  };
}
