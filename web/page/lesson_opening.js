// A lesson asked for by the page's address (#lesson=NAME). The page holds no
// lessons yet, so every name is one it cannot find; `say` is the page's
// message line.
export function openLesson(name, say) {
  say(`Lesson "${name}" not found: this simulator has no lessons yet`);
}
