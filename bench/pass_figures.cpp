#include "pass_figures.h"

#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <sstream>

namespace {

const char* const labelPrefix = "# label: ";

const FamilyFigure* findFamily(const PassFigures& figures, const std::string& family)
{
    for (const FamilyFigure& f : figures.families)
        if (f.family == family)
            return &f;
    return nullptr;
}

bool parseMicroseconds(const std::string& text, double& value)
{
    const char* end = text.data() + text.size();
    const auto [at, problem] = std::from_chars(text.data(), end, value);
    return problem == std::errc() && at == end && std::isfinite(value) && value > 0;
}

// "name value" with nothing else on the line.
bool parseFigureLine(const std::string& line, FamilyFigure& figure)
{
    std::istringstream words(line);
    std::string value, extra;
    return bool(words >> figure.family >> value) && !(words >> extra) &&
           parseMicroseconds(value, figure.microseconds);
}

std::string formatted(const char* format, const std::string& family, double a, double b = 0, double c = 0)
{
    char line[160];
    std::snprintf(line, sizeof line, format, family.c_str(), a, b, c);
    return line;
}

} // namespace

std::string figuresText(const PassFigures& figures)
{
    std::string text = "# qs9_pass_bench: CPU microseconds per main-loop pass, by screen family\n";
    if (!figures.label.empty())
        text += labelPrefix + figures.label + "\n";
    for (const FamilyFigure& f : figures.families)
        text += formatted("%s %.6g\n", f.family, f.microseconds);
    return text;
}

bool parseFigures(const std::string& text, PassFigures& figures, std::string& error)
{
    figures = {};
    std::istringstream lines(text);
    std::string line;
    for (int number = 1; std::getline(lines, line); ++number) {
        const std::string where = "line " + std::to_string(number) + ": ";
        if (line.rfind(labelPrefix, 0) == 0)
            figures.label = line.substr(std::strlen(labelPrefix));
        if (line.empty() || line[0] == '#')
            continue;
        FamilyFigure figure;
        if (!parseFigureLine(line, figure)) {
            error = where + "not a screen family and its microseconds per pass: \"" + line + "\"";
            return false;
        }
        if (findFamily(figures, figure.family) != nullptr) {
            error = where + figure.family + " is there twice";
            return false;
        }
        figures.families.push_back(figure);
    }
    if (figures.families.empty()) {
        error = "no figures in it";
        return false;
    }
    return true;
}

bool readFigures(const std::string& path, PassFigures& figures, std::string& error)
{
    std::ifstream in(path);
    if (!in) {
        error = path + ": " + std::strerror(errno);
        return false;
    }
    std::ostringstream text;
    text << in.rdbuf();
    if (!parseFigures(text.str(), figures, error)) {
        error = path + ": " + error;
        return false;
    }
    return true;
}

bool writeFigures(const std::string& path, const PassFigures& figures, std::string& error)
{
    // Written beside the file and renamed over it when complete.
    const std::string part = path + ".part";
    std::ofstream out(part);
    if (!out) {
        error = path + ": " + std::strerror(errno);
        return false;
    }
    out << figuresText(figures);
    out.close();
    if (out && std::rename(part.c_str(), path.c_str()) == 0)
        return true;
    error = path + ": " + std::strerror(errno);
    std::remove(part.c_str());
    return false;
}

std::string figuresTable(const PassFigures& now)
{
    std::string table = "CPU time per pass (the median with repetitions):\n";
    for (const FamilyFigure& f : now.families)
        table += formatted("pass/%-28s %8.2f us\n", f.family, f.microseconds);
    return table;
}

std::string comparisonTable(const PassFigures& saved, const PassFigures& now)
{
    std::string table = "CPU time per pass (the median with repetitions), saved";
    if (!saved.label.empty())
        table += " (" + saved.label + ")";
    table += " against now; saved / now above 1 is faster now:\n";
    for (const FamilyFigure& f : now.families) {
        const FamilyFigure* before = findFamily(saved, f.family);
        if (before == nullptr)
            table += formatted("pass/%-28s saved        -  now %8.2f us  not in the saved figures\n", f.family,
                               f.microseconds);
        else
            table += formatted("pass/%-28s saved %8.2f us  now %8.2f us  %5.2f\n", f.family, before->microseconds,
                               f.microseconds, before->microseconds / f.microseconds);
    }
    for (const FamilyFigure& f : saved.families)
        if (findFamily(now, f.family) == nullptr)
            table += formatted("pass/%-28s saved %8.2f us  not measured now\n", f.family, f.microseconds);
    return table;
}
