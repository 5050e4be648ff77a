// The track player and the flight log, as the window has them: a track (a
// CSV file of the senders' values over instrument time, opened from a file,
// dropped on the page, or one of the shipped tracks) moves the senders
// while it plays, at the pace chosen; Play and Pause, its position in
// seconds of the track, and Close. The flight log keeps what the
// instrument shows, a row each measurement period: opening a track starts
// it afresh, as "Start Flight Log" does at any time, and "Save Flight Log"
// downloads it so far as CSV to lay beside the track. The firmware's side is
// web/page_flight.cpp; what the track's values cannot show is said in the
// message line (module.pageInputs.flightMessage).
import { shippedTracks } from './shipped_files.js';
import { downloadText } from './page_scripts.js';
import { pageSteps } from './sensor_pages.js';

const element = (id) => document.getElementById(id);
// The position follows a playing track a few times a second, not each frame.
const positionFrames = 8;

// 75 s as "1:15", 7200 s as "2:00:00".
export function trackTime(seconds) {
  const whole = Math.max(0, Math.round(seconds));
  const two = (n) => String(n).padStart(2, '0');
  const [h, m, s] = [Math.floor(whole / 3600), Math.floor(whole / 60) % 60, whole % 60];
  return h ? `${h}:${two(m)}:${two(s)}` : `${m}:${two(s)}`;
}

export class TrackPlayer {
  constructor({ firmware, display }) {
    Object.assign(this, { firmware, display });
    this.name = '';
    this.shown = '';
    this.frames = 0;
    this.held = false;
    this.logStarted = false; // the log's text stays when it stops itself, full
    this.wire();
    this.library = shippedTracks().catch((fault) => {
      this.display.say(`The shipped tracks are not available: ${fault.message}`);
      return [];
    });
    this.library.then((tracks) => this.listShipped(tracks));
    this.show();
  }

  wire() {
    element('open-track').addEventListener('click', () => element('track-file').click());
    element('track-file').addEventListener('change', (event) => {
      const file = event.target.files[0];
      event.target.value = '';
      if (file)
        this.openFile(file);
    });
    element('shipped-tracks').addEventListener('change', (event) => this.openShipped(event.target.value));
    element('play-track').addEventListener('click', () => this.playOrPause());
    element('close-track').addEventListener('click', () => this.close());
    const position = element('track-position');
    // While a finger or the mouse holds it, the position is the user's.
    position.addEventListener('pointerdown', () => { this.held = true; });
    addEventListener('pointerup', () => { this.held = false; });
    const seek = () => {
      this.firmware.seekTrack(Number(position.value));
      this.show();
    };
    position.addEventListener('input', seek);
    pageSteps(position, seek);
    element('start-flight-log').addEventListener('click', () => {
      this.startLog();
      this.display.say('Flight log started: a row at the end of each measurement period');
    });
    element('save-flight-log').addEventListener('click', () => this.saveLog());
  }

  listShipped(tracks) {
    this.tracks = tracks;
    const list = element('shipped-tracks');
    for (const { name } of tracks)
      list.add(new Option(`${name}.csv`, name));
  }

  // A dropped or chosen file that is a track: true when this took it.
  takes(file) { return /\.csv$/i.test(file.name) || file.type === 'text/csv'; }

  async openFile(file) {
    try {
      this.open(await file.text(), file.name);
    } catch (fault) {
      this.display.say(`The track ${file.name} could not be read: ${fault.message}`);
    }
  }

  async openShipped(name) {
    const track = (await this.library).find((t) => t.name === name);
    if (track)
      this.open(track.text, `${name}.csv`);
  }

  // The track in place of one open, paused at its start; a file that is no
  // track is said and the open one stays.
  open(text, name) {
    const fault = this.firmware.openTrack(text);
    if (fault) {
      this.display.say(`${name} is not a track: ${fault}`);
      this.show();
      return false;
    }
    this.name = name;
    this.startLog();
    const { length, columns } = this.firmware.trackState();
    this.display.say(`Track ${name} opened: ${columns} over ${trackTime(length)}; Play plays it at the pace`);
    this.show();
    return true;
  }

  playOrPause() {
    if (this.firmware.trackState().playing)
      this.firmware.pauseTrack();
    else
      this.firmware.playTrack();
    this.show();
  }

  close() {
    this.firmware.closeTrack();
    this.display.say(`Track ${this.name} closed; the senders stay where it left them`);
    this.name = '';
    element('shipped-tracks').value = '';
    this.show();
  }

  startLog() {
    this.firmware.startFlightLog();
    this.logStarted = true;
    this.show();
  }

  // The log so far as a downloaded CSV file; it goes on.
  saveLog() {
    const text = this.firmware.flightLogText();
    const rows = Math.max(0, text.trim().split('\n').length - 1);
    const file = downloadText('qs9-flight-log', text, 'csv');
    this.display.say(`Flight log saved as ${file}: ${rows} ${rows === 1 ? 'row' : 'rows'}`);
    return text;
  }

  // After each frame: the position of a playing track, now and then.
  afterFrame() {
    if (++this.frames % positionFrames === 0)
      this.show();
  }

  show() {
    const track = this.firmware.trackState();
    const key = `${track.open}${track.playing}${Math.round(track.position)}${track.length}${this.logStarted}`;
    if (key === this.shown)
      return;
    this.shown = key;
    const position = element('track-position');
    for (const id of ['play-track', 'close-track'])
      element(id).disabled = !track.open;
    position.disabled = !track.open;
    position.max = String(Math.ceil(track.length));
    if (!this.held)
      position.value = String(Math.round(track.position));
    const place = `${trackTime(track.position)} of ${trackTime(track.length)}`;
    position.setAttribute('aria-valuetext', place);
    element('play-track').textContent = track.playing ? 'Pause' : 'Play';
    element('track-state').textContent = track.open ? `${this.name}: ${place}${track.playing ? ', playing' : ''}` : 'No track';
    element('save-flight-log').disabled = !this.logStarted;
  }
}
