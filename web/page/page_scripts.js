// Recording and playing scripts on the shown instrument, as the window's
// File menu does: "Record" writes what the user does as runner lines, from
// a start that qs9-script can replay, and "Stop Recording" downloads them
// as a .qs9 file and shows their share link; "Play Script..." (or a file
// dropped on the page, or a share link opened) runs a script's input lines
// at the pace of the passes, skipping its output lines, with the playback
// controls beside it. While a script plays the instrument is its alone:
// the user's input is refused with a word why, and Record waits. The
// firmware's side is web/page_inputs.cpp, which has the page's controls
// show what a played script did through module.pageInputs here.
import { copyLink, linkedScript, shareLink } from './share_links.js';
import { pageOptions, startsAgain } from './page_options.js';
import { PlaybackControls } from './playback_controls.js';

const element = (id) => document.getElementById(id);

// Downloads the text as "STEM-DATE-TIME.qs9" (or another extension); the
// file's name.
export function downloadText(stem, text, extension = 'qs9') {
  const name = `${stem}-${new Date().toISOString().replace(/[:.]/g, '-')}.${extension}`;
  const link = document.createElement('a');
  link.href = URL.createObjectURL(new Blob([text], { type: 'text/plain' }));
  link.download = name;
  link.click();
  setTimeout(() => URL.revokeObjectURL(link.href), 60000);
  return name;
}

export class PageScripts {
  constructor({ firmware, loop, showInput, display }) {
    Object.assign(this, { firmware, loop, display });
    this.playing = null; // { name, settle } while a script plays
    this.playback = new PlaybackControls(firmware);
    firmware.module.pageInputs = {
      showInput: (name, position) => showInput[name](position),
      powerChanged: (on) => loop.powerChanged(on),
      played: (end) => this.played(end),
      playbackChanged: () => this.showState(),
      refused: (why) => display.say(why),
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
    // program start, as on a first visit: the page starts afresh, once the
    // user agrees to lose what a running instrument shows.
    addEventListener('hashchange', () => {
      if (startsAgain(location.hash))
        this.askBeforeStartingAfresh(pageOptions(location.hash).script !== undefined, () => location.reload());
    });
  }

  // At once while the instrument is off; else after asking.
  askBeforeStartingAfresh(replays, startAfresh) {
    if (!this.loop.running())
      return startAfresh();
    const question = element('replay-question');
    element('replay-question-text').textContent = `This link starts the instrument afresh${
      replays ? ' and plays its script from the start' : ''}: what it shows now is lost.`;
    const answer = (yes) => {
      question.close();
      if (yes)
        startAfresh();
      else
        this.display.say('The link was not opened; the instrument is as it was');
    };
    element('replay-link').onclick = () => answer(true);
    element('keep-instrument').onclick = () => answer(false);
    question.oncancel = () => answer(false);
    question.showModal();
  }

  record() {
    if (!this.firmware.startRecording()) {
      this.display.say('Record is available once the script has ended or been stopped');
      return;
    }
    element('record-script').textContent = 'Stop Recording';
    this.showState();
  }

  // The recording as a downloaded .qs9 file and a share link; its text.
  async stopRecording() {
    if (!this.firmware.recording())
      throw new Error('No recording is running');
    const text = this.firmware.stopRecording();
    element('record-script').textContent = 'Record';
    this.showState();
    const name = downloadText('qs9-recording', text);
    this.lastRecording = { text, name }; // for "Save as Lesson Draft"
    element('share-link').value = await shareLink(location.href, text);
    element('share').hidden = false;
    this.display.say(`Script recorded and downloaded as ${name}; Copy Link copies its share link`);
    return text;
  }

  copyShareLink() { return copyLink(element('share-link'), 'Share link', this.display); }

  // A lesson file opens as a lesson (this.lessons, lesson_panel.js), a
  // track in the track player (this.tracks, track_player.js).
  async playFile(file) {
    if (this.tracks?.takes(file))
      return this.tracks.openFile(file);
    try {
      const text = await file.text();
      if (!this.lessons?.takes(text, file.name))
        await this.play(text, file.name);
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

  // A script stopped by the user is no fault: its promise is kept.
  played({ fault, stopped, line, lineCount }) {
    const { name, settle } = this.playing ?? { name: 'the script', settle: () => {} };
    this.playing = null;
    this.showState();
    if (fault)
      this.display.say(`Playing ${name} stopped at ${fault}`);
    else
      this.display.say(stopped ? `Stopped playing ${name} at line ${line} of ${lineCount}` : `Script ${name} played`);
    settle(fault ? new Error(fault) : null);
  }

  showState() {
    const { paused } = this.playback.show();
    const recording = this.firmware.recording();
    const doing = [];
    if (recording)
      doing.push('Recording');
    if (this.playing)
      doing.push(`Playing ${this.playing.name}${paused ? ', paused' : ''}`);
    const text = doing.join('; ');
    if (element('script-state').textContent !== text)
      element('script-state').textContent = text;
    // Record waits for the script; Stop Recording never does.
    element('record-script').disabled = this.playing !== null && !recording;
  }
}
