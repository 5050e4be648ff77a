// The inputs that stand in for the flow, level and pressure senders, and
// what the instrument makes of each under the current settings: whether it
// reads the input, its conversion from a position and the value the
// display shows. The sender readings and their inverse both work from here.
#pragma once
#include <cstdint>
#include <string>

enum class SenderKind : uint8_t { flow, level, pressure };

// Which of the firmware's inputs a control writes.
enum class SenderSource : uint8_t {
    both,     // a flow slider: the instrument's own input and the VRAX copy
    internal, // the instrument's own input
    vrax,     // the remote unit's
    loop,     // the 4-20 mA current loop
};

struct SenderInput {
    const char* name; // the input's name, as qs9SetInput takes it
    SenderKind kind;
    uint8_t number;   // the flow channel or tank, 1 or 2; 0 for the pressure
    SenderSource source;
};

// What the current set-up does with an input.
struct SenderUse {
    bool value;                 // its position gives the value shown
    bool failTest;              // above 3900 the display shows FAIL
    const char* notReadBecause; // when it gives no value: why, in the instrument's terms
};

// The sender input of that name, or null.
const SenderInput* findSenderInput(const char* name);
SenderUse senderUse(const SenderInput& input);
// QS9_ERROR_UNKNOWN, with its message, for a name that is no sender input.
int unknownSenderInput(const char* name);

// Whether the last pass found the input's sender failed.
bool senderFailedLastPass(const SenderInput& input);
// The value the display shows for the input's quantity, in the firmware's
// counts (tenths per hour, volume units, pressure units).
int32_t shownValue(const SenderInput& input);
// The value the firmware's conversion gives for a position; false where it
// gives none (a pressure curve without a line there).
bool convertedPosition(const SenderInput& input, uint16_t position, int32_t& value);
// The counts of one unit as the pilot reads it: 10 for quantities shown
// with one decimal, 1 for whole ones.
int32_t countsPerUnit(const SenderInput& input);
// A value in the firmware's counts as the display writes it, with its unit
// word: "900.0 L/hr", "13 L", "2.0 psi". Pressures are within 0..999.
std::string valueText(const SenderInput& input, int32_t value);
// A number followed by the unit word of the input's quantity, if it has one.
std::string withUnit(const SenderInput& input, std::string number);
