// Share links: the page's address with "#script=" and a script, its UTF-8
// bytes compressed (deflate, by the browser) and written in base64url, so
// that a recording fits in a link that mail and chat keep whole.
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

export const isShareLink = (hash) => hash.startsWith(marker);

// The share link of the script at the page's address `page` (any hash goes).
export async function shareLink(page, script) {
  const packed = await throughStream(new TextEncoder().encode(script), new CompressionStream('deflate-raw'));
  return page.split('#')[0] + marker + toBase64Url(packed);
}

// The script of a share link's hash ("#script=..."); null for another hash.
// A link that was cut or changed throws an Error that says so.
export async function linkedScript(hash) {
  if (!isShareLink(hash))
    return null;
  try {
    const packed = fromBase64Url(hash.slice(marker.length));
    const bytes = await throughStream(packed, new DecompressionStream('deflate-raw'));
    return new TextDecoder('utf-8', { fatal: true }).decode(bytes);
  } catch (fault) {
    throw new Error(`This share link is broken (cut short or changed?): ${fault.message || fault}`);
  }
}
