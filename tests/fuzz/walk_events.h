// The fuzzer's seed walks: runner scripts of inputs (tests/fuzz/walks/*.qs9)
// that every host runs, made into the events of firmware_events.h for the
// fuzzer and the replay tests. Committed as scripts, a walk means the same
// whatever rows the input table gains.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// The walk's lines as events. A walk opens with "on" (the event run starts
// with the instrument on) and holds only inputs: on, off, pass, tick, key,
// slider, vrax, box, and set of an input that "set" reaches. Output lines
// and comments are left out. A line the events cannot say throws
// std::invalid_argument naming it.
std::vector<uint8_t> walkEvents(std::string_view walk);

struct SeedWalk {
    std::string name; // "screenName--what"
    std::vector<uint8_t> events;
};

// Every walk (*.qs9) in the directory, in name order, as events.
std::vector<SeedWalk> readSeedWalks(const char* directory);
