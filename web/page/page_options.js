// The options a page's address gives in its fragment, as a share link gives
// its script, combinable with "&":
//   #view=instrument            the instrument alone, filling its frame
//   #power=on                   switched on at once
//   #lesson=NAME                opens that lesson
//   #lessontext=...             opens the lesson the link holds (its text
//                               packed as a share link packs its script)
//   #script=...                 plays that script (a share link's recording)
// for instance #view=instrument&power=on&lesson=k-factor. A value's text is
// taken as it stands (a script is base64url, which needs no escaping).
const known = {
  view: ['instrument'],
  power: ['on'],
  lesson: null, // any name
  lessontext: null, // any text
  script: null, // any text
};

// { view, power, lesson, lessontext, script } as given (each undefined when
// not), and `faults`: what the fragment holds that is no option, in plain
// words.
export function pageOptions(hash) {
  const options = { faults: [] };
  const text = hash.startsWith('#') ? hash.slice(1) : hash;
  for (const part of text.split('&').filter(Boolean)) {
    const equals = part.indexOf('=');
    const name = equals < 0 ? part : part.slice(0, equals);
    const value = equals < 0 ? '' : part.slice(equals + 1);
    if (!(name in known))
      options.faults.push(`the page knows no option "${name}"`);
    else if (known[name] && !known[name].includes(value))
      options.faults.push(`${name} takes ${known[name].map((v) => `"${v}"`).join(' or ')}, not "${value}"`);
    else if (name === 'lesson' && value === '')
      options.faults.push('lesson needs the name of a lesson');
    else
      options[name] = value;
  }
  return options;
}

// Whether a new fragment asks the page to start again: one that gives an
// option (a share link opened in a page already open plays from program
// start, as on a first visit).
export const startsAgain = (hash) => Object.keys(known).some((name) => pageOptions(hash)[name] !== undefined);
