// The pages of sensor controls, from the firmware's input table: a tab for
// each page the table names, in its order; on it a box of rows in the
// table's order: sliders (caption, the position shown as a number, what the
// instrument reads from it, the slider over the input's range) and check
// boxes. Each change goes to the firmware before the next pass; the number
// shows the position first, as the window's does.
let unique = 0;

// Page Up and Page Down move a slider by a twentieth of its range (the
// arrow keys by 1, Home and End to its ends, as the browser does).
export function pageSteps(slider, moved) {
  slider.addEventListener('keydown', (event) => {
    const direction = { PageUp: 1, PageDown: -1 }[event.key];
    if (!direction || event.ctrlKey || event.altKey || event.shiftKey || event.metaKey)
      return;
    event.preventDefault();
    const max = Number(slider.max);
    slider.value = Math.min(max, Math.max(0, Number(slider.value) + direction * Math.round(max / 20)));
    moved();
  });
}

function sliderRow(rows, input, loop, readings) {
  const id = `input-${input.name}`;
  const caption = document.createElement('label');
  caption.htmlFor = id;
  caption.textContent = input.caption;
  const value = document.createElement('output');
  value.id = input.valueLabel;
  value.htmlFor = id;
  value.textContent = String(input.start);
  const reading = document.createElement('span');
  reading.className = 'reading';
  reading.id = `reading-${input.name}`;
  const slider = document.createElement('input');
  Object.assign(slider, { type: 'range', id, min: 0, max: input.maximum, step: 1, value: input.start });
  slider.dataset.control = input.control;
  slider.setAttribute('aria-describedby', reading.id);
  const moved = () => {
    value.textContent = slider.value;
    loop.setInput(input.name, Number(slider.value));
  };
  slider.addEventListener('input', moved);
  pageSteps(slider, moved);
  rows.append(caption, value, reading, slider);
  readings.push({ name: input.name, element: reading, shown: '' });
  return (position) => {
    slider.value = position;
    value.textContent = String(position);
  };
}

function checkBox(rows, input, loop) {
  const label = document.createElement('label');
  label.className = 'check-box';
  const box = document.createElement('input');
  Object.assign(box, { type: 'checkbox', id: `input-${input.name}`, checked: input.start !== 0 });
  box.dataset.control = input.control;
  box.addEventListener('change', () => loop.setInput(input.name, box.checked ? 1 : 0));
  label.append(box, ` ${input.caption}`);
  rows.append(label);
  return (position) => { box.checked = position !== 0; };
}

function newPage(tabs, panels, name) {
  const n = ++unique;
  const tab = document.createElement('button');
  Object.assign(tab, { type: 'button', id: `tab-${n}`, textContent: name });
  tab.setAttribute('role', 'tab');
  tab.setAttribute('aria-controls', `page-${n}`);
  const panel = document.createElement('div');
  panel.id = `page-${n}`;
  panel.setAttribute('role', 'tabpanel');
  panel.setAttribute('aria-labelledby', tab.id);
  const group = document.createElement('fieldset');
  const legend = document.createElement('legend');
  legend.textContent = name;
  const rows = document.createElement('div');
  rows.className = 'sensors';
  group.append(legend, rows);
  panel.append(group);
  tabs.append(tab);
  panels.append(panel);
  return { tab, panel, rows };
}

function select(pages, chosen) {
  for (const page of pages) {
    const on = page === chosen;
    page.tab.setAttribute('aria-selected', String(on));
    page.tab.tabIndex = on ? 0 : -1;
    page.panel.hidden = !on;
  }
}

// Arrow keys move between the tabs, as in any tab list.
function tabKeys(tabs, pages) {
  tabs.addEventListener('keydown', (event) => {
    const step = { ArrowRight: 1, ArrowLeft: -1 }[event.key];
    const at = pages.findIndex((p) => p.tab === document.activeElement);
    if (!step || at < 0 || event.ctrlKey)
      return;
    const next = pages[(at + step + pages.length) % pages.length];
    select(pages, next);
    next.tab.focus();
  });
}

// Builds the pages into `holder`. Returns `show`, by input name a function
// that shows a position set from elsewhere (qs9.slider, a played script),
// and showReadings(firmware, on): beside each sender's position what the
// instrument read from it in the last pass, nothing while it is off.
export function buildSensorPages(holder, inputs, loop) {
  const readings = [];
  const tabs = document.createElement('div');
  tabs.setAttribute('role', 'tablist');
  tabs.setAttribute('aria-label', 'Sensor inputs');
  holder.append(tabs);
  const pages = [];
  const show = {};
  for (const input of inputs) {
    let page = pages.find((p) => p.name === input.page);
    if (!page) {
      page = { name: input.page, ...newPage(tabs, holder, input.page) };
      page.tab.addEventListener('click', () => select(pages, page));
      pages.push(page);
    }
    show[input.name] = (input.kind === 'slider' ? sliderRow : checkBox)(page.rows, input, loop, readings);
  }
  select(pages, pages[0]);
  tabKeys(tabs, pages);
  const showReadings = (firmware, on) => {
    for (const r of readings) {
      if (r.noSender)
        continue;
      const text = on ? firmware.senderReading(r.name) : '';
      r.noSender = text === null; // the ground speed, the light sensor
      if (!r.noSender && text !== r.shown)
        r.element.textContent = r.shown = text;
    }
  };
  return { show, showReadings };
}
