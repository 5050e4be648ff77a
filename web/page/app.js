// The page's start: the firmware compiled and instantiated at program start
// (display black, instrument off), the instrument and its controls built
// from the firmware's own tables, what helps the learner (the keys' help,
// the senders' readings, the display in words), the main loop and timer,
// recording and playing scripts, the options of the page's address (a share
// link plays at once), window.qs9, and the service worker that keeps the
// site for use offline.
import { compileFirmware, newFirmware } from './firmware.js';
import { DisplayView } from './display_view.js';
import { MainLoop } from './main_loop.js';
import { buildFrontPanel } from './front_panel.js';
import { buildSensorPages } from './sensor_pages.js';
import { keepFitted } from './instrument_layout.js';
import { installQs9Interface } from './qs9_interface.js';
import { PageScripts } from './page_scripts.js';
import { KeyHelp } from './key_help.js';
import { DisplayInWords } from './display_text.js';
import { pageOptions } from './page_options.js';
import { openLesson } from './lesson_opening.js';

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

// What the learner sees change with each pass and each power change.
function learnersAids(firmware, display) {
  const words = new DisplayInWords(firmware, {
    panel: element('display-text'), toggle: element('show-display-text'), alarmWords: element('alarm-words'),
    announcement: element('display-announcement'), alarmAnnouncement: element('alarm-announcement'),
  });
  return {
    words,
    afterPass(keyHelp, readings) {
      display.present();
      const acknowledged = firmware.alarmsAcknowledgedText();
      if (acknowledged)
        display.say(acknowledged);
      keyHelp.refresh();
      readings(firmware, true);
      words.afterPass();
    },
  };
}

// Each input shown on its control, from the page or a played script, counts
// as the learner's action for the announcements.
function actingInputs(show, words) {
  return Object.fromEntries(Object.entries(show).map(([name, shown]) => [name, (position) => {
    shown(position);
    words.actionHappened();
  }]));
}

async function start() {
  const options = pageOptions(location.hash);
  const compiled = await compileFirmware();
  const firmware = await newFirmware(compiled);
  const tables = firmware.controlTables();
  const display = new DisplayView(element('display'), firmware, element('status'));
  const say = (text) => display.say(text);
  const aids = learnersAids(firmware, display);
  let keyHelp = null;
  let sensors = null;
  const loop = new MainLoop(firmware, {
    afterPass: () => aids.afterPass(keyHelp, sensors.showReadings),
    powerChanged: (on) => {
      frontPanel.showPower(on);
      keyHelp.refresh();
      sensors.showReadings(firmware, on);
      aids.words.actionHappened();
    },
  });
  const frontPanel = buildFrontPanel(element('instrument'), tables.keys, loop, say);
  firmware.module.pageFrontPanel = {
    keyPosted(key, status) {
      frontPanel.keyPosted(key, status);
      aids.words.actionHappened();
    },
  };
  keyHelp = new KeyHelp(element('key-help'), frontPanel, firmware);
  sensors = buildSensorPages(element('sensor-pages'), tables.inputs, loop);
  const showInput = actingInputs(sensors.show, aids.words);
  frontPanel.showPower(false);
  keyHelp.refresh();
  copyShortcuts(display);
  photographMissing(element('photograph'), () => say('The photograph of the instrument could not be loaded.'));
  element('loading').hidden = true;
  element('simulator').hidden = false;
  keepFitted(element('simulator'), options.view === 'instrument');
  display.present();
  const scripts = new PageScripts({ firmware, loop, showInput, display });
  followOptions(options, { loop, scripts, say });
  return { compiled, firmware, tables, loop, showInput, display, scripts };
}

// The address's options, once the instrument is shown: power, then a
// lesson or a script; what is no option is said.
function followOptions(options, { loop, scripts, say }) {
  if (options.faults.length)
    say(`The page's address: ${options.faults.join('; ')}`);
  if (options.power === 'on')
    loop.power(true);
  if (options.lesson !== undefined)
    openLesson(options.lesson, say);
  scripts.playLink();
}

const started = start();
installQs9Interface(window, started);
started.then(() => {
  if ('serviceWorker' in navigator)
    navigator.serviceWorker.register('sw.js').catch((fault) => console.warn('Working offline is not available:', fault.message));
}, (fault) => window.qs9LoadFailed(fault.message || String(fault)));
