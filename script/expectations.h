// What "expect" checks, apart from reporting it: a value by name, a text of
// the last pass (with its place, font and colour where given) or a pixel.
// Scripts report a fault and go on; a lesson's step is done when none of its
// conditions has one.
#pragma once
#include <span>
#include <string>
#include <vector>

#include "script/script_commands.h"

// "" when the expectation holds against the firmware now and these texts of
// the last pass; else what differs, as a failed "expect" reports it
// ("fuelConfig = 0, expected 5"). The arguments are those of an "expect"
// line; a bad one (an unknown name, a coordinate off the display, broken
// usage) throws ScriptError.
std::string expectationFault(Arguments arguments, std::span<const DrawnText> texts);

// The texts the last pass drew, as sim/ keeps them for every host.
std::vector<DrawnText> lastPassTexts();
