// Recording and playing scripts on the shown instrument, as the window's
// File menu does: "Record" writes what the user does as runner lines, from
// a start that qs9-script can replay, and "Stop Recording" downloads them
// as a .qs9 file and shows their share link; "Play Script..." (or a file
// dropped on the page, or a share link opened) runs a script's input lines
// at the pace of the passes, skipping its output lines. The firmware's side
// is web/page_inputs.cpp, which has the page's controls show what a played
// script did through module.pageInputs here.
import { copyLink, linkedScript, shareLink } from './share_links.js';
import { startsAgain } from './page_options.js';

const element = (id) => document.getElementById(id);

export class PageScripts {
  constructor({ firmware, loop, showInput, display }) {
    Object.assign(this, { firmware, loop, display });
    this.playing = null; // { name, settle } while a script plays
    firmware.module.pageInputs = {
      showInput: (name, position) => showInput[name](position),
      powerChanged: (on) => loop.powerChanged(on),
      played: (fault) => this.played(fault),
    };
    this.wireControls();
  }

  wireControls() {
    element('record-script').addEventListener('click', () => (this.firmware.recording() ? this.stopRecording() : this.record()));
    element('play-script').addEventListener('click', () => element('script-file').click());
    element('script-file').addEventListener('change', (event) => {
      const file = event.target.files[0];
      event.target.value = '';
      if (file)
        this.playFile(file);
    });
    document.addEventListener('dragover', (event) => event.preventDefault());
    document.addEventListener('drop', (event) => {
      event.preventDefault();
      const file = event.dataTransfer.files[0];
      if (file)
        this.playFile(file);
    });
    element('copy-share-link').addEventListener('click', () => this.copyShareLink());
    // A share link (or another option) opened in this page plays from
    // program start, as on a first visit: the page starts afresh.
    addEventListener('hashchange', () => startsAgain(location.hash) && location.reload());
  }

  record() {
    this.firmware.startRecording();
    element('record-script').textContent = 'Stop Recording';
    element('script-state').textContent = 'Recording';
  }

  // The recording as a downloaded .qs9 file and a share link; its text.
  async stopRecording() {
    if (!this.firmware.recording())
      throw new Error('No recording is running');
    const text = this.firmware.stopRecording();
    element('record-script').textContent = 'Record';
    this.showState();
    const name = `qs9-recording-${new Date().toISOString().replace(/[:.]/g, '-')}.qs9`;
    const link = document.createElement('a');
    link.href = URL.createObjectURL(new Blob([text], { type: 'text/plain' }));
    link.download = name;
    link.click();
    setTimeout(() => URL.revokeObjectURL(link.href), 60000);
    element('share-link').value = await shareLink(location.href, text);
    element('share').hidden = false;
    this.display.say(`Script recorded and downloaded as ${name}; Copy Link copies its share link`);
    return text;
  }

  copyShareLink() { return copyLink(element('share-link'), 'Share link', this.display); }

  async playFile(file) {
    try {
      await this.play(await file.text(), file.name);
    } catch {
      // said in the status line
    }
  }

  // The script of the page's share link, if it has one; a broken link is
  // said and changes nothing.
  async playLink() {
    let script;
    try {
      script = await linkedScript(location.hash);
    } catch (fault) {
      this.display.say(fault.message);
      return;
    }
    if (script !== null)
      await this.play(script, 'the share link').catch(() => {});
  }

  // Settles once the script has played: rejected with the message naming
  // the line that stopped it. A script playing already gives way.
  play(text, name) {
    this.playing?.settle(new Error(`Playing ${this.playing.name} gave way to ${name}`));
    return new Promise((resolve, reject) => {
      this.playing = {
        name,
        settle: (fault) => (fault ? reject(fault) : resolve()),
      };
      this.showState();
      this.firmware.play(text);
    });
  }

  played(fault) {
    const { name, settle } = this.playing ?? { name: 'the script', settle: () => {} };
    this.playing = null;
    this.showState();
    this.display.say(fault ? `Playing ${name} stopped at ${fault}` : `Script ${name} played`);
    settle(fault ? new Error(fault) : null);
  }

  showState() {
    const doing = [];
    if (this.firmware.recording())
      doing.push('Recording');
    if (this.playing)
      doing.push(`Playing ${this.playing.name}`);
    element('script-state').textContent = doing.join('; ');
  }
}
