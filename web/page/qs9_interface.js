// window.qs9: the page's JavaScript interface, for a page that embeds the
// simulator (same origin) and for tests. Documented in the README.
//   qs9.ready            a Promise, settled once the instrument is shown
//   qs9.run(text)        a script run on its own firmware (script_runs.js)
//   qs9.frameBuffer()    the shown display's 19,200 palette indices (a copy)
//   qs9.palette()        its 256 colours, 0x00RRGGBB (a copy)
//   qs9.press(key)       left, right, press, plus or minus, as a click: true
//                        when taken, false when the key slot was full
//   qs9.slider(name, v)  a slider by the runner's name, as dragging it
//   qs9.power(on)        "On" (true) or "Off" (false)
//   qs9.passes()         main-loop passes run since the page opened
//   qs9.record()         starts recording what happens on the instrument
//   qs9.stopRecording()  a Promise of the recording's text, downloaded too
//   qs9.play(text)       plays a script on the instrument at its pace: a
//                        Promise, rejected with the line that stopped it
//   qs9.holdClock()      for tests: the page's loop and timer stop following
//                        the wall clock; from then on only qs9.advance runs
//                        frames and ticks
//   qs9.advance(ms, frameMs)  the held clock on by ms, a frame each frameMs
//                        (default 1000 / 60) and a tick each 100 ms; the
//                        track player then shows where it stands
import { runScriptInWorker } from './script_runs.js';

export function installQs9Interface(target, ready) {
  let parts = null;
  const instrument = () => {
    if (!parts)
      throw new Error('The simulator is still loading: wait for qs9.ready');
    return parts;
  };
  const named = (list, name, what) => {
    const row = list.find((r) => r.name === name);
    if (!row)
      throw new RangeError(`qs9: unknown ${what} ${JSON.stringify(name)}: ${list.map((r) => r.name).join(', ')}`);
    return row;
  };
  target.qs9 = {
    ready: ready.then((p) => { parts = p; }),
    run: (text, options) => ready.then((p) => runScriptInWorker(p.compiled, text, options)),
    frameBuffer: () => instrument().firmware.frameBuffer().slice(),
    palette: () => instrument().firmware.palette().slice(),
    press(key) {
      const { tables, loop } = instrument();
      return loop.postKey(named(tables.keys, key, 'key').key);
    },
    slider(name, value) {
      const { tables, loop } = instrument();
      const sliders = tables.inputs.filter((i) => i.kind === 'slider');
      const input = named(sliders, name, 'slider');
      if (!Number.isInteger(value) || value < 0 || value > input.maximum)
        throw new RangeError(`qs9: slider value ${value} out of range 0..${input.maximum} for ${name}`);
      loop.setInput(name, value); // the slider shows it
    },
    power: (on) => instrument().loop.power(Boolean(on)),
    passes: () => instrument().loop.passes,
    record: () => instrument().scripts.record(),
    stopRecording: () => instrument().scripts.stopRecording(),
    play: (text) => instrument().scripts.play(String(text), 'a script of qs9.play'),
    holdClock: () => instrument().loop.holdClock(),
    advance(ms, frameMs = 1000 / 60) {
      const { loop, tracks } = instrument();
      if (!loop.held)
        throw new Error('qs9.advance needs the clock held: qs9.holdClock() first');
      if (!(ms >= 0) || !(frameMs > 0))
        throw new RangeError(`qs9.advance takes a time of 0 ms or more and a frame of more than 0 ms, not ${ms} and ${frameMs}`);
      loop.advance(ms, frameMs);
      tracks.show(); // where the clock stands, not where the last look saw it
    },
  };
}
