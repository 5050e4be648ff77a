// The display in words, for a screen reader and for anyone who wants it
// spelled out: what the firmware drew in the last pass, top to bottom, with
// the selected row and a value being edited named and the active alarms in
// words. It is the canvas's description and the optional "Display as text"
// panel; the active alarms also show in words beside the instrument, so that
// they never speak by colour alone.
//
// Announcements: an alarm once, assertively, in the pass that raised it. The
// screen politely, once its steady text (without the blinking and the status
// line's own cycle) has settled after the learner's own action (a key taken,
// a slider or box moved, On or Off) or on another screen: the whole screen
// when much of it changed, else the lines that changed. Values that change by
// measurement alone are not announced; the description always holds them.
// Where something blinks or cycles the text settles over a whole blink, so
// that the whole screen is said as drawn in the phase that shows "FAIL".
export const settleMs = 500;
export const blinkSettleMs = 1200;

const fails = (text) => text.split('FAIL').length;

// The lines of `now` to announce after `before` (steady texts); `whole` is
// the screen as said in full.
export function announcement(before, now, whole, screenChanged) {
  const old = new Set(before.split('\n'));
  const changed = now.split('\n').filter((line) => line && !old.has(line));
  return screenChanged || changed.length === 0 || changed.length > 2 ? whole : changed.join('\n');
}

export class DisplayInWords {
  constructor(firmware, parts, now = () => performance.now()) {
    Object.assign(this, { firmware, parts, now });
    this.text = '';
    this.alarms = '';
    this.steady = '';       // the steady text of the last pass
    this.steadySince = 0;
    this.whole = '';        // the fullest drawing of it since (most "FAIL"s)
    this.body = '';         // the last text read, without its alarm lines
    this.screen = '';
    this.announced = '';    // and the one announced last
    this.announcedScreen = '';
    this.acted = false;     // the learner acted since then
    const { toggle, panel } = parts;
    toggle.addEventListener('click', () => {
      const open = toggle.getAttribute('aria-expanded') !== 'true';
      toggle.setAttribute('aria-expanded', String(open));
      panel.hidden = !open;
    });
  }

  // A key was taken, an input moved.
  actionHappened() { this.acted = true; }

  // An instrument switched off raises no alarm: its words go (the display
  // and its text keep the last picture).
  powerChanged(on) {
    this.acted = true;
    if (!on)
      this.show(this.text, '');
  }

  // After each pass; `fresh` when the display's texts may have changed.
  afterPass(fresh) {
    const { firmware, parts } = this;
    const started = firmware.alarmsStartedText();
    if (started)
      say(parts.alarmAnnouncement, started);
    const alarms = firmware.alarmText();
    const at = this.now();
    if (fresh || alarms !== this.alarms)
      this.readTexts(alarms, at);
    const { steady, body, screen } = this;
    const screenChanged = screen !== this.announcedScreen;
    const settle = body === steady ? settleMs : blinkSettleMs;
    if (steady === this.announced || at - this.steadySince < settle || !(this.acted || screenChanged))
      return;
    say(parts.announcement, announcement(this.announced, steady, this.whole, screenChanged));
    Object.assign(this, { announced: steady, announcedScreen: screen, acted: false });
  }

  readTexts(alarms, at) {
    const { firmware } = this;
    const text = firmware.displayText();
    this.show(text, alarms);
    this.body = alarms ? text.slice(0, text.length - alarms.length).replace(/\n$/, '') : text;
    this.screen = firmware.currentScreenName();
    const steady = firmware.displayTextSteady();
    if (steady !== this.steady)
      Object.assign(this, { steady, steadySince: at, whole: this.body });
    else if (fails(this.body) >= fails(this.whole))
      this.whole = this.body;
  }

  show(text, alarms) {
    if (text !== this.text)
      this.parts.panel.textContent = this.text = text;
    if (alarms !== this.alarms) {
      this.alarms = alarms;
      this.parts.alarmWords.textContent = alarms;
      this.parts.alarmWords.hidden = alarms === '';
    }
  }
}

// A live region says a text again even when it is the last one said.
function say(region, text) {
  region.textContent = region.textContent === text ? `${text}\u00a0` : text;
}
