// qs9-script --check: scripts run as checks, one report for all of them.
#pragma once
#include <iosfwd>
#include <string>
#include <vector>

// Runs every script named, and every *.qs9 under a folder named (in name
// order), each from program start in a fresh state, its files taken from its
// own folder; with `update`, "compare" (re)writes its pictures. `report`
// gets a line per failed script, "PATH: " and what went wrong first, then
// "N passed, M failed". Lessons are checked as lessons: a step must not be
// done before its solution; when any ran, the report ends with the screens
// and settings that no lesson's step reaches (LessonCoverage::report).
// Returns 0 when every script passed, else 1.
int runChecks(const std::vector<std::string>& paths, bool update, std::ostream& report);
