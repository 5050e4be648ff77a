// What a library of lessons teaches, measured: the instrument's screens that
// no step's solution shows and the settings that no step's solution changes
// (a lesson's start does not count), from sim/'s screen and settings tables.
#pragma once
#include <set>
#include <string>
#include <vector>

#include "script/lesson.h"

class LessonCoverage {
public:
    // A lesson that ran, with its steps' paths.
    void add(const Lesson& lesson);
    size_t lessons() const { return lessons_; }

    // In table order.
    std::vector<std::string> screensNotShown() const;
    std::vector<std::string> settingsNotChanged() const;
    // "screens no lesson step shows: none\nsettings no lesson step changes: ...\n"
    std::string report() const;

private:
    size_t lessons_ = 0;
    std::set<std::string> screens_;
    std::set<std::string> settings_;
};
