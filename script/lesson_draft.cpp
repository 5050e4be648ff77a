#include "script/lesson_draft.h"

#include <algorithm>
#include <cstring>
#include <optional>
#include <ostream>
#include <sstream>
#include <vector>

#include "script/lesson.h"
#include "script/script_arguments.h"
#include "script/script_session.h"
#include "sim/simulator.h"
#include "sim/user_text.h"

namespace {

// The menu state a step's conditions may name, besides the settings.
constexpr const char* menuState[] = {"menuCursor", "menuEditing", "editStep", "showTotals", "alarmAcked",
                                     "digitEntry[0]", "digitEntry[1]", "digitEntry[2]", "digitEntry[3]"};

using Values = std::vector<std::pair<std::string, std::string>>;

// The screen, the menu state and every setting, by name, as print shows them.
Values stateNow()
{
    Values values{{"currentScreen", formattedValue("currentScreen")}};
    for (const char* name : menuState)
        values.emplace_back(name, formattedValue(name));
    for (int i = 0; i < qs9SettingCount(); ++i)
        values.emplace_back(qs9SettingName(i), formattedValue(qs9SettingName(i)));
    return values;
}

const char* commandName(const ScriptLine& line) { return line.command ? line.command->name : ""; }

bool is(const ScriptLine& line, const char* name) { return std::strcmp(commandName(line), name) == 0; }

std::string lowerFirst(std::string text)
{
    if (!text.empty() && text[0] >= 'A' && text[0] <= 'Z')
        text[0] = char(text[0] - 'A' + 'a');
    return text;
}

// "knob pressed" -> "Press the knob", "knob turned "+"" with caption "+" ->
// "Turn the knob +", "left push button" -> "Press the left push button".
std::string keyWords(const Qs9Key& key)
{
    const std::string help = key.help;
    if (const size_t turned = help.find(" turned"); turned != std::string::npos)
        return "Turn the " + help.substr(0, turned) + " " + (key.caption ? key.caption : "");
    if (help.ends_with(" pressed"))
        return "Press the " + help.substr(0, help.size() - std::strlen(" pressed"));
    return "Press the " + help;
}

const Qs9Key* keyNamed(const std::string& name)
{
    for (int i = 0; i < qs9KeyCount(); ++i)
        if (name == qs9KeyAt(i)->name || name == std::to_string(qs9KeyAt(i)->key))
            return qs9KeyAt(i);
    return nullptr;
}

std::string captionOf(const Qs9Input& input)
{
    std::string caption = input.caption;
    if (caption.ends_with(":"))
        caption.pop_back();
    return caption;
}

// One event of the recording: what the instrument took from its user.
struct Event {
    std::string words;      // "Press the knob"
    std::string highlight;  // "key press"
    std::string condition;  // "input.level1 600" for a slider or box
};

// The event a line makes, judged before it runs, or none: a key the slot
// takes, a slider or box that moves, "on" and "off".
std::optional<Event> eventOf(const ScriptLine& line)
{
    const std::vector<std::string>& words = line.arguments;
    if (is(line, "on") || is(line, "off"))
        return Event{is(line, "on") ? "Press On" : "Press Off", std::string("power ") + commandName(line), ""};
    if (is(line, "key")) {
        const Qs9Key* key = keyNamed(words[0]);
        int64_t pending = 0;
        if (!key || qs9ReadValue("pendingKey", &pending) != QS9_OK || pending != 0)
            return std::nullopt;
        return Event{keyWords(*key), std::string("key ") + key->name, ""};
    }
    const bool slider = is(line, "slider");
    if (!slider && !is(line, "box") && !is(line, "vrax"))
        return std::nullopt;
    const std::string name = is(line, "vrax") ? "vrax" : words[0];
    const Qs9Input* input = qs9FindInput(name.c_str());
    uint32_t now = 0;
    if (!input || qs9InputPosition(name.c_str(), &now) != QS9_OK)
        return std::nullopt;
    uint32_t position = 0;
    try {
        position = slider ? parseNumber(words[1], "slider value") : words.back() == "on" ? 1 : 0;
    } catch (const ScriptError&) {
        return std::nullopt; // the line itself says what is wrong with it when it runs
    }
    if (position == now || position > input->maximum)
        return std::nullopt;
    const std::string kind = input->kind == QS9_INPUT_SLIDER ? "slider " : "box ";
    const std::string instruction = input->kind == QS9_INPUT_SLIDER
                                   ? "Move " + captionOf(*input) + " to " + std::to_string(position)
                                   : (position ? "Tick " : "Clear ") + captionOf(*input);
    return Event{instruction, kind + input->name, std::string("input.") + input->name + " " + std::to_string(position)};
}

// A step being drafted: its events and lines, and the state before them.
struct DraftStep {
    std::vector<Event> events;
    std::vector<std::string> lines;
    Values before;

