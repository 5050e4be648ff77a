// The display's pictures: the frame's palette indices through the palette,
// every pixel in its exact colour, optionally enlarged by whole pixels.
import { displayWidth, displayHeight } from './firmware.js';

// RGBA words as the platform stores them (little-endian: red first), one
// per palette index; the palette holds 0x00RRGGBB, the pixels are opaque.
export function rgbaWords(palette) {
  const words = new Uint32Array(256);
  for (let i = 0; i < 256; ++i) {
    const c = palette[i];
    words[i] = (0xff000000 | ((c & 0xff) << 16) | (c & 0xff00) | ((c >>> 16) & 0xff)) >>> 0;
  }
  return words;
}

// Fills `pixels` (Uint32Array over RGBA bytes, (160 x scale) by
// (120 x scale)) with the frame through `colours` (rgbaWords).
export function fillDisplayPixels(pixels, frame, colours, scale = 1) {
  const width = displayWidth * scale;
  for (let y = 0; y < displayHeight * scale; ++y) {
    const row = ((y / scale) | 0) * displayWidth;
    for (let x = 0; x < width; ++x)
      pixels[y * width + x] = colours[frame[row + ((x / scale) | 0)]];
  }
}

// The frame as RGBA bytes: { width, height, data }.
export function displayPixels(frame, palette, scale = 1) {
  const width = displayWidth * scale;
  const height = displayHeight * scale;
  const data = new Uint8ClampedArray(width * height * 4);
  fillDisplayPixels(new Uint32Array(data.buffer), frame, rgbaWords(palette), scale);
  return { width, height, data };
}

// The same picture as a PNG, encoded by the browser.
export function displayPng(frame, palette, scale = 1) {
  const { width, height, data } = displayPixels(frame, palette, scale);
  const canvas = new OffscreenCanvas(width, height);
  canvas.getContext('2d').putImageData(new ImageData(data, width, height), 0, 0);
  return canvas.convertToBlob({ type: 'image/png' });
}

// A picture file (Blob, ArrayBuffer or typed array) decoded by the browser
// as the runner reads one: { width, height, colours } (0x00RRGGBB,
// row-major, colours exactly as stored), or { broken: true }.
export async function decodePicture(file) {
  const blob = file instanceof Blob ? file : new Blob([file]);
  let image;
  try {
    image = await createImageBitmap(blob, { colorSpaceConversion: 'none', premultiplyAlpha: 'none' });
  } catch {
    return { broken: true };
  }
  const { width, height } = image;
  const context = new OffscreenCanvas(width, height).getContext('2d');
  context.drawImage(image, 0, 0);
  const rgba = context.getImageData(0, 0, width, height).data;
  const colours = new Uint32Array(width * height);
  for (let i = 0; i < colours.length; ++i)
    colours[i] = (rgba[i * 4] << 16) | (rgba[i * 4 + 1] << 8) | rgba[i * 4 + 2];
  return { width, height, colours };
}
