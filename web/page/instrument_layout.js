// Scales the simulator to the browser window. One form unit (a pixel of the
// desktop window) becomes a whole number of device pixels, so the display's
// 160 x 120 pixels are enlarged without smoothing at any zoom and
// device-pixel ratio. The instrument takes 241 x 300 units and the sensor
// pages beside it 257 more (503 x 310 together, with the gap); the guide
// (what the keys do, the messages, the display as text) is text in CSS
// pixels. Of the arrangements below the one that shows the instrument
// largest wins, the earlier on a tie; one column only where nothing fits
// beside the instrument at a useful size:
//   wide     instrument, sensor pages and guide side by side (a desktop)
//   tablet   the guide beside the instrument, the sensor pages below with
//            their first rows in view (a tablet held upright)
//   beside   instrument and sensor pages, the guide below them
//   column   instrument, guide, sensor pages, one under the other (a phone)
// The instrument view (#view=instrument, for a dealer's page) shows the
// instrument alone, as large as its frame takes it, in the frame's middle;
// with a lesson open, the lesson's panel below it.
const instrument = { width: 241, height: 300 };
const sensors = { width: 257, height: 310 };
const gap = 5;                // units between the parts
const sensorRowsInView = 140; // units of the sensor pages in view below the instrument ("tablet")
const guide = { least: 250, most: 420 }; // CSS pixels
const margin = 8;             // CSS pixels around it all, at least
const usefulUnit = 2;         // CSS pixels a unit, below which one column may win

const besideEachOther = (u) => (instrument.width + gap + sensors.width) * u;
const arrangements = [
  { name: 'wide', width: (u) => besideEachOther(u) + gap * u + guide.least, height: (u) => sensors.height * u,
    guide: (u, room) => Math.min(guide.most, room - besideEachOther(u) - gap * u) },
  { name: 'tablet', width: (u) => Math.max((instrument.width + gap) * u + guide.least, sensors.width * u),
    height: (u) => (instrument.height + gap + sensorRowsInView) * u,
    guide: (u, room) => Math.min(guide.most, room - (instrument.width + gap) * u) },
  { name: 'beside', width: besideEachOther, height: (u) => sensors.height * u, guide: besideEachOther },
];
const column = {
  name: 'column', width: (u) => instrument.width * u, height: (u) => instrument.height * u, guide: (u, room) => room,
};
const alone = { ...column, name: 'instrument-view' };

// The largest unit (CSS pixels, a whole number of device pixels) at which
// the arrangement fits the room; 0 where it does not fit at one device pixel.
function largestUnit(arrangement, room, dpr) {
  const fits = (pixels) => arrangement.width(pixels / dpr) <= room.width && arrangement.height(pixels / dpr) <= room.height;
  let pixels = Math.ceil(dpr * Math.min(room.width / instrument.width, room.height / instrument.height));
  while (pixels > 0 && !fits(pixels))
    --pixels;
  return pixels / dpr;
}

function choose(room, dpr, instrumentOnly) {
  const columnUnit = largestUnit(instrumentOnly ? alone : column, room, dpr);
  if (instrumentOnly)
    return { arrangement: alone, unit: Math.max(1 / dpr, columnUnit) };
  let best = { arrangement: column, unit: 0 };
  for (const arrangement of arrangements) {
    const unit = largestUnit(arrangement, room, dpr);
    if (unit > best.unit)
      best = { arrangement, unit };
  }
  if (best.unit < Math.min(usefulUnit, columnUnit))
    best = { arrangement: column, unit: columnUnit };
  return { arrangement: best.arrangement, unit: Math.max(1 / dpr, best.unit) };
}

// The open lesson's panel, which the instrument view shows below the instrument.
function lessonHeight() {
  const lesson = document.getElementById('lesson');
  return lesson.hidden ? 0 : lesson.offsetHeight + gap;
}

const onDevicePixel = (css, dpr) => Math.floor(css * dpr) / dpr;

export function fitToWindow(simulator, instrumentOnly) {
  const dpr = window.devicePixelRatio || 1;
  const heading = instrumentOnly ? lessonHeight() : document.getElementById('heading').offsetHeight;
  const room = { width: innerWidth - 2 * margin, height: innerHeight - 2 * margin - heading };
  const { arrangement, unit } = choose(room, dpr, instrumentOnly);
  const guideWidth = Math.floor(arrangement.guide(unit, room.width));
  const used = arrangement.name === 'wide' || arrangement.name === 'tablet'
    ? Math.max(arrangement.width(unit) - guide.least + guideWidth, sensors.width * unit)
    : Math.max(arrangement.width(unit), arrangement === column ? room.width : 0);
  const left = Math.max(margin, onDevicePixel((innerWidth - used) / 2, dpr));
  const top = instrumentOnly ? Math.max(margin, onDevicePixel((room.height - arrangement.height(unit)) / 2 + margin, dpr)) : margin;
  const style = document.documentElement.style;
  style.setProperty('--u', `${unit}px`);
  style.setProperty('--guide', `${guideWidth}px`);
  style.setProperty('--width', `${Math.floor(used)}px`);
  style.setProperty('--instrument-indent', `${arrangement === column ? onDevicePixel((used - instrument.width * unit) / 2, dpr) : 0}px`);
  simulator.dataset.arrangement = arrangement.name;
  simulator.style.padding = `${top}px 0 ${margin}px ${left}px`;
}

// Again whenever the window's size or the zoom changes.
export function keepFitted(simulator, instrumentOnly = false) {
  fitToWindow(simulator, instrumentOnly);
  addEventListener('resize', () => fitToWindow(simulator, instrumentOnly));
  if (instrumentOnly)
    new ResizeObserver(() => fitToWindow(simulator, true)).observe(document.getElementById('lesson'));
}