    bool holdsInput() const
    {
        return std::any_of(events.begin(), events.end(), [](const Event& e) { return !e.condition.empty(); });
    }
};

// A text in the double quotes of a lesson line, its letters as they are.
std::string lessonText(const std::string& text)
{
    std::string word = "\"";
    for (const char c : text)
        word += c == '"' || c == '\\' ? std::string("\\") + c : std::string(1, c);
    return word + "\"";
}

// A name fit for a title and a comment: without control characters.
std::string printable(std::string_view name)
{
    std::string kept;
    for (const char c : name)
        if (static_cast<unsigned char>(c) >= 0x20 && c != 0x7F)
            kept += c;
    return kept.empty() ? "a recording" : kept;
}

class Drafter {
public:
    explicit Drafter(std::string_view name) : name_(name) {}

    void line(unsigned number, const std::string& text);
    std::string finish(unsigned lastLine);

private:
    void run(const ScriptLine& parsed);
    bool close(); // writes the step when it changed something; false: it did not
    void write(const DraftStep& step, const Values& after);

    std::string name_;
    std::ostream ignored_{nullptr};
    ScriptSession session_{ignored_, ignored_, {}};
    bool switchedOn_ = false;
    std::vector<std::string> start_;
    std::optional<DraftStep> step_;
    size_t steps_ = 0;
    std::string draft_;
};

void Drafter::run(const ScriptLine& parsed)
{
    if (parsed.command && parsed.command->isInput())
        parsed.command->run(session_, parsed.arguments);
}

void Drafter::line(unsigned number, const std::string& text)
{
    session_.lineNumber = number;
    const ScriptLine parsed = parseLine(text);
    if (parsed.command && parsed.command->kind == CommandKind::lesson)
        throw ScriptError{"this is a lesson already: a draft is made from a recording"};
    const std::optional<Event> event = switchedOn_ ? eventOf(parsed) : std::nullopt;
    if (event) {
        if (step_ && close())
            step_.reset();
        if (!step_)
            step_ = DraftStep{{}, {}, stateNow()};
        step_->events.push_back(*event);
    }
    if (text.find_first_not_of(" \t") != std::string::npos)
        (step_ ? step_->lines : start_).push_back(text);
    run(parsed);
    switchedOn_ = switchedOn_ || is(parsed, "on");
}

bool Drafter::close()
{
    const Values after = stateNow();
    if (after == step_->before && !step_->holdsInput())
        return false;
    write(*step_, after);
    return true;
}

void Drafter::write(const DraftStep& step, const Values& after)
{
    std::string instruction;
    std::vector<std::string> highlights;
    for (const Event& event : step.events) {
        instruction += instruction.empty() ? event.words : ", then " + lowerFirst(event.words);
        if (std::find(highlights.begin(), highlights.end(), event.highlight) == highlights.end())
            highlights.push_back(event.highlight);
    }
    draft_ += "step " + lessonText(instruction + ".") + "\n";
    for (const std::string& control : highlights)
        draft_ += "highlight " + control + "\n";
    draft_ += "done currentScreen " + after[0].second + "\n";
    for (const Event& event : step.events)
        if (!event.condition.empty())
            draft_ += "done " + event.condition + "\n";
    for (size_t i = 1; i < after.size(); ++i)
        if (after[i] != step.before[i])
            draft_ += "done " + after[i].first + " " + after[i].second + "\n";
    for (const std::string& line : step.lines)
        draft_ += line + "\n";
    ++steps_;
}

std::string Drafter::finish(unsigned lastLine)
{
    if (!switchedOn_)
        throw ScriptError{"the recording never switches the instrument on: a lesson's steps follow its \"on\"",
                          lastLine};
    std::vector<std::string> after;
    if (step_ && !close())
        after = step_->lines;
    if (steps_ == 0)
        throw ScriptError{"the recording has no key the instrument took and no slider or box move after its "
                          "\"on\": nothing to make a step of",
                          lastLine};
    std::string text =
        "# A lesson draft that qs9-script --lesson-draft made from " + name_ +
        ".\n# Put the title, the introduction, each step's instruction (with a hint\n"
        "# where it helps) and the closing text into the pilot's words; the \"done\"\n"
        "# lines say what each step reached. qs9-script --check checks the lesson.\n"
        "lesson " + lessonText(name_) + "\nintroduction \"What this lesson teaches, in a few sentences.\"\nstart\n";
    for (const std::string& line : start_)
        text += line + "\n";
    text += draft_ + "closing \"What the pilot has learnt, in a sentence or two.\"\n";
    if (!after.empty())
        text += "# After its last step the recording went on with lines that changed nothing:\n";
    for (const std::string& line : after)
        text += "# " + line + "\n";
    return text;
}

} // namespace

std::string lessonDraft(std::string_view recording, std::string_view name)
{
    qs9ProgramStart();
    Drafter drafter(printable(name));
    unsigned number = 0;
    for (const std::string& line : scriptLines(recording)) {
        try {
            drafter.line(++number, line);
        } catch (ScriptError& error) {
            error.line = error.line ? error.line : number;
            throw;
        }
    }
    std::string draft = drafter.finish(number == 0 ? 1 : number);
    qs9ProgramStart();
    parseLesson(draft); // a draft is a lesson the checker takes
    return draft;
}
