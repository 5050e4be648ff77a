// "What the keys do": the firmware's help for the screen shown, one line for
// each key that does something there ("Knob: main menu", "+: fuel totals"),
// led by "Any key first acknowledges the active alarm" while an alarm waits
// for that, and "Press On to switch the instrument on" while it is off. The
// same lines are the keys' titles on the photograph.
export class KeyHelp {
  constructor(list, frontPanel, firmware) {
    Object.assign(this, { list, frontPanel, firmware });
    this.shown = null;
  }

  // After each pass and each power change; the page changes only when the
  // help does.
  refresh() {
    const text = this.firmware.keyHelpText();
    if (text === this.shown)
      return;
    this.shown = text;
    this.list.replaceChildren(...text.split('\n').filter(Boolean).map((line) => {
      const item = document.createElement('li');
      item.textContent = line;
      return item;
    }));
    this.frontPanel.showHelp(this.firmware);
  }
}
