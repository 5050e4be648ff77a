// The instrument's set-up as a script to hand on ("Export Set-up" in the
// window and the page): an instructor prepares an aircraft's set-up once,
// and a student who plays the script, or opens it as a link, has it.
#pragma once
#include <string>
#include <vector>

// The settings that differ from the factory ones as "set NAME VALUE"
// lines, each without its line end; none for the factory settings.
std::vector<std::string> setupLines();

// A script that switches the instrument on and makes those settings:
// a comment, "on", then the lines.
std::string setupScript();
