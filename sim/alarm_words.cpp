#include "sim/alarm_words.h"

#include <cctype>
#include <string>

#include "core/alarms.h"
#include "sim/last_pass.h"
#include "sim/simulator.h"

namespace {

struct AlarmName {
    uint32_t bit;
    const char* name;
};

// In the order the home screen acknowledges them.
constexpr AlarmName alarmNames[] = {
    {alarmTank1Low, "Low fuel, tank 1"},
    {alarmTank2Low, "Low fuel, tank 2"},
    {alarmPressure, "Fuel pressure"},
};

// "Low fuel, tank 1; Fuel pressure": the names of the bits, joined by "; ",
// with the first letter of each small in a sentence that runs on.
std::string namesOf(uint32_t bits, bool small)
{
    std::string names;
    for (const AlarmName& alarm : alarmNames) {
        if ((bits & alarm.bit) == 0)
            continue;
        std::string name = alarm.name;
        if (small)
            name[0] = static_cast<char>(std::tolower(static_cast<unsigned char>(name[0])));
        names += (names.empty() ? "" : "; ") + name;
    }
    return names;
}

// "Alarm acknowledged: fuel pressure"; "" without bits.
std::string sentence(const char* one, const char* several, uint32_t bits, bool small)
{
    const std::string names = namesOf(bits, small);
    if (names.empty())
        return "";
    const bool single = (bits & (bits - 1)) == 0;
    return std::string(single ? one : several) + ": " + names;
}

std::string acknowledgedText;
std::string startedText;
char activeText[160];

} // namespace

void addActiveAlarmLines(TextOut& out)
{
    for (const AlarmName& alarm : alarmNames)
        if ((alarmFlags & alarm.bit) != 0)
            out << "Alarm: " << alarm.name << ((alarmAcked & alarm.bit) != 0 ? ", acknowledged\n" : ", not acknowledged\n");
}

extern "C" {

const char* qs9AlarmText(void)
{
    TextOut text(activeText);
    addActiveAlarmLines(text);
    text.cut(text.size() > 0 ? text.size() - 1 : 0);
    return activeText;
}

const char* qs9AlarmsAcknowledgedText(void)
{
    // Only the home screen's acknowledge step sets bits of alarmAcked.
    const uint32_t bits = lastPass.ackedAfter & ~lastPass.ackedBefore & lastPass.alarmsAfter;
    acknowledgedText = sentence("Alarm acknowledged", "Alarms acknowledged", bits, true);
    return acknowledgedText.c_str();
}

const char* qs9AlarmsStartedText(void)
{
    const uint32_t bits = lastPass.alarmsAfter & ~lastPass.alarmsBefore;
    startedText = sentence("Alarm", "Alarms", bits, false);
    return startedText.c_str();
}

} // extern "C"
