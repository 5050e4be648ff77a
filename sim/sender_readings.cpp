// What the instrument makes of each sender input, as text beside its
// slider and as the named values "reading.flow1", ... that the runner prints.
#include <string>

#include "sim/named_values.h"
#include "sim/sender_inputs.h"
#include "sim/simulator.h"

namespace {

std::string readingText(const SenderInput& input)
{
    const SenderUse use = senderUse(input);
    if (use.failTest && senderFailedLastPass(input))
        return "FAIL";
    if (!use.value)
        return "not read";
    return valueText(input, shownValue(input));
}

std::string readingOf(const void* input) { return readingText(*static_cast<const SenderInput*>(input)); }

NamedValue reading(const char* name, const char* input)
{
    return namedText(name, findSenderInput(input), readingOf);
}

} // namespace

std::span<const NamedValue> readingNames()
{
    static const NamedValue names[] = {
        reading("reading.flow1", "flow1"),
        reading("reading.flow2", "flow2"),
        reading("reading.level1", "level1"),
        reading("reading.level2", "level2"),
        reading("reading.vraxlevel1", "vraxlevel1"),
        reading("reading.vraxlevel2", "vraxlevel2"),
        reading("reading.pressure", "pressure"),
        reading("reading.vraxpressure", "vraxpressure"),
        reading("reading.loop", "loop"),
    };
    return names;
}

extern "C" {

int qs9SenderReading(const char* name, char* text, uint32_t capacity)
{
    const SenderInput* input = findSenderInput(name);
    if (input == nullptr)
        return unknownSenderInput(name);
    return qs9FormatValue(("reading." + std::string(name)).c_str(), text, capacity);
}

} // extern "C"
