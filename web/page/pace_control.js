// The pace control: how much instrument time a second of the page holds.
// "Instrument loop" (the default) runs the firmware's main loop, a full
// pass per animation frame; the paced modes ("Real time", "x10", "x60",
// "x240") count fuel at the instrument's own rate, and the sentence under
// the choices says what changes at once and what once a period. The paces
// and the sentence are the firmware module's (script/instrument_pace.h),
// the same as the window's.
const element = (id) => document.getElementById(id);

export class PaceControl {
  constructor(firmware, loop, say) {
    const { paces, pace, explanation } = firmware.paceState();
    const choices = element('pace-choices');
    paces.forEach((label, index) => {
      const option = document.createElement('label');
      const radio = document.createElement('input');
      Object.assign(radio, { type: 'radio', name: 'pace', value: String(index), checked: index === pace });
      radio.id = `pace-${index}`;
      radio.addEventListener('change', () => {
        loop.setPace(index);
        say(index === 0 ? 'Pace: the instrument loop, a full pass each frame' : `Pace: ${label}`);
      });
      option.append(radio, ` ${label}`);
      choices.append(option);
    });
    element('pace-explanation').textContent = explanation;
  }
}
