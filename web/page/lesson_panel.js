// Lessons on the page: the list of the shipped lessons (title and
// introduction) and "Open Lesson File...", and while a lesson runs its panel
// above the instrument: title, "Step 3 of 9", the instruction, Hint, Show me,
// Back, Restart, Leave and Copy Lesson Link, the step's controls framed on
// the photograph and beside the sliders; after the last step the closing
// text and the learner's result. The lesson player itself is the module's
// (web/page_lessons.cpp), the same as the window's; this shows what it says.
// "#lesson=NAME" and a lesson link of one's own open a lesson; so does a
// lesson file chosen or dropped on the page. A lesson that is refused or a
// link that does not decode is said in the status line, and nothing changes.
import { newFirmware, withText } from './firmware.js';
import { lessonLink, linkedLesson } from './lesson_links.js';
import { downloadText } from './page_scripts.js';
import { shippedLessons } from './shipped_files.js';

const element = (id) => document.getElementById(id);

function newElement(tag, properties = {}, ...children) {
  const made = Object.assign(document.createElement(tag), properties);
  made.append(...children);
  return made;
}

const offPathText = "This is off the lesson's path: Back returns to the start of the step.";

const button = (id, caption, title) => newElement('button', { type: 'button', id, textContent: caption, title: title ?? '' });

// The learner's buttons, as the module numbers them.
const actions = { hint: 0, showMe: 1, back: 2, restart: 3, leave: 4 };

export class PageLessons {
  constructor({ compiled, firmware, tables, display, scripts }) {
    Object.assign(this, { compiled, module: firmware.module, tables, display, scripts });
    this.opened = null; // { name } of a shipped lesson, or { text } of one's own
    this.framed = [];
    this.updateDue = false;
    this.module.pageLessons = { changed: () => this.scheduleUpdate() };
    this.buildPanel(element('lesson'));
    this.library = shippedLessons().catch((fault) => {
      this.display.say(`The shipped lessons are not available: ${fault.message}`);
      return [];
    });
    this.library.then((lessons) => this.buildList(lessons));
    scripts.lessons = this; // a lesson file chosen or dropped opens here
    element('save-lesson-draft').addEventListener('click', () => this.saveDraft(scripts.lastRecording));
  }

  // ---- the module's lesson player ----

  call(name, ...args) { return this.module.UTF8ToString(this.module[`_${name}`](...args)); }
  withText(name, text) { return withText(this.module, text, (start, length) => this.call(name, start, length)); }
  state() { return JSON.parse(this.call('qs9WebLessonState')); }
  act(action) { this.module._qs9WebLessonAct(actions[action]); }

  // Opens a shipped lesson ({ name }) or a lesson's text ({ text }, from
  // `source`); true when it opened, else the reason is said.
  async open(lesson, source) {
    if (lesson.text === undefined) {
      const shipped = (await this.library).find((l) => l.name === lesson.name);
      if (!shipped) {
        this.display.say(`There is no lesson "${lesson.name}"`);
        return false;
      }
      lesson = { name: lesson.name, text: shipped.text };
    }
    const fault = this.withText('qs9WebLessonOpen', lesson.text);
    if (fault) {
      this.display.say(`The lesson ${source} cannot be opened: ${fault}`);
      return false;
    }
    this.opened = lesson;
    this.display.say(`Lesson ${source} opened`);
    this.update();
    element('lesson').scrollIntoView({ block: 'nearest' });
    element('lesson-instruction').focus({ preventScroll: true });
    return true;
  }

  // The lesson the page's address asks for, if any (its options,
  // page_options.js): "#lesson=NAME" or a lesson link of one's own. Says a
  // broken link, and opens nothing then. (A new address starts the page
  // afresh: page_scripts.js.)
  async openLinked(options) {
    let lesson;
    try {
      lesson = await linkedLesson(options);
    } catch (fault) {
      this.display.say(fault.message);
      return false;
    }
    if (!lesson)
      return false;
    return this.open(lesson, lesson.name !== undefined ? `"${lesson.name}"` : 'of the link');
  }

