// What tells the learner what goes on, kept up to date after each pass and
// each power change: the keys' help, the keys shown taken or lost, the power
// in force, the senders' readings, an acknowledged alarm in the message
// line, and the display in words with its announcements.
import { KeyHelp } from './key_help.js';
import { DisplayInWords } from './display_text.js';

const element = (id) => document.getElementById(id);
const textPasses = 30;
const readingPasses = 15;

export class LearnerAids {
  constructor({ firmware, display, frontPanel, sensors }) {
    Object.assign(this, { firmware, display, frontPanel, sensors });
    this.keyHelp = new KeyHelp(element('key-help'), frontPanel, firmware);
    this.words = new DisplayInWords(firmware, {
      panel: element('display-text'), toggle: element('show-display-text'), alarmWords: element('alarm-words'),
      announcement: element('display-announcement'), alarmAnnouncement: element('alarm-announcement'),
    });
    this.passes = 0;
    this.acted = false; // a key, an input or the power since the last pass
    frontPanel.showPower(false);
    this.keyHelp.refresh();
  }

  // The texts are read again when the picture changed or the learner acted
  // (and now and then besides): most passes draw what the last one did. The
  // readings follow each input at once, and a few times a second as the
  // measurements settle.
  afterPass() {
    const redrawn = this.display.present();
    const passes = ++this.passes;
    const acted = this.acted;
    const fresh = redrawn || acted || passes % textPasses === 0;
    this.acted = false;
    const acknowledged = this.firmware.alarmsAcknowledgedText();
    if (acknowledged)
      this.display.say(acknowledged);
    if (fresh)
      this.keyHelp.refresh();
    if (acted || passes % readingPasses === 0)
      this.sensors.showReadings(this.firmware, true);
    this.words.afterPass(fresh);
  }

  powerChanged(on) {
    this.acted = true;
    this.frontPanel.showPower(on);
    this.keyHelp.refresh();
    this.sensors.showReadings(this.firmware, on);
    this.words.powerChanged(on);
  }

  // Each key on its way in, from the page or a played script.
  keyPosted(key, status) {
    this.frontPanel.keyPosted(key, status);
    this.acted = true;
    this.words.actionHappened();
  }

  // The sensor pages' `show`, by input name, each input shown on its
  // control counting as the learner's action.
  actingInputs(show) {
    return Object.fromEntries(Object.entries(show).map(([name, shown]) => [name, (position) => {
      shown(position);
      this.acted = true;
      this.words.actionHappened();
    }]));
  }
}
