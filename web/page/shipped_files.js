// The shipped lessons and tracks, each kind bundled into the site as one
// gzipped file (web/make_site.cmake: lessons.gz, tracks.gz): each file led
// by a form feed and its name on a line of its own, unpacked by the
// browser.
const gzipStart = [0x1f, 0x8b];

// [{ name, text }] in the bundle's order; what names the kind in a fault.
async function shippedBundle(file, what) {
  const response = await fetch(new URL(file, import.meta.url));
  if (!response.ok)
    throw new Error(`${what} could not be loaded (${response.status} ${response.statusText})`);
  let bytes = new Uint8Array(await response.arrayBuffer());
  // A server may have unpacked it already, as it does a file it sends gzipped.
  if (bytes[0] === gzipStart[0] && bytes[1] === gzipStart[1])
    bytes = new Uint8Array(await new Response(new Blob([bytes]).stream().pipeThrough(new DecompressionStream('gzip'))).arrayBuffer());
  return new TextDecoder().decode(bytes).split('\f').slice(1).map((entry) => {
    const end = entry.indexOf('\n');
    return { name: entry.slice(0, end), text: entry.slice(end + 1) };
  });
}

// In teaching order: as lessons/README.md lists them.
export const shippedLessons = () => shippedBundle('lessons.gz', 'the lessons');
// By name, each name a file of tracks/ without ".csv".
export const shippedTracks = () => shippedBundle('tracks.gz', 'the tracks');
