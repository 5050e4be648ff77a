// Share links: the page's address with "#script=" and a script, its UTF-8
// bytes compressed (deflate, by the browser) and written in base64url, so
// that a recording fits in a link that mail and chat keep whole.
import { pageOptions } from './page_options.js';

const marker = '#script=';

async function throughStream(bytes, stream) {
  const piped = new Blob([bytes]).stream().pipeThrough(stream);
  return new Uint8Array(await new Response(piped).arrayBuffer());
}

// Any text packed as a share link packs its script, for the links that carry
// other texts (a lesson's: lesson_links.js), and back; a packed text that
// was cut or changed throws.
export async function packText(text) {
  return toBase64Url(await throughStream(new TextEncoder().encode(text), new CompressionStream('deflate-raw')));
}

export async function unpackText(packed) {
  const bytes = await throughStream(fromBase64Url(packed), new DecompressionStream('deflate-raw'));
  return new TextDecoder('utf-8', { fatal: true }).decode(bytes);
}

function toBase64Url(bytes) {
  let binary = '';
  for (let i = 0; i < bytes.length; i += 0x8000)
    binary += String.fromCharCode(...bytes.subarray(i, i + 0x8000));
  return btoa(binary).replace(/\+/g, '-').replace(/\//g, '_').replace(/=+$/, '');
}

function fromBase64Url(text) {
  if (!/^[A-Za-z0-9_-]*$/.test(text))
    throw new Error('it holds characters that no share link has');
  const binary = atob(text.replace(/-/g, '+').replace(/_/g, '/'));
  return Uint8Array.from(binary, (c) => c.charCodeAt(0));
}

// The share link of the script at the page's address `page` (any hash goes).
export async function shareLink(page, script) {
  const packed = await throughStream(new TextEncoder().encode(script), new CompressionStream('deflate-raw'));
  return page.split('#')[0] + marker + toBase64Url(packed);
}

// The script of a share link's hash ("#script=...", among other options or
// alone); null for a hash without one. A link that was cut or changed throws
// an Error that says so in plain words.
export async function linkedScript(hash) {
  const packed = pageOptions(hash).script;
  if (packed === undefined)
    return null;
  try {
    const bytes = await throughStream(fromBase64Url(packed), new DecompressionStream('deflate-raw'));
    return new TextDecoder('utf-8', { fatal: true }).decode(bytes);
  } catch {
    throw new Error('This share link is damaged or incomplete (cut short or changed): nothing was played');
  }
}

// The link in the text field on the clipboard, said in the status line as
// what it is ("Share link"); where the browser refuses, the field's text is
// selected to copy by hand.
export async function copyLink(field, what, display) {
  try {
    await navigator.clipboard.writeText(field.value);
    display.say(`${what} copied to the clipboard`);
  } catch (fault) {
    field.select();
    display.say(`${what} not copied: ${fault.message}; it is selected to copy by hand`);
  }
}
