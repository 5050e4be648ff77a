// qs9.run: a script of the runner's language in a worker of its own (its
// own instance of the firmware), never on the instrument the page shows.
// Resolves to { status, stdout, stderr, files } as qs9-script gives the
// first three for the same script; `files` holds each picture the script
// wrote (shot FILE) as a PNG Blob under its file name. options.files gives
// the pictures the script reads (compare FILE), { name: Blob, ArrayBuffer
// or typed array }, as if they lay beside it; options.signal (an
// AbortSignal) abandons the run.
export function runScriptInWorker(compiled, text, options = {}) {
  if (typeof text !== 'string')
    return Promise.reject(new TypeError('qs9.run takes the text of a script'));
  return new Promise((resolve, reject) => {
    const worker = new Worker(new URL('./script_worker.js', import.meta.url), { type: 'module' });
    const signal = options.signal;
    const finish = (settle, value) => {
      worker.terminate();
      signal?.removeEventListener('abort', abandon);
      settle(value);
    };
    const abandon = () => finish(reject, signal.reason ?? new DOMException('The script run was abandoned', 'AbortError'));
    if (signal?.aborted)
      return abandon();
    signal?.addEventListener('abort', abandon);
    worker.onmessage = ({ data }) => (data.error
      ? finish(reject, new Error(`The script could not run: ${data.error}`))
      : finish(resolve, data));
    worker.onerror = (event) => {
      event.preventDefault();
      finish(reject, new Error(`The script could not run: ${event.message || 'its worker failed'}`));
    };
    worker.postMessage({ compiled, text, files: options.files });
  });
}
