// One script through the runner's language inside a firmware instance of
// its own: standard output, standard error and exit status as qs9-script
// gives them, and each display picture the script wrote, by file name. The
// pictures the script reads (compare) are those it wrote earlier and those
// the run was given.
import { displayWidth, displayHeight } from './firmware.js';

// More distinct pictures than this fail the script's line, as a file that
// cannot be written does.
export const maxPictures = 1000;

function streamBytes(module, which) {
  const start = module._qs9WebScriptStream(which);
  return module.HEAPU8.slice(start, start + module._qs9WebScriptStreamSize(which));
}

// A written picture's colours, 0x00RRGGBB.
function writtenColours({ frame, palette }) {
  return Uint32Array.from(frame, (index) => palette[index]);
}

// Answers the runner's questions about the pictures it reads: given maps
// file names to decoded pictures, { width, height, colours } (colours
// 0x00RRGGBB, row-major), or { broken: true } for a file that is no picture.
function readPictures(module, pictures, given) {
  const find = (name) => (pictures.has(name) ? { width: displayWidth, height: displayHeight, colours: writtenColours(pictures.get(name)) } : given.get(name));
  module.displayPictureSize = (name) => {
    const picture = find(name);
    if (!picture)
      return -1;
    return picture.broken ? -2 : picture.width * 65536 + picture.height;
  };
  module.readDisplayPicture = (name, colours) => {
    module.HEAPU32.set(find(name).colours, colours / 4);
  };
}

// The script as text (a string) or as bytes (Uint8Array). Pictures are the
// frames' palette indices with the palette they were written through.
export function runScript(firmware, script, given = new Map()) {
  const module = firmware.module;
  const bytes = typeof script === 'string' ? new TextEncoder().encode(script) : script;
  const pictures = new Map();
  readPictures(module, pictures, given);
  module.keepDisplayPicture = (name, frame, palette) => {
    if (!pictures.has(name) && pictures.size >= maxPictures)
      return maxPictures;
    pictures.set(name, {
      frame: module.HEAPU8.slice(frame, frame + displayWidth * displayHeight),
      palette: module.HEAPU32.slice(palette / 4, palette / 4 + 256),
    });
    return 0;
  };
  const text = module._malloc(Math.max(1, bytes.length));
  module.HEAPU8.set(bytes, text);
  const status = module._qs9WebRunScript(text, bytes.length);
  module._free(text);
  return { status, stdout: streamBytes(module, 1), stderr: streamBytes(module, 2), pictures };
}
