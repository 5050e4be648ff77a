// The display on the page: the frame buffer drawn into the 160 x 120 canvas
// through the palette (the page enlarges it by whole pixels), and copies of
// it on the clipboard or in a PNG file, at 160 x 120 or four times enlarged.
import { displayWidth, displayHeight } from './firmware.js';
import { displayPng, fillDisplayPixels, rgbaWords } from './display_image.js';

const statusMessageMs = 10000;

export class DisplayView {
  constructor(canvas, firmware, status) {
    this.firmware = firmware;
    this.status = status;
    this.context = canvas.getContext('2d', { alpha: false });
    this.image = this.context.createImageData(displayWidth, displayHeight);
    this.pixels = new Uint32Array(this.image.data.buffer);
    this.colours = rgbaWords(firmware.palette());
    this.shown = new Uint8Array(displayWidth * displayHeight);
    this.shownWords = new Uint32Array(this.shown.buffer);
    this.presented = 0;
  }

  // The frame buffer as it is now: one canvas upload, and none when the
  // frame is the one shown (most passes redraw the same picture), so the
  // browser has nothing to paint again. True when the picture changed.
  present() {
    const frame = this.firmware.frameBuffer();
    if (this.presented++ > 0 && this.sameAsShown(frame))
      return false;
    this.shown.set(frame);
    fillDisplayPixels(this.pixels, frame, this.colours);
    this.context.putImageData(this.image, 0, 0);
    if (this.presented === 1)
      performance.mark('qs9-first-frame');
    return true;
  }

  sameAsShown(frame) {
    const words = new Uint32Array(frame.buffer, frame.byteOffset, frame.length / 4);
    for (let i = 0; i < words.length; ++i)
      if (words[i] !== this.shownWords[i])
        return false;
    return true;
  }

  png(scale) {
    return displayPng(this.firmware.frameBuffer().slice(), this.firmware.palette(), scale);
  }

  async copy(scale) {
    const size = `${displayWidth * scale} x ${displayHeight * scale}`;
    try {
      await navigator.clipboard.write([new ClipboardItem({ 'image/png': this.png(scale) })]);
      this.say(`Display copied to the clipboard, ${size} pixels`);
    } catch (fault) {
      this.say(`Display not copied: ${fault.message}`);
    }
  }

  async save(scale) {
    const name = `qs9-${timeStamp(new Date())}.png`;
    const link = document.createElement('a');
    link.href = URL.createObjectURL(await this.png(scale));
    link.download = name;
    link.click();
    setTimeout(() => URL.revokeObjectURL(link.href), 60000);
    this.say(`Display saved as ${name}`);
  }

  say(message) {
    this.status.textContent = message;
    clearTimeout(this.statusTimer);
    this.statusTimer = setTimeout(() => { this.status.textContent = ''; }, statusMessageMs);
  }
}

// 2026-12-08-143012, local time.
function timeStamp(t) {
  const two = (n) => String(n).padStart(2, '0');
  return `${t.getFullYear()}-${two(t.getMonth() + 1)}-${two(t.getDate())}-` +
    `${two(t.getHours())}${two(t.getMinutes())}${two(t.getSeconds())}`;
}
