// A worker that runs one script of the runner's language in a firmware
// instance of its own, so that a long script never holds up the page.
// Message in: { compiled (the WebAssembly module), text }. Message out:
// { status, stdout, stderr, files: { name: PNG Blob } } or { error }.
import { newFirmware } from './firmware.js';
import { runScript } from './script_bridge.js';
import { displayPng } from './display_image.js';

onmessage = async ({ data }) => {
  try {
    const result = runScript(await newFirmware(data.compiled), data.text);
    const text = new TextDecoder();
    const files = {};
    for (const [name, picture] of result.pictures)
      files[name] = await displayPng(picture.frame, picture.palette);
    postMessage({ status: result.status, stdout: text.decode(result.stdout), stderr: text.decode(result.stderr), files });
  } catch (fault) {
    postMessage({ error: String(fault && fault.message || fault) });
  }
};
