// Floats as the runner prints them: the shortest decimal that reads back as
// the same float, in fixed or scientific notation, whichever is shorter
// (fixed on a tie), as std::to_chars writes it.
#pragma once
#include <string>

std::string floatText(float value);

// The same text built from printf's correctly rounded digits, for standard
// libraries without a float std::to_chars (the browser edition's).
std::string floatTextFromDigits(float value);
