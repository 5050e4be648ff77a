// The inverse of the sender readings: the position of a sender input that
// makes the instrument read a value given in the pilot's units, found by
// searching the firmware's own conversions over the input's positions.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "core/sensor_inputs.h"
#include "sim/host_message.h"
#include "sim/sender_inputs.h"
#include "sim/simulator.h"
#include "sim/user_text.h"

namespace {

// Far beyond any value an input can give, and within 32 bits.
constexpr double furthestTarget = 1e9;

// The positions nearest to the target: the first run of neighbouring
// positions whose values lie nearest to it, and the range of all values.
struct Search {
    uint16_t last = 0; // the highest position searched
    bool found = false;
    int64_t distance = 0;
    uint16_t runStart = 0, runEnd = 0;
    int32_t lowest = 0, highest = 0;
};

// A sender with a FAIL test is never given a position that reads as failed.
uint16_t lastPosition(const SenderInput& input, const SenderUse& use)
{
    const uint16_t maximum = qs9FindInput(input.name)->maximum;
    return use.failTest ? std::min(maximum, senderFailReading) : maximum;
}

// Every position in turn: level calibrations and pressure curves may run
// either way, and out of order.
Search searchPositions(const SenderInput& input, uint16_t last, int64_t target)
{
    Search s;
    s.last = last;
    for (uint32_t p = 0; p <= last; ++p) {
        int32_t value = 0;
        if (!convertedPosition(input, static_cast<uint16_t>(p), value))
            continue;
        const int64_t distance = std::llabs(int64_t{value} - target);
        if (!s.found || distance < s.distance) {
            s.distance = distance;
            s.runStart = s.runEnd = static_cast<uint16_t>(p);
        } else if (distance == s.distance && s.runEnd + 1u == p) {
            s.runEnd = static_cast<uint16_t>(p);
        }
        s.lowest = s.found ? std::min(s.lowest, value) : value;
        s.highest = s.found ? std::max(s.highest, value) : value;
        s.found = true;
    }
    return s;
}

// A flow's rate never falls as the pulses rise, so its positions are
// searched by halves: the first position whose rate reaches `target`.
uint32_t firstReaching(const SenderInput& input, uint16_t last, int64_t target)
{
    uint32_t low = 0, high = uint32_t{last} + 1;
    while (low < high) {
        const uint32_t middle = (low + high) / 2;
        int32_t value = 0;
        convertedPosition(input, static_cast<uint16_t>(middle), value);
        if (value >= target)
            high = middle;
        else
            low = middle + 1;
    }
    return low;
}

int32_t valueAt(const SenderInput& input, uint32_t position)
{
    int32_t value = 0;
    convertedPosition(input, static_cast<uint16_t>(position), value);
    return value;
}

// The fewest pulses that give the rate nearest to the target; of two
// equally near, the lower rate.
Search searchRates(const SenderInput& input, uint16_t last, int64_t target)
{
    Search s;
    s.last = last;
    s.found = true;
    s.lowest = valueAt(input, 0);
    s.highest = valueAt(input, last);
    const uint32_t reaching = firstReaching(input, last, target);
    if (reaching > last || (reaching > 0 && target - valueAt(input, reaching - 1) <=
                                                valueAt(input, reaching) - target))
        s.runStart = static_cast<uint16_t>(firstReaching(input, last, valueAt(input, reaching - 1)));
    else
        s.runStart = static_cast<uint16_t>(reaching);
    s.runEnd = s.runStart;
    return s;
}

// A flow takes the fewest pulses that read it. A level or a pressure takes
// the middle of its run, so that the tank filter's last truncated step still
// reads the value; a run at an end of the scale (an empty or full tank, a
// pressure below the curve) begins where the value does, one position in.
uint16_t chosenPosition(const SenderInput& input, const Search& s)
{
    if (input.kind == SenderKind::flow)
        return s.runStart;
    const bool atStart = s.runStart == 0;
    const bool atEnd = s.runEnd == s.last;
    if (atStart == atEnd)
        return static_cast<uint16_t>(s.runStart + (s.runEnd - s.runStart) / 2);
    if (s.runStart == s.runEnd)
        return s.runStart;
    return static_cast<uint16_t>(atStart ? s.runEnd - 1 : s.runStart + 1);
}

// The value asked for, in the firmware's counts, as the pilot would read it.
std::string askedText(const SenderInput& input, int64_t target)
{
    char number[32];
    if (countsPerUnit(input) == 1)
        std::snprintf(number, sizeof number, "%lld", static_cast<long long>(target));
    else
        std::snprintf(number, sizeof number, "%.1f", static_cast<double>(target) / 10);
    return withUnit(input, number);
}

int clamped(const SenderInput& input, int64_t target, int32_t shown)
{
    const char* side = target > shown ? "more" : "less";
    return leaveMessage(QS9_CLAMPED, std::string(input.name) + ": " + askedText(input, target) + " is " + side +
                                         " than the set-up can show; clamped to " + valueText(input, shown));
}

} // namespace

extern "C" {

int qs9SenderPosition(const char* name, double value, uint16_t* position)
{
    const SenderInput* input = findSenderInput(name);
    if (input == nullptr)
        return unknownSenderInput(name);
    if (!std::isfinite(value))
        return leaveMessage(QS9_ERROR_RANGE, "the value for " + quotedText(name) + " is not a number");
    if (position == nullptr)
        return leaveMessage(QS9_ERROR_NO_ROOM, "no place given for the position of " + quotedText(name));
    const SenderUse use = senderUse(*input);
    if (!use.value)
        return leaveMessage(QS9_ERROR_NOT_READ, quotedText(name) + " is not read: " + use.notReadBecause);

    const double counts = std::clamp(value * countsPerUnit(*input), -furthestTarget, furthestTarget);
    const int64_t target = std::llround(counts);
    const uint16_t last = lastPosition(*input, use);
    const Search s = input->kind == SenderKind::flow ? searchRates(*input, last, target)
                                                      : searchPositions(*input, last, target);
    if (!s.found)
        return leaveMessage(QS9_ERROR_NOT_READ, quotedText(name) + " is not read: its curve gives no pressure");
    *position = chosenPosition(*input, s);
    if (target < s.lowest || target > s.highest)
        return clamped(*input, target, target < s.lowest ? s.lowest : s.highest);
    return QS9_OK;
}

} // extern "C"
