// The shipped lessons, bundled into the site as lessons.gz
// (web/make_site.cmake): each lesson led by a form feed and its name on a
// line of its own, the whole gzipped and unpacked by the browser.
const gzipStart = [0x1f, 0x8b];

// [{ name, text }] in teaching order: as lessons/README.md lists them.
export async function shippedLessons() {
  const response = await fetch(new URL('lessons.gz', import.meta.url));
  if (!response.ok)
    throw new Error(`the lessons could not be loaded (${response.status} ${response.statusText})`);
  let bytes = new Uint8Array(await response.arrayBuffer());
  // A server may have unpacked it already, as it does a file it sends gzipped.
  if (bytes[0] === gzipStart[0] && bytes[1] === gzipStart[1])
    bytes = new Uint8Array(await new Response(new Blob([bytes]).stream().pipeThrough(new DecompressionStream('gzip'))).arrayBuffer());
  return new TextDecoder().decode(bytes).split('\f').slice(1).map((entry) => {
    const end = entry.indexOf('\n');
    return { name: entry.slice(0, end), text: entry.slice(end + 1) };
  });
}
