// The commands of a lesson's own. The runner hands a script whose first
// command is "lesson" to the lesson runner whole, so these run only where
// they are out of place: in a script that is no lesson.
#include <string>

#include "script/script_commands.h"

namespace {

void outsideLesson(ScriptSession&, Arguments)
{
    throw ScriptError{"a lesson command outside a lesson: a lesson's first command is lesson \"TITLE\""};
}

void lessonNotFirst(ScriptSession&, Arguments)
{
    throw ScriptError{"\"lesson\" comes first in a lesson, before any other command"};
}

constexpr CommandKind lesson = CommandKind::lesson;

const ScriptCommand commands[] = {
    {"lesson", "lesson \"TITLE\"", 1, 1, lesson, lessonNotFirst, true},
    {"introduction", "introduction \"TEXT\"", 1, 1, lesson, outsideLesson, true},
    {"start", "start", 0, 0, lesson, outsideLesson},
    {"step", "step \"INSTRUCTION\"", 1, 1, lesson, outsideLesson, true},
    {"hint", "hint \"TEXT\"", 1, 1, lesson, outsideLesson, true},
    {"highlight", "highlight key|slider|box|power NAME...", 2, SIZE_MAX, lesson, outsideLesson},
    {"done", "done NAME VALUE | done text \"TEXT\" [X Y [FONT [COLOUR]]] | done pixel X Y INDEX", 2, 6, lesson,
     outsideLesson, true},
    {"closing", "closing \"TEXT\"", 1, 1, lesson, outsideLesson, true},
};

} // namespace

std::span<const ScriptCommand> lessonCommands() { return commands; }
