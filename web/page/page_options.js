// The options a page's address gives in its fragment, as a share link gives
// its script, combinable with "&":
//   #lesson=NAME                opens that shipped lesson
//   #lessontext=...             opens the lesson the link holds (packed as
//                               a share link packs its script)
//   #script=...                 plays that script
// A value's text is taken as it stands (packed texts are base64url).
const known = ['lesson', 'lessontext', 'script'];

// { lesson, lessontext, script } as given (each undefined when not).
export function pageOptions(hash) {
  const options = {};
  for (const part of hash.replace(/^#/, '').split('&').filter(Boolean)) {
    const equals = part.indexOf('=');
    const name = equals < 0 ? part : part.slice(0, equals);
    if (known.includes(name))
      options[name] = equals < 0 ? '' : part.slice(equals + 1);
  }
  return options;
}
