// The instrument's firmware as WebAssembly, through the calls of
// sim/simulator.h. The module is compiled once; each instance has its own
// memory and so its own firmware state: one shows the instrument, others
// run scripts.
import createQs9Module from './qs9.js';

// The compiled module, fetched beside this file (or from the given bytes,
// as Node.js gives them).
export async function compileFirmware(bytes) {
  if (typeof WebAssembly !== 'object')
    throw new Error('This browser cannot run WebAssembly.');
  if (bytes)
    return WebAssembly.compile(bytes);
  const url = new URL('qs9.wasm', import.meta.url);
  const missing = (why) => new Error(`the file ${url.pathname} could not be loaded (${why}).`);
  const response = await fetch(url).catch((fault) => { throw missing(fault.message); });
  if (!response.ok)
    throw missing(`${response.status} ${response.statusText}`);
  return WebAssembly.compile(await response.arrayBuffer());
}

// A new instance of the compiled module, at program start.
export async function newFirmware(compiled) {
  const module = await new Promise((resolve, reject) => {
    createQs9Module({
      instantiateWasm(imports, receive) {
        WebAssembly.instantiate(compiled, imports).then((instance) => receive(instance, compiled), reject);
        return {};
      },
    }).then(resolve, reject);
  });
  return new Firmware(module);
}

// Calls call(start, length) with the text's UTF-8 bytes in the module's
// memory, for the calls that take a text and its length; call's answer.
export function withText(module, text, call) {
  const bytes = new TextEncoder().encode(text);
  const start = module._malloc(Math.max(1, bytes.length));
  module.HEAPU8.set(bytes, start);
  try {
    return call(start, bytes.length);
  } finally {
    module._free(start);
  }
}

export const displayWidth = 160;
const readingCapacity = 64;
export const displayHeight = 120;

export class Firmware {
  constructor(module) {
    this.module = module;
    this.module._qs9ProgramStart();
  }

  // The inputs go through the page's recording and player (page_inputs.cpp).
  powerOn() { this.module._qs9WebPower(1); }
  powerOff() { this.module._qs9WebPower(0); }
  mainLoopRuns() { return this.module._qs9MainLoopRuns() !== 0; }
  pass() { this.module._qs9WebPass(); }
  // One frame of the page's loop at wall time ms: a pass, or at a pace a
  // pass without the flow step until a measurement period is due.
  frame(ms) { this.module._qs9WebFrame(ms); }
  tick() { this.module._qs9WebTick(); }
  // 0 taken, 1 dropped (the slot was full); negative: no such key.
  postKey(key) { return this.module._qs9WebPostKey(key); }
  // 0 written; negative: no such input, or the value is out of its range.
  setInput(name, value) { return this.module.ccall('qs9WebSetInput', 'number', ['string', 'number'], [name, value]); }

  // A recording of the inputs from now on (false while a script plays,
  // when none starts); stopRecording gives its text.
  startRecording() { return this.module._qs9WebRecordStart() !== 0; }
  stopRecording() { return this.module.UTF8ToString(this.module._qs9WebRecordStop()); }
  recording() { return this.module._qs9WebRecording() !== 0; }
  playing() { return this.module._qs9WebPlaying() !== 0; }
  // Plays the script (text) at the pace of the passes and ticks, through
  // module.pageInputs; call between passes. playControl pauses (0),
  // resumes (1), steps (2), stops (3) or sets the speed (4 + index);
  // playState says where it stands (page_inputs.cpp).
  play(text) { withText(this.module, text, (start, length) => this.module._qs9WebPlay(start, length)); }
  playControl(what) { this.module._qs9WebPlayControl(what); }
  playState() { return JSON.parse(this.text(this.module._qs9WebPlayState())); }
  // The pace (page_flight.cpp): { pace, paced, paces, explanation, seconds }.
  setPace(index) { this.module._qs9WebSetPace(index); }
  paceState() { return JSON.parse(this.text(this.module._qs9WebPaceState())); }
  // A track: openTrack gives '' when it opened, else why not;
  // trackState { open, playing, position, length, columns } in seconds.
  openTrack(text) { return this.text(withText(this.module, text, (start, length) => this.module._qs9WebTrackOpen(start, length))); }
  playTrack() { this.module._qs9WebTrackControl(0); }
  pauseTrack() { this.module._qs9WebTrackControl(1); }
  closeTrack() { this.module._qs9WebTrackControl(2); }
  seekTrack(seconds) { this.module._qs9WebTrackSeek(seconds); }
  trackState() { return JSON.parse(this.text(this.module._qs9WebTrackState())); }
  // The flight log afresh with the default names; its CSV so far.
  startFlightLog() { this.module._qs9WebFlightLogStart(); }
  flightLogText() { return this.text(this.module._qs9WebFlightLogText()); }
  currentScreenName() { return this.text(this.module._qs9CurrentScreenName()); }

  // For the learner, from the last pass (sim/simulator.h says what each holds).
  keyHelp(key) { return this.text(this.module._qs9KeyHelp(key)); }
  keyHelpText() { return this.text(this.module._qs9KeyHelpText()); }
  displayText() { return this.text(this.module._qs9DisplayText()); }
  displayTextSteady() { return this.text(this.module._qs9DisplayTextSteady()); }
  alarmText() { return this.text(this.module._qs9AlarmText()); }
  alarmsStartedText() { return this.text(this.module._qs9AlarmsStartedText()); }
  alarmsAcknowledgedText() { return this.text(this.module._qs9AlarmsAcknowledgedText()); }
  // What the instrument makes of a sender input ("13 L", "FAIL", "not read"),
  // or null for an input that is no sender.
  senderReading(name) {
    this.readingText ??= this.module._malloc(readingCapacity);
    const status = this.module.ccall('qs9SenderReading', 'number', ['string', 'number', 'number'],
                                     [name, this.readingText, readingCapacity]);
    return status === 0 ? this.text(this.readingText) : null;
  }

  text(pointer) { return pointer ? this.module.UTF8ToString(pointer) : ''; }

  // Views into the firmware's memory, valid until its next call.
  frameBuffer() {
    return this.module.HEAPU8.subarray(this.module._qs9FrameBuffer(), this.module._qs9FrameBuffer() + displayWidth * displayHeight);
  }
  palette() {
    const start = this.module._qs9Palette() / 4;
    return this.module.HEAPU32.subarray(start, start + 256);
  }

  // The window's key table and input table, by sim/simulator.h's field names.
  controlTables() { return JSON.parse(this.module.UTF8ToString(this.module._qs9WebControlTables())); }
}
