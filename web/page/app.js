// The page's start: the firmware compiled and instantiated at program start
// (display black, instrument off), the instrument and its controls built
// from the firmware's own tables, the main loop and timer, recording and
// playing scripts (a share link plays at once), window.qs9, and the service
// worker that keeps the site for use offline.
import { compileFirmware, newFirmware } from './firmware.js';
import { DisplayView } from './display_view.js';
import { MainLoop } from './main_loop.js';
import { buildFrontPanel } from './front_panel.js';
import { buildSensorPages } from './sensor_pages.js';
import { keepFitted } from './instrument_layout.js';
import { installQs9Interface } from './qs9_interface.js';
import { PageScripts } from './page_scripts.js';
import { PageLessons } from './lesson_panel.js';

const element = (id) => document.getElementById(id);

// Ctrl+C (four times enlarged) and Ctrl+Shift+C (160 x 120) copy the
// display, unless text is selected; Ctrl+S saves it at 160 x 120.
function copyShortcuts(display) {
  document.addEventListener('keydown', (event) => {
    if (!event.ctrlKey || event.altKey || event.metaKey)
      return;
    const key = event.key.toLowerCase();
    if (key === 'c' && String(getSelection()).length === 0) {
      event.preventDefault();
      display.copy(event.shiftKey ? 1 : 4);
    } else if (key === 's' && !event.shiftKey) {
      event.preventDefault();
      display.save(1);
    }
  });
  const size = () => Number(element('copy-size').value);
  element('copy-display').addEventListener('click', () => display.copy(size()));
  element('save-display').addEventListener('click', () => display.save(size()));
}

// A photograph that failed before this saw it, or fails later.
function photographMissing(image, report) {
  if (image.complete && image.naturalWidth === 0)
    report();
  image.addEventListener('error', report);
}

async function start() {
  const compiled = await compileFirmware();
  const firmware = await newFirmware(compiled);
  const tables = firmware.controlTables();
  const display = new DisplayView(element('display'), firmware, element('status'));
  const loop = new MainLoop(firmware, () => display.present());
  buildFrontPanel(element('instrument'), tables.keys, loop);
  const showInput = buildSensorPages(element('sensor-pages'), tables.inputs, loop);
  copyShortcuts(display);
  photographMissing(element('photograph'), () => display.say('The photograph of the instrument could not be loaded.'));
  keepFitted(element('simulator'));
  element('loading').hidden = true;
  element('simulator').hidden = false;
  display.present();
  const scripts = new PageScripts({ firmware, loop, showInput, display });
  scripts.playLink();
  const lessons = new PageLessons({ compiled, firmware, tables, display, scripts });
  lessons.openLinked(location.hash);
  return { compiled, firmware, tables, loop, showInput, display, scripts, lessons };
}

const started = start();
installQs9Interface(window, started);
started.then(() => {
  if ('serviceWorker' in navigator)
    navigator.serviceWorker.register('sw.js').catch((fault) => console.warn('Working offline is not available:', fault.message));
}, (fault) => window.qs9LoadFailed(fault.message || String(fault)));
