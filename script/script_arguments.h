// Reading a command's arguments, the firmware values they name, and
// pictures of the display.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>

class ScriptSession;

// Decimal digits only; `what` names the number in the error.
uint32_t parseNumber(std::string_view text, const char* what);
// Decimal digits with an optional leading "-".
int64_t parseSignedNumber(std::string_view text, const char* what);
// 0..size-1, for a coordinate on the display.
uint32_t parseCoordinate(std::string_view text, const char* what, int size);
// A pixel of the display after the last pass, from the arguments "X" "Y".
struct DisplayPoint {
    uint32_t x, y;
    uint8_t index; // its palette index
};
DisplayPoint displayPoint(std::string_view x, std::string_view y);
// A named firmware value as "print" shows it.
std::string formattedValue(std::string_view name);
// The display after the last pass into the named file, as "shot" writes it;
// a bad line when it cannot be written.
void writeDisplayPicture(ScriptSession& session, std::string_view name);
