// The lesson player of the shown instrument (page_lessons.cpp).
#pragma once

// After each of the page's passes and timer ticks: the lesson running, if
// any, checks its step.
void checkLesson();
