// Runs runner scripts through the browser edition's WebAssembly runner under
// Node.js, each in a fresh instance of the module, as qs9-script runs each
// in a fresh process. For script number i it writes OUT/i/stdout,
// OUT/i/stderr, OUT/i/status and, for each picture, OUT/i/pictures/NAME.rgb
// (160 x 120 RGB bytes; NAME URI-encoded). The pictures the script may read
// are given in OUT/i/given/NAME.rgb: "WIDTH HEIGHT\n", then RGB bytes.
//   node tests/web/run_scripts.mjs SITE OUT SCRIPT...
import { existsSync, mkdirSync, readdirSync, readFileSync, writeFileSync } from 'node:fs';
import { join, resolve } from 'node:path';
import { pathToFileURL } from 'node:url';

const [site, out, ...scripts] = process.argv.slice(2);
const load = (name) => import(pathToFileURL(resolve(site, name)).href);
const { compileFirmware, newFirmware } = await load('firmware.js');
const { runScript } = await load('script_bridge.js');
const { displayPixels } = await load('display_image.js');

function rgb(picture) {
  const rgba = displayPixels(picture.frame, picture.palette).data;
  return rgba.filter((_, i) => i % 4 !== 3);
}

function givenPictures(folder) {
  const given = new Map();
  if (!existsSync(folder))
    return given;
  for (const file of readdirSync(folder)) {
    const bytes = readFileSync(join(folder, file));
    const headerEnd = bytes.indexOf(10);
    const [width, height] = bytes.subarray(0, headerEnd).toString().split(' ').map(Number);
    const rgb = bytes.subarray(headerEnd + 1);
    const colours = new Uint32Array(width * height);
    for (let i = 0; i < colours.length; ++i)
      colours[i] = (rgb[i * 3] << 16) | (rgb[i * 3 + 1] << 8) | rgb[i * 3 + 2];
    given.set(file.slice(0, -'.rgb'.length), { width, height, colours });
  }
  return given;
}

const compiled = await compileFirmware(readFileSync(join(site, 'qs9.wasm')));
for (const [index, script] of scripts.entries()) {
  const folder = join(out, String(index));
  const given = givenPictures(join(folder, 'given'));
  const result = runScript(await newFirmware(compiled), readFileSync(script), given);
  mkdirSync(join(folder, 'pictures'), { recursive: true });
  writeFileSync(join(folder, 'stdout'), result.stdout);
  writeFileSync(join(folder, 'stderr'), result.stderr);
  writeFileSync(join(folder, 'status'), `${result.status}\n`);
  for (const [name, picture] of result.pictures)
    writeFileSync(join(folder, 'pictures', `${encodeURIComponent(name)}.rgb`), rgb(picture));
}
