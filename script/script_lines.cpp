#include "script/script_lines.h"

#include "script/script_session.h"
#include "sim/user_text.h"

namespace {

constexpr std::string_view blanks = " \t\r\f\v";
constexpr std::string_view byteOrderMark = "\xEF\xBB\xBF";

int hexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

// The text of a quoted word starting at line[at] == '"'; at moves past it.
std::string quotedWord(std::string_view line, size_t& at)
{
    std::string word;
    for (size_t i = at + 1; i < line.size(); ++i) {
        const char c = line[i];
        if (c == '"') {
            at = i + 1;
            if (at < line.size() && line[at] != '#' && blanks.find(line[at]) == std::string_view::npos)
                throw ScriptError{"a blank must follow the closing quote of " + quotedText(word)};
            return word;
        }
        if (c != '\\') {
            word += c;
            continue;
        }
        const char escaped = i + 1 < line.size() ? line[i + 1] : '\0';
        if (escaped == '"' || escaped == '\\') {
            word += escaped;
            ++i;
        } else if (escaped == 'x' && i + 3 < line.size() && hexDigit(line[i + 2]) >= 0 &&
                   hexDigit(line[i + 3]) >= 0) {
            word += static_cast<char>(hexDigit(line[i + 2]) * 16 + hexDigit(line[i + 3]));
            i += 3;
        } else {
            throw ScriptError{"bad escape in a quoted text: \\\", \\\\ or \\xNN"};
        }
    }
    throw ScriptError{"missing closing quote in " + quotedText(line.substr(at))};
}

std::vector<std::string> splitWords(std::string_view line, bool quotes)
{
    std::vector<std::string> words;
    for (size_t at = line.find_first_not_of(blanks); at != std::string_view::npos && line[at] != '#';
         at = line.find_first_not_of(blanks, at)) {
        if (quotes && line[at] == '"') {
            words.push_back(quotedWord(line, at));
            continue;
        }
        const size_t end = std::min(line.find_first_of(" \t\r\f\v#", at), line.size());
        words.emplace_back(line.substr(at, end - at));
        at = end;
    }
    return words;
}

} // namespace

ScriptLine parseLine(std::string_view text)
{
    std::vector<std::string> words = splitWords(text, false);
    if (words.empty())
        return {};
    const ScriptCommand* command = findCommand(words[0]);
    if (!command)
        throw ScriptError{"unknown command " + quotedText(words[0])};
    if (command->quotedWords)
        words = splitWords(text, true);
    words.erase(words.begin());
    if (words.size() < command->minArguments)
        throw ScriptError{"missing argument; usage: " + std::string(command->usage)};
    if (words.size() > command->maxArguments)
        throw ScriptError{"too many arguments; usage: " + std::string(command->usage)};
    return {command, std::move(words)};
}

std::vector<std::string> LineSplitter::feed(std::string_view bytes)
{
    std::vector<std::string> lines;
    for (const char c : bytes) {
        const bool lineFeedOfCrLf = afterCarriageReturn_ && c == '\n';
        afterCarriageReturn_ = c == '\r';
        if (lineFeedOfCrLf)
            continue;
        if (c == '\r' || c == '\n') {
            lines.push_back(std::move(line_));
            line_.clear();
            startChecked_ = true;
            continue;
        }
        line_ += c;
        // A byte-order mark can only be the first thing in the script.
        if (!startChecked_ && !byteOrderMark.starts_with(line_))
            startChecked_ = true;
        else if (!startChecked_ && line_ == byteOrderMark) {
            line_.clear();
            startChecked_ = true;
        }
    }
    return lines;
}

std::vector<std::string> scriptLines(std::string_view script)
{
    LineSplitter splitter;
    std::vector<std::string> lines = splitter.feed(script);
    if (auto last = splitter.finish())
        lines.push_back(std::move(*last));
    return lines;
}

std::optional<std::string> LineSplitter::finish()
{
    if (line_.empty())
        return std::nullopt;
    std::string last = std::move(line_);
    line_.clear();
    return last;
}
