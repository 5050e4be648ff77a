// The library of lessons that ships with the simulator (lessons/NAME.qs9),
// compiled into the window: each lesson's name (its file's, without ".qs9")
// and its text as the file holds it.
#pragma once
#include <algorithm>
#include <span>
#include <string_view>

struct ShippedLesson {
    const char* name;
    std::string_view text;
};

// In teaching order: as lessons/README.md lists them.
std::span<const ShippedLesson> shippedLessons();

// The lesson of that name, or nullptr.
inline const ShippedLesson* findShippedLesson(std::string_view name)
{
    const auto lessons = shippedLessons();
    const auto found = std::find_if(lessons.begin(), lessons.end(),
                                    [&](const ShippedLesson& lesson) { return lesson.name == name; });
    return found == lessons.end() ? nullptr : &*found;
}