  // A file's text opens as a lesson when it is one; false leaves it to be
  // played as a script.
  takes(text, fileName) {
    if (!withText(this.module, text, (start, length) => this.module._qs9WebIsLesson(start, length)))
      return false;
    this.open({ text }, fileName);
    return true;
  }

  // ---- the panel ----

  buildPanel(panel) {
    panel.setAttribute('aria-labelledby', 'lesson-title');
    const head = newElement('div', { id: 'lesson-head' },
      newElement('h2', { id: 'lesson-title' }), newElement('span', { id: 'lesson-progress' }));
    const buttons = newElement('div', { id: 'lesson-buttons' },
      button('lesson-hint', 'Hint', "The step's hint"),
      button('lesson-show-me', 'Show me', 'Plays the step on the instrument'),
      button('lesson-back', 'Back', "Back to the start of the step"),
      button('lesson-restart', 'Restart', 'The lesson from its first step'),
      button('lesson-leave', 'Leave', 'Ends the lesson; the instrument stays as it is'),
      button('lesson-copy-link', 'Copy Lesson Link', 'A link that opens this lesson'));
    buttons.setAttribute('role', 'group');
    buttons.setAttribute('aria-label', 'Lesson');
    panel.append(head,
      newElement('details', { id: 'lesson-about' },
        newElement('summary', { textContent: 'About this lesson' }), newElement('p', { id: 'lesson-introduction' })),
      newElement('p', { id: 'lesson-instruction', tabIndex: -1 }),
      newElement('p', { id: 'lesson-hint-text' }),
      newElement('p', { id: 'lesson-off-path' }),
      newElement('p', { id: 'lesson-result' }),
      buttons);
    element('lesson-instruction').setAttribute('aria-live', 'polite');
    element('lesson-off-path').setAttribute('role', 'alert');
    element('lesson-hint').addEventListener('click', () => this.act('hint'));
    element('lesson-show-me').addEventListener('click', () => this.act('showMe'));
    element('lesson-back').addEventListener('click', () => this.act('back'));
    element('lesson-restart').addEventListener('click', () => this.act('restart'));
    element('lesson-leave').addEventListener('click', () => this.leave());
    element('lesson-copy-link').addEventListener('click', () => this.copyLink());
  }

  leave() {
    this.act('leave');
    this.opened = null;
    this.display.say('Lesson left; the instrument stays as it is');
  }

  async copyLink() {
    const link = await lessonLink(location.href, this.opened);
    try {
      await navigator.clipboard.writeText(link);
      this.display.say('Lesson link copied to the clipboard');
    } catch (fault) {
      this.display.say(`Lesson link not copied (${fault.message}): ${link}`);
    }
  }

  // The module says what changed while it runs; the panel follows once it is done.
  scheduleUpdate() {
    if (this.updateDue)
      return;
    this.updateDue = true;
    queueMicrotask(() => {
      this.updateDue = false;
      this.update();
    });
  }

  update() {
    this.scripts.showState(); // "Show me" plays through the page's one player
    this.display.present(); // a step set up with the instrument off shows the frame it leaves
    const s = this.state();
    const show = (id, text) => {
      element(id).textContent = text ?? '';
      element(id).hidden = !text;
    };
    element('lesson').hidden = !s.open;
    if (!s.open)
      return this.frame([]);
    element('lesson-title').textContent = s.title;
    element('lesson-progress').textContent = s.finished ? 'Done' : s.progress;
    element('lesson-introduction').textContent = s.introduction;
    show('lesson-instruction', s.finished ? s.closing : s.instruction);
    show('lesson-hint-text', !s.finished && s.hintShown && s.hint ? `Hint: ${s.hint}` : '');
    show('lesson-off-path', !s.finished && s.offPath ? offPathText : '');
    show('lesson-result', s.finished ? s.result : '');
    element('lesson-hint').disabled = s.finished || !s.hint || s.hintShown;
    element('lesson-show-me').disabled = s.finished || s.showingMe;
    element('lesson-back').disabled = s.showingMe;
    this.frame(s.finished ? [] : s.controls);
  }

