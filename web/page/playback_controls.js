// The playback controls beside "Play Script...": Pause and Resume, Step,
// Stop and the speed, with where the played script stands ("line 12 of
// 48"). They drive the one player of the page's inputs (page_inputs.cpp)
// and show while a script plays; the speed stays for the next script.
const element = (id) => document.getElementById(id);

// qs9WebPlayControl's numbers; the speed is speed + its index.
const control = { pause: 0, resume: 1, step: 2, stop: 3, speed: 4 };

export class PlaybackControls {
  constructor(firmware) {
    this.firmware = firmware;
    const { speeds, speed } = firmware.playState();
    const choice = element('play-speed');
    speeds.forEach((label, index) => choice.add(new Option(label, String(index), index === speed, index === speed)));
    choice.addEventListener('change', () => firmware.playControl(control.speed + Number(choice.value)));
    element('pause-script').addEventListener('click', () =>
      firmware.playControl(firmware.playState().paused ? control.resume : control.pause));
    element('step-script').addEventListener('click', () => firmware.playControl(control.step));
    element('stop-script').addEventListener('click', () => firmware.playControl(control.stop));
  }

  // After each change of the player; the player's state.
  show() {
    const state = this.firmware.playState();
    const row = element('playback');
    if (!state.playing && row.contains(document.activeElement))
      element('play-script').focus(); // the focus does not vanish with the row
    row.hidden = !state.playing;
    element('pause-script').textContent = state.paused ? 'Resume' : 'Pause';
    element('play-progress').textContent = state.playing ? state.progress : '';
    element('play-speed').value = String(state.speed);
    return state;
  }
}
