// Scales the whole simulator to the browser window. One form unit (a pixel
// of the desktop window) becomes a whole number of device pixels, so the
// display's 160 x 120 pixels are enlarged without smoothing at any zoom and
// device-pixel ratio. Beside each other the instrument and its sensor pages
// take 503 x 310 units; an upright window (a phone held upright) that shows
// the instrument larger alone stacks them, the instrument (241 x 300 units)
// fitted to the window and the pages below it. The whole is centred on a
// whole device pixel.
const sideBySide = { width: 503, height: 310 };
const instrumentAlone = { width: 241, height: 300 };
const margin = 8; // CSS pixels around it, at least

function devicePixelsPerUnit(box, dpr) {
  const fits = Math.min((innerWidth - 2 * margin) * dpr / box.width,
                        (innerHeight - 2 * margin) * dpr / box.height);
  return Math.max(1, Math.floor(fits));
}

export function fitToWindow(simulator) {
  const dpr = window.devicePixelRatio || 1;
  const side = devicePixelsPerUnit(sideBySide, dpr);
  const alone = devicePixelsPerUnit(instrumentAlone, dpr);
  const stacked = side < alone && innerWidth < innerHeight;
  const perUnit = stacked ? alone : side;
  const width = (stacked ? instrumentAlone : sideBySide).width * perUnit;
  const left = Math.max(margin * dpr, Math.floor((innerWidth * dpr - width) / 2));
  document.documentElement.style.setProperty('--u', `${perUnit / dpr}px`);
  simulator.style.padding = `${Math.round(margin * dpr) / dpr}px`;
  simulator.style.paddingLeft = `${Math.round(left) / dpr}px`;
  simulator.classList.toggle('stacked', stacked);
}

// Again whenever the window's size or the zoom changes.
export function keepFitted(simulator) {
  fitToWindow(simulator);
  addEventListener('resize', () => fitToWindow(simulator));
}
