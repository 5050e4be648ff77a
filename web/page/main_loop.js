// The instrument's power cycle and main loop, as the window runs them: "On"
// runs the power-on sequence and then frames until "Off". At the
// "Instrument loop" pace a frame is a full pass, one per animation frame
// (the window, swapping with the display's refresh, makes about as many).
// At a paced one a frame is a pass without the flow step until the wall
// time it is given makes a measurement period due, and frames come from a
// timer, pacedFrameMs apart: quick enough for keys and the knob, and the
// browser paints only when the picture changed. A played script makes its
// own passes, one a frame: it has the animation frames at any pace. The
// 100 ms timer ticks at wall time whether the instrument is on or off.
// Keys, sliders and ticks are taken between frames, as the page's events
// are. While the page is hidden nothing runs, the timer included: a
// background tab takes no CPU, and its ticks are not caught up (the
// timer's counters count the ticks handled); nor is its instrument time:
// the frames' clock moves at most maxFrameGapMs from one frame to the
// next, so a tab shown again (or a page that stalled) goes on where it
// stood instead of running the periods it missed.
//
// A test holds the clock (holdClock) and then advances it by hand: the
// frames and ticks run at the times it gives, never at the wall's.
const tickMs = 100;
const pacedFrameMs = 1000 / 30;
const maxFrameGapMs = 250;

export class MainLoop {
  // afterPass() runs after each pass (the page shows what it drew);
  // powerChanged(on) after each "On" and "Off" that reached the firmware.
  constructor(firmware, { afterPass, powerChanged }) {
    this.firmware = firmware;
    this.held = null; // { now, nextTick } once a test holds the clock
    this.afterPass = afterPass;
    this.powerListener = powerChanged;
    this.passes = 0;
    this.looping = false;
    this.poweredOnce = false; // the stop flag reads "run" before the first "On"
    this.timer = 0;
    this.paced = false;
    this.clock = { wall: null, frames: 0 }; // the frames' clock at the last frame's wall time
    this.frame = (now) => this.runPass(now);
    this.pacedFrame = () => this.runPass(performance.now());
    document.addEventListener('visibilitychange', () => this.resume());
    this.resume();
  }

  // "On" (again while running: the power-on sequence restarts the one loop)
  // or "Off" (the loop ends before its next pass).
  power(on) {
    if (on)
      this.firmware.powerOn();
    else
      this.firmware.powerOff();
  }

  // "On" reached the firmware, from a click or a played script: the loop runs.
  powerChanged(on) {
    if (on) {
      this.poweredOnce = true;
      this.resume();
    }
    this.powerListener(on);
  }

  // The pace, into the firmware's paces (0: the instrument loop); the
  // next frame comes at the new pace's cadence.
  setPace(index) {
    this.firmware.setPace(index);
    this.paced = this.firmware.paceState().paced;
  }

  // A click: the key goes into the one-slot buffer if it is empty.
  // True when taken, false when the slot was full and the key is lost.
  postKey(key) { return this.firmware.postKey(key) === 0; }

  // A slider or check box: the firmware sees it in the next pass.
  setInput(name, value) { return this.firmware.setInput(name, value) === 0; }

  resume() {
    if (this.held)
      return;
    if (document.hidden) {
      clearInterval(this.timer);
      this.timer = 0;
      return;
    }
    if (!this.timer)
      this.timer = setInterval(() => this.firmware.tick(), tickMs);
    if (!this.looping && this.running()) {
      this.looping = true;
      this.nextFrame();
    }
  }

  running() { return this.poweredOnce && this.firmware.mainLoopRuns(); }

  runPass(now) {
    if (this.held || document.hidden || !this.running()) {
      this.looping = false;
      return;
    }
    this.runFrame(this.frameTime(now));
    this.nextFrame();
  }

  frameTime(wall) {
    const clock = this.clock;
    clock.frames = clock.wall === null ? wall : clock.frames + Math.min(maxFrameGapMs, Math.max(0, wall - clock.wall));
    clock.wall = wall;
    return clock.frames;
  }

  nextFrame() {
    if (this.paced && !this.firmware.playing())
      setTimeout(this.pacedFrame, pacedFrameMs);
    else
      requestAnimationFrame(this.frame);
  }

  runFrame(now) {
    this.firmware.frame(now);
    this.afterPass();
    ++this.passes;
  }

  // From here on only advance() moves time: the timer and the animation
  // frames stop.
  holdClock() {
    clearInterval(this.timer);
    this.timer = 0;
    this.held ??= { now: performance.now(), nextTick: performance.now() + tickMs };
  }

  // Advances the held clock by ms in frames frameMs apart, with a tick each
  // 100 ms; frames only while the main loop runs.
  advance(ms, frameMs) {
    const held = this.held;
    const end = held.now + ms;
    while (held.now < end) {
      held.now = Math.min(end, held.now + frameMs);
      for (; held.nextTick <= held.now; held.nextTick += tickMs)
        this.firmware.tick();
      if (this.running())
        this.runFrame(held.now);
    }
  }
}
