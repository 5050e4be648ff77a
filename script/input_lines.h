// The runner lines of the inputs a host makes, in the one form the runner
// reads them back: what the window's "Record Script..." writes.
#pragma once
#include <cstdint>
#include <string>

std::string powerLine(bool on);             // "on", "off"
std::string passLine(uint32_t passes);      // "pass 3"
std::string frameLine(uint32_t frames);     // "frame 14": passes without the flow step
std::string tickLine(uint32_t ticks);       // "tick 20"
std::string keyLine(uint8_t key);           // "key press" for QS9_KEY_PRESS
// A control of the input table at its new position: "slider flow1 300",
// "vrax off", "box gpsvalid on".
std::string inputLine(const char* input, uint32_t position);
std::string setLine(const char* name, int64_t value); // "set gpsSpeed 120"
