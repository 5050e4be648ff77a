// Lessons on the shown instrument: a lesson's title and introduction for the
// page's list, a lesson opened from its text (the site's library, a file, a
// lesson link), the player's state as JSON for the page's lesson panel, the
// learner's buttons, and lesson drafts from recordings. The page hears of
// each change through Module.pageLessons.changed (page/lesson_panel.js).
#include <emscripten/emscripten.h>

#include <memory>
#include <string>

#include "script/lesson_draft.h"
#include "script/lesson_player.h"
#include "web/json_text.h"
#include "web/page_inputs.h"
#include "web/page_lessons.h"

namespace {

EM_JS(void, pageLessonChanged, (), { Module.pageLessons.changed(); });

std::unique_ptr<LessonPlayer> player;
std::string answer; // what the last call handed the page, valid until the next

const char* handOver(std::string text)
{
    answer = std::move(text);
    return answer.c_str();
}

std::string jsonList(const std::vector<std::string>& names)
{
    std::string list = "[";
    for (const std::string& name : names)
        list += (list.size() > 1 ? "," : "") + jsonText(name);
    return list + "]";
}

const char* yes(bool b) { return b ? "true" : "false"; }

std::string stateJson(const LessonPlayer& p)
{
    const Lesson& lesson = p.lesson();
    const bool finished = p.finished();
    std::string json = "{\"open\":true," + jsonField("title", jsonText(lesson.title)) + "," +
                       jsonField("introduction", jsonText(lesson.introduction)) + "," +
                       jsonField("step", std::to_string(p.step())) + "," +
                       jsonField("steps", std::to_string(p.stepCount())) + "," +
                       jsonField("progress", jsonText(p.progress())) + "," +
                       jsonField("finished", yes(finished)) + "," + jsonField("showingMe", yes(p.showingMe()));
    if (finished)
        return json + "," + jsonField("closing", jsonText(lesson.closing)) + "," +
               jsonField("result", jsonText(p.resultText())) + "}";
    const LessonStep& step = p.current();
    return json + "," + jsonField("instruction", jsonText(step.instruction)) + "," +
           jsonField("hint", jsonText(step.hint)) + "," + jsonField("hintShown", yes(p.hintShown())) + "," +
           jsonField("offPath", yes(p.offPath())) + "," + jsonField("controls", jsonList(p.controls())) + "}";
}

} // namespace

void checkLesson()
{
    if (player)
        player->check();
}

extern "C" {

// {"title": ..., "introduction": ...} of a lesson's text (length bytes), for
// the page's list of lessons; {"fault": WHY} when it is refused.
EMSCRIPTEN_KEEPALIVE const char* qs9WebLessonSummary(const char* text, uint32_t length)
{
    try {
        const Lesson lesson = readLesson(std::string_view(text, length));
        return handOver("{" + jsonField("title", jsonText(lesson.title)) + "," +
                        jsonField("introduction", jsonText(lesson.introduction)) + "}");
    } catch (const ScriptError& error) {
        return handOver("{" + jsonField("fault", jsonText(error.message)) + "}");
    }
}

// Opens the lesson of the text (length bytes): "" when it opened, else why
// not, with its line. A lesson that does not read leaves the one running, if
// any, as it was; one whose run fails leaves the instrument off at its start.
EMSCRIPTEN_KEEPALIVE const char* qs9WebLessonOpen(const char* text, uint32_t length)
{
    try {
        Lesson lesson = readLesson(std::string_view(text, length));
        player.reset();
        player = std::make_unique<LessonPlayer>(pageInputs(), std::move(lesson), [] { pageLessonChanged(); });
    } catch (const ScriptError& error) {
        pageLessonChanged();
        return handOver(error.message);
    }
    pageLessonChanged();
    return handOver("");
}

// 1 when the text (length bytes) is a lesson: its first command is "lesson".
EMSCRIPTEN_KEEPALIVE int qs9WebIsLesson(const char* text, uint32_t length)
{
    return isLesson(std::string_view(text, length)) ? 1 : 0;
}

// The learner's buttons: 0 Hint, 1 Show me, 2 Back, 3 Restart, 4 Leave.
EMSCRIPTEN_KEEPALIVE void qs9WebLessonAct(int action)
{
    if (!player)
        return;
    switch (action) {
    case 0: player->openHint(); break;
    case 1: player->showMe(); break;
    case 2: player->back(); break;
    case 3: player->restart(); break;
    case 4: player.reset(); pageLessonChanged(); break;
    }
}

// The lesson as the panel shows it; {"open": false} without one.
EMSCRIPTEN_KEEPALIVE const char* qs9WebLessonState()
{
    return handOver(player ? stateJson(*player) : "{\"open\":false}");
}

// {"draft": TEXT} of a recording (length bytes) titled with its name, or
// {"fault": WHY}. The draft replays the recording from program start: the
// page asks it of a firmware instance of its own, never of the one shown.
EMSCRIPTEN_KEEPALIVE const char* qs9WebLessonDraft(const char* recording, uint32_t length, const char* name)
{
    try {
        return handOver("{" + jsonField("draft", jsonText(lessonDraft(std::string_view(recording, length), name))) + "}");
    } catch (const ScriptError& error) {
        return handOver("{" + jsonField("fault", jsonText(lessonFault(error))) + "}");
    }
}

} // extern "C"
