// A worker that runs one script of the runner's language in a firmware
// instance of its own, so that a long script never holds up the page.
// Message in: { compiled (the WebAssembly module), text, files (the
// pictures the script may read: { name: Blob or bytes }) }. Message out:
// { status, stdout, stderr, files: { name: PNG Blob } } or { error }.
import { newFirmware } from './firmware.js';
import { runScript } from './script_bridge.js';
import { decodePicture, displayPng } from './display_image.js';

onmessage = async ({ data }) => {
  try {
    const given = new Map();
    for (const [name, file] of Object.entries(data.files ?? {}))
      given.set(name, await decodePicture(file));
    const result = runScript(await newFirmware(data.compiled), data.text, given);
    const text = new TextDecoder();
    const files = {};
    for (const [name, picture] of result.pictures)
      files[name] = await displayPng(picture.frame, picture.palette);
    postMessage({ status: result.status, stdout: text.decode(result.stdout), stderr: text.decode(result.stderr), files });
  } catch (fault) {
    postMessage({ error: String(fault && fault.message || fault) });
  }
};
