// A lesson run by the runner: plainly (qs9-script LESSON) or as a check.
#pragma once
#include "script/lesson.h"
#include "script/script_session.h"

// The start, then each step: its solution, then up to 10 passes until its
// conditions hold, while the steps' paths are filled in. A step still not
// done then is a failed expectation naming the step and its first unmet
// condition; with session.options.checkingLessons, so is a step whose
// conditions all hold before its solution. Every line runs as in a script,
// outputs included; a bad one throws ScriptError.
void runLesson(Lesson& lesson, ScriptSession& session);
