#include "sim/sender_inputs.h"

#include <cstring>

#include "core/fuel_flow.h"
#include "core/fuel_pressure.h"
#include "core/settings.h"
#include "core/tank_fields.h"
#include "display/bar_graphs.h"
#include "screens/page_texts.h"
#include "screens/tank_display.h"
#include "sim/host_message.h"
#include "sim/simulator.h"
#include "sim/user_text.h"

namespace {

const SenderInput senderInputs[] = {
    {"flow1", SenderKind::flow, 1, SenderSource::both},
    {"flow2", SenderKind::flow, 2, SenderSource::both},
    {"level1", SenderKind::level, 1, SenderSource::internal},
    {"level2", SenderKind::level, 2, SenderSource::internal},
    {"vraxlevel1", SenderKind::level, 1, SenderSource::vrax},
    {"vraxlevel2", SenderKind::level, 2, SenderSource::vrax},
    {"pressure", SenderKind::pressure, 0, SenderSource::internal},
    {"vraxpressure", SenderKind::pressure, 0, SenderSource::vrax},
    {"loop", SenderKind::pressure, 0, SenderSource::loop},
};

constexpr SenderUse readValue{true, false, nullptr};
constexpr SenderUse readWithFailTest{true, true, nullptr};

SenderUse notRead(const char* because) { return {false, false, because}; }

// Why an input is not read when it belongs to the data source not in use;
// null when it belongs to the one in use.
const char* otherSourceInUse(SenderSource source)
{
    const bool vrax = settings.dataSource == dataSourceVrax;
    if (source == SenderSource::vrax && !vrax)
        return "the data source is INTERNAL";
    if (source != SenderSource::vrax && vrax)
        return "the data source is VRAX";
    return nullptr;
}

// The flow sliders feed both sources; the VRAX unit's flows count only
// with its counting period.
SenderUse flowUse()
{
    if (settings.flowSenderType == flowSenderInjector)
        return notRead("the flow senders are INJECTOR");
    if (flowPeriodFactor() == 0)
        return notRead("the VRAX unit gives no flow counting period");
    return readValue;
}

SenderUse levelUse(const SenderInput& input)
{
    if (const char* other = otherSourceInUse(input.source))
        return notRead(other);
    const uint8_t mode = settings.*tankFields(input.number).mode;
    if (mode == tankModeSender)
        return readWithFailTest;
    if (mode == tankModeCalculated)
        return notRead(input.number == 1 ? "tank 1 is CALCULATED" : "tank 2 is CALCULATED");
    return notRead(input.number == 1 ? "tank 1 is OFF" : "tank 2 is OFF");
}

// A 4-20 mA transducer on the instrument's own inputs is read from the
// loop; the pressure sender's input then serves only the FAIL test.
SenderUse pressureUse(const SenderInput& input)
{
    const bool fromLoop = pressureFromLoop();
    if (input.source == SenderSource::loop)
        return fromLoop ? readValue
                        : notRead("the pressure sender is not a 4-20 mA transducer on the instrument's inputs");
    if (const char* other = otherSourceInUse(input.source))
        return notRead(other);
    if (fromLoop)
        return {false, true, "the pressure comes from the 4-20 mA loop"};
    return readWithFailTest;
}

} // namespace

const SenderInput* findSenderInput(const char* name)
{
    for (const SenderInput& input : senderInputs)
        if (name != nullptr && std::strcmp(input.name, name) == 0)
            return &input;
    return nullptr;
}

int unknownSenderInput(const char* name)
{
    return leaveMessage(QS9_ERROR_UNKNOWN, "no sender reading for " + quotedText(name ? name : ""));
}

SenderUse senderUse(const SenderInput& input)
{
    switch (input.kind) {
    case SenderKind::flow: return flowUse();
    case SenderKind::level: return levelUse(input);
    default: return pressureUse(input);
    }
}

bool senderFailedLastPass(const SenderInput& input)
{
    switch (input.kind) {
    case SenderKind::flow: return false;
    case SenderKind::level: return *tankFields(input.number).fail == 1;
    default: return pressureFail == 1;
    }
}

int32_t shownValue(const SenderInput& input)
{
    switch (input.kind) {
    case SenderKind::flow: return input.number == 1 ? flowRate1 : flowRate2;
    case SenderKind::level: return *tankFields(input.number).level;
    default: return pressureValue;
    }
}

bool convertedPosition(const SenderInput& input, uint16_t position, int32_t& value)
{
    if (input.kind == SenderKind::flow) {
        const uint16_t kFactor = input.number == 1 ? settings.kFactor1 : settings.kFactor2;
        value = flowRateFromSample(flowPeriodFactor(), position, kFactorInUnits(kFactor));
        return true;
    }
    if (input.kind == SenderKind::level) {
        const TankFields& tank = tankFields(input.number);
        value = contentsFromCalibration(settings.*tank.calibration, settings.*tank.size, position);
        return true;
    }
    return pressureAtReading(position, value);
}

int32_t countsPerUnit(const SenderInput& input)
{
    switch (input.kind) {
    case SenderKind::flow: return 10;
    case SenderKind::level: return volumeInTenths() ? 10 : 1;
    default: return settings.pressure.unit == pressureUnitPsi ? 1 : 10;
    }
}

namespace {

const char* unitWord(const SenderInput& input)
{
    const char* word = nullptr;
    switch (input.kind) {
    case SenderKind::flow: word = flowUnitWord(); break;
    case SenderKind::level: word = unitText("L", "G"); break;
    default: word = pressureUnitWord(); break;
    }
    return word != nullptr ? word : "";
}

} // namespace

std::string withUnit(const SenderInput& input, std::string number)
{
    const char* unit = unitWord(input);
    return *unit == '\0' ? number : number + " " + unit;
}

std::string valueText(const SenderInput& input, int32_t value)
{
    char number[tenthsTextSize] = "";
    if (input.kind == SenderKind::flow)
        formatTenths(number, value);
    else if (input.kind == SenderKind::level)
        formatFuelQuantity(number, value);
    else
        formatPressure(number, static_cast<int16_t>(value));
    return withUnit(input, number);
}
