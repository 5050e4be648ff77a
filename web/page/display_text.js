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
export const settleMs = 500;

// The lines of `now` to announce after `before`.
export function announcement(before, now, screenChanged) {
  const old = new Set(before.split('\n'));
  const changed = now.split('\n').filter((line) => line && !old.has(line));
  return screenChanged || changed.length === 0 || changed.length > 2 ? now : changed.join('\n');
}

export class DisplayInWords {
  constructor(firmware, parts, now = () => performance.now()) {
    Object.assign(this, { firmware, parts, now });
    this.text = '';
    this.alarms = '';
    this.steady = '';       // the steady text of the last pass
    this.steadySince = 0;
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

  // A key was taken, an input moved, the power changed.
  actionHappened() { this.acted = true; }

  afterPass() {
    const { firmware, parts } = this;
    const started = firmware.alarmsStartedText();
    if (started)
      say(parts.alarmAnnouncement, started);
    this.show(firmware.displayText(), firmware.alarmText());
    const steady = firmware.displayTextSteady();
    const at = this.now();
    if (steady !== this.steady) {
      this.steady = steady;
      this.steadySince = at;
    }
    const screen = firmware.currentScreenName();
    const screenChanged = screen !== this.announcedScreen;
    if (steady === this.announced || at - this.steadySince < settleMs || !(this.acted || screenChanged))
      return;
    say(parts.announcement, announcement(this.announced, steady, screenChanged));
    Object.assign(this, { announced: steady, announcedScreen: screen, acted: false });
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
