#include "script/lesson_coverage.h"

#include "sim/simulator.h"

namespace {

std::string listed(const std::vector<std::string>& names)
{
    if (names.empty())
        return "none";
    std::string list;
    for (const std::string& name : names)
        list += (list.empty() ? "" : ", ") + name;
    return list;
}

} // namespace

void LessonCoverage::add(const Lesson& lesson)
{
    ++lessons_;
    for (const LessonStep& step : lesson.steps) {
        screens_.insert(step.screens.begin(), step.screens.end());
        settings_.insert(step.settingsChanged.begin(), step.settingsChanged.end());
    }
}

std::vector<std::string> LessonCoverage::screensNotShown() const
{
    std::vector<std::string> names;
    for (int i = 0; i < qs9ScreenCount(); ++i)
        if (!screens_.contains(qs9ScreenName(i)))
            names.push_back(qs9ScreenName(i));
    return names;
}

std::vector<std::string> LessonCoverage::settingsNotChanged() const
{
    std::vector<std::string> names;
    for (int i = 0; i < qs9SettingCount(); ++i) {
        const std::string field = qs9SettingField(i);
        if (!settings_.contains(field) && (names.empty() || names.back() != field))
            names.push_back(field);
    }
    return names;
}

std::string LessonCoverage::report() const
{
    return "screens no lesson step shows: " + listed(screensNotShown()) +
           "\nsettings no lesson step changes: " + listed(settingsNotChanged()) + "\n";
}
