// Lesson links: "#lesson=NAME" opens a shipped lesson; a lesson of one's own
// travels whole in its link, "#lessontext=" and its text packed as share
// links pack a script. Either combines with the page's other options.
import { packText, unpackText } from './share_links.js';

// The link of a lesson at the page's address `page` (any hash goes): by its
// name when it is a shipped one, else holding its text.
export async function lessonLink(page, { name, text }) {
  const base = page.split('#')[0];
  return name ? `${base}#lesson=${encodeURIComponent(name)}` : `${base}#lessontext=${await packText(text)}`;
}

// What the page's options (page_options.js) ask to open: { name }, { text }
// or null. A lesson text that does not decode throws an Error that says so
// in plain words.
export async function linkedLesson(options) {
  if (options.lessontext !== undefined) {
    try {
      return { text: await unpackText(options.lessontext) };
    } catch {
      throw new Error('This lesson link is damaged or incomplete (cut short or changed): no lesson was opened');
    }
  }
  return options.lesson !== undefined ? { name: decoded(options.lesson) } : null;
}

function decoded(text) {
  try {
    return decodeURIComponent(text);
  } catch {
    return text; // no lesson has such a name; opening it says so
  }
}
