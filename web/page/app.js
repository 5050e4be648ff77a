// The page's start: the firmware compiled and instantiated at program start
// (display black, instrument off), the instrument and its controls built
// from the firmware's own tables, what helps the learner (the keys' help,
// the senders' readings, the display in words), the main loop and timer,
// recording and playing scripts, the pace, tracks and the flight log, the
// instrument memory, the options of the page's address (a share link plays at once), window.qs9, and the service
// worker that keeps the site for use offline.
import { compileFirmware, newFirmware } from './firmware.js';
import { DisplayView } from './display_view.js';
import { MainLoop } from './main_loop.js';
import { buildFrontPanel } from './front_panel.js';
import { buildSensorPages } from './sensor_pages.js';
import { keepFitted } from './instrument_layout.js';
import { installQs9Interface } from './qs9_interface.js';
import { PageScripts } from './page_scripts.js';
import { PageMemory } from './page_memory.js';
import { LearnerAids } from './learner_aids.js';
import { pageOptions } from './page_options.js';
import { PageLessons } from './lesson_panel.js';
import { PaceControl } from './pace_control.js';
import { TrackPlayer } from './track_player.js';

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
  const options = pageOptions(location.hash);
  const compiled = await compileFirmware();
  const firmware = await newFirmware(compiled);
  const tables = firmware.controlTables();
  const display = new DisplayView(element('display'), firmware, element('status'));
  const say = (text) => display.say(text);
  let aids = null; // built once the controls it tells about are
  let tracks = null;
  const afterPass = () => {
    aids.afterPass();
    tracks.afterFrame();
  };
  const loop = new MainLoop(firmware, { afterPass, powerChanged: (on) => aids.powerChanged(on) });
  const frontPanel = buildFrontPanel(element('instrument'), tables.keys, loop, say);
  const sensors = buildSensorPages(element('sensor-pages'), tables.inputs, loop);
  aids = new LearnerAids({ firmware, display, frontPanel, sensors });
  firmware.module.pageFrontPanel = { keyPosted: (key, status) => aids.keyPosted(key, status) };
  const showInput = aids.actingInputs(sensors.show);
  copyShortcuts(display);
  photographMissing(element('photograph'), () => say('The photograph of the instrument could not be loaded.'));
  element('loading').hidden = true;
  element('simulator').hidden = false;
  keepFitted(element('simulator'), options.view === 'instrument');
  display.present();
  const scripts = new PageScripts({ firmware, loop, showInput, display });
  tracks = new TrackPlayer({ firmware, display });
  scripts.tracks = tracks; // a track chosen or dropped plays there
  firmware.module.pageInputs.flightMessage = say;
  const pace = new PaceControl(firmware, loop, say);
  const memory = new PageMemory({ firmware, display });
  const lessons = new PageLessons({ compiled, firmware, tables, display, scripts });
  followOptions(options, { loop, scripts, lessons, say });
  return { compiled, firmware, tables, loop, showInput, display, scripts, pace, tracks, memory, lessons };
}

// The address's options, once the instrument is shown: power, then a
// lesson or a script; what is no option is said.
function followOptions(options, { loop, scripts, lessons, say }) {
  if (options.faults.length)
    say(`The page's address: ${options.faults.join('; ')}`);
  if (options.power === 'on')
    loop.power(true);
  lessons.openLinked(options);
  scripts.playLink();
}

const started = start();
installQs9Interface(window, started);
started.then(() => {
  if ('serviceWorker' in navigator)
    navigator.serviceWorker.register('sw.js').catch((fault) => console.warn('Working offline is not available:', fault.message));
}, (fault) => window.qs9LoadFailed(fault.message || String(fault)));
