// What a script reads back from the firmware: named values, the texts and
// pixels of the last pass, and pictures of the display.
#include <string>

#include "script/script_arguments.h"
#include "script/script_commands.h"
#include "sim/simulator.h"
#include "sim/user_text.h"

namespace {

void print(ScriptSession& session, Arguments arguments)
{
    std::string lines;
    for (const std::string& name : arguments)
        lines += name + " = " + formattedValue(name) + '\n';
    session.out << lines;
}

void texts(ScriptSession& session, Arguments)
{
    for (const DrawnText& t : session.texts)
        session.out << t.startX << ' ' << t.y << ' ' << unsigned(t.fontSize) << ' '
                    << unsigned(t.colour) << " \"" << escapedText(t.text) << "\"\n";
}

void pixel(ScriptSession& session, Arguments arguments)
{
    const DisplayPoint point = displayPoint(arguments[0], arguments[1]);
    session.out << point.x << ' ' << point.y << " = " << unsigned(point.index) << '\n';
}

void shot(ScriptSession& session, Arguments arguments) { writeDisplayPicture(session, arguments[0]); }

constexpr CommandKind output = CommandKind::output;

const ScriptCommand commands[] = {
    {"print", "print NAME...", 1, SIZE_MAX, output, print},
    {"texts", "texts", 0, 0, output, texts},
    {"pixel", "pixel X Y", 2, 2, output, pixel},
    {"shot", "shot FILE", 1, 1, output, shot},
};

} // namespace

std::span<const ScriptCommand> readingCommands() { return commands; }