  // Frames the step's controls: a key on the photograph, a slider's row or
  // a box, whose page comes to the front.
  frame(names) {
    for (const framed of this.framed)
      framed.classList.remove('lesson-highlight');
    this.framed = [];
    for (const name of names) {
      const key = this.tables.keys.find((k) => k.name === name);
      const control = key ? element(key.control) : element(`input-${name}`) ?? element({ on: 'Button1', off: 'Button2' }[name]);
      if (!control)
        continue;
      const row = control.type === 'range' ? [control, control.previousElementSibling, control.previousElementSibling?.previousElementSibling]
        : control.type === 'checkbox' ? [control.parentElement] : [control];
      this.framed.push(...row.filter(Boolean));
      const page = control.closest('[role=tabpanel]');
      if (page?.hidden)
        element(page.getAttribute('aria-labelledby'))?.click();
    }
    for (const framed of this.framed)
      framed.classList.add('lesson-highlight');
  }

  // The recording as a lesson draft, downloaded to edit: one step per key
  // the instrument took, slider and box moves as steps of their own. The
  // draft replays the recording from program start, on a firmware instance
  // of its own: the instrument shown stays as it is. Named after the
  // recording's file, it is what qs9-script --lesson-draft makes of that file.
  async saveDraft({ text, name }) {
    const scratch = (await newFirmware(this.compiled)).module;
    const made = JSON.parse(withText(scratch, text, (start, length) =>
      scratch.ccall('qs9WebLessonDraft', 'string', ['number', 'number', 'string'], [start, length, name.replace(/\.qs9$/, '')])));
    if (made.fault !== undefined) {
      this.display.say(`No lesson draft from the recording: ${made.fault}`);
      return null;
    }
    const file = downloadText('qs9-lesson-draft', made.draft);
    this.display.say(`Lesson draft downloaded as ${file}: edit its words, then open it with Lessons\u2026`);
    return made.draft;
  }

  // ---- the list ----

  buildList(lessons) {
    const choices = newElement('ul', { id: 'lesson-choices' });
    for (const { name, text } of lessons) {
      const lesson = { name, ...JSON.parse(this.withText('qs9WebLessonSummary', text)) };
      if (lesson.fault !== undefined)
        lesson.title = `${name} (${lesson.fault})`;
      const choice = newElement('button', { type: 'button', className: 'lesson-choice' },
        newElement('strong', { textContent: lesson.title }), newElement('span', { textContent: lesson.introduction }));
      choice.dataset.lesson = lesson.name;
      choice.addEventListener('click', () => {
        element('lesson-list').close();
        this.open({ name: lesson.name }, `"${lesson.name}"`);
      });
      choices.append(newElement('li', {}, choice));
    }
    const file = newElement('input', { type: 'file', id: 'lesson-file', accept: '.qs9,text/plain', hidden: true });
    file.addEventListener('change', async () => {
      const chosen = file.files[0];
      file.value = '';
      element('lesson-list').close();
      if (chosen)
        this.open({ text: await chosen.text() }, chosen.name);
    });
    const list = newElement('dialog', { id: 'lesson-list' },
      newElement('h2', { id: 'lesson-list-title', textContent: 'Lessons' }),
      newElement('div', { className: 'lesson-list-buttons' },
        button('open-lesson-file', 'Open Lesson File\u2026', 'A lesson file of your own'),
        button('close-lesson-list', 'Close')),
      choices, file);
    list.setAttribute('aria-labelledby', 'lesson-list-title');
    document.body.append(list);
    element('open-lesson-file').addEventListener('click', () => file.click());
    element('close-lesson-list').addEventListener('click', () => list.close());
    element('open-lessons').addEventListener('click', () => list.showModal());
  }
}
