#include "core/fuel_flow.h"

#include <algorithm>
#include <limits>

#include "core/fuel_configs.h"
#include "core/range_endurance.h"
#include "core/sensor_inputs.h"
#include "core/settings.h"
#include "core/tank_fields.h"

uint16_t flow1Sample, flow2Sample;
uint16_t flowRate1, flowRate2;
uint32_t used1Pulses, used2Pulses;
uint32_t fuelUsed1, fuelUsed2;
uint32_t tank1Pulses, tank2Pulses;
uint16_t tank1Level, tank2Level;

namespace {

// A VRAX period (0.1 ms) gives its own rate factor.
constexpr uint32_t vraxTicksPerTenthHour = 360000000;

constexpr int64_t maxTankPulses = std::numeric_limits<int32_t>::max();

// Wide intermediates keep every valid K-factor from wrapping; a figure that
// does not fit its store saturates rather than reading small.
uint16_t saturate16(uint64_t value) { return static_cast<uint16_t>(std::min<uint64_t>(value, 0xFFFF)); }
uint32_t saturate32(uint64_t value) { return static_cast<uint32_t>(std::min<uint64_t>(value, 0xFFFFFFFF)); }

// K-factors are kept at 10 and above; a zero one (no settings yet) reads as no flow.
uint64_t perK(uint64_t value, uint32_t k) { return k == 0 ? 0 : value / k; }

uint16_t polarisedDuty(uint32_t duty)
{
    if (duty > 1000)
        return 0;
    return static_cast<uint16_t>(settings.injectorPolarity == injectorActiveHigh ? 1000 - duty : duty);
}

// Duty of one injector from its decayed on and off counts; no timing data
// gives 0xFFFF, which reads as no flow.
uint16_t injectorDuty(uint32_t onCount, uint32_t offCount)
{
    uint64_t span = uint64_t{onCount} + offCount;
    uint16_t duty = span == 0 ? 0xFFFF : static_cast<uint16_t>(uint64_t{onCount} * 1000 / span);
    return polarisedDuty(duty);
}

void sampleInternal()
{
    flow1Sample = flow1Input;
    flow2Sample = flow2Input;
    if (settings.flowSenderType != flowSenderInjector)
        return;
    for (auto& count : injectorCounts)
        count >>= 3;
    flow1Sample = injectorDuty(injectorCounts[0], injectorCounts[1]);
    flow2Sample = injectorDuty(injectorCounts[2], injectorCounts[3]);
}

void sampleVrax()
{
    if (settings.flowSenderType == flowSenderInjector) {
        flow1Sample = polarisedDuty(vrax.duty1);
        flow2Sample = polarisedDuty(vrax.duty2);
    } else {
        flow1Sample = vrax.flow1;
        flow2Sample = vrax.flow2;
    }
}

// A rate expressed back as pulses of one period in the K-factor k.
uint32_t periodPulses(uint32_t k, uint16_t rate)
{
    return static_cast<uint32_t>(uint64_t{k} * rate / ratePerPeriodPulse);
}

// The pulses of this period drawn from channel 1 (supply) and channel 2
// (return or second engine), both in the K-factor of one tank's channel.
int64_t combinedDraw(int64_t channel1, int64_t channel2, bool dualDrawsNothing)
{
    if (settings.flowMode == flowModeDiff)
        return channel1 - channel2;
    if (settings.flowMode == flowModeDual && dualDrawsNothing)
        return 0;
    return channel1 + channel2;
}

struct Channel {
    uint32_t k;         // K-factor in units
    uint32_t increment; // pulses of this period
};

// What a calculated tank loses this period, in its own channel's pulses.
// With both flows feeding one tank (or a sender tank beside it) the other
// channel's flow is converted into this tank's K-factor.
int64_t tankDraw(int tank, const Channel& own, uint16_t otherRate)
{
    uint8_t otherMode = tank == 1 ? settings.tank2Mode : settings.tank1Mode;
    TankDraw rule = currentFuelConfig().tankDraw[tank - 1];
    bool beside = rule == TankDraw::bothFlowsBesideSender && otherMode == tankModeSender;
    if (!beside && rule != TankDraw::bothFlows)
        return own.increment;
    int64_t other = periodPulses(own.k, otherRate);
    int64_t ownPart = own.increment;
    return tank == 1 ? combinedDraw(ownPart, other, beside) : combinedDraw(other, ownPart, beside);
}

uint16_t levelFromPulses(uint32_t pulses, uint32_t k, int16_t size)
{
    uint64_t tenths = perK(uint64_t{pulses} * (volumeInTenths() ? 100 : 10), k);
    int32_t level = roundDiv10(static_cast<int32_t>(std::min<uint64_t>(tenths, maxTankPulses)));
    return static_cast<uint16_t>(std::min<int32_t>(level, size));
}

// Draws a calculated tank down (or up, when more returns than is drawn);
// it stays between empty and the largest signed count. True when the level moved.
bool drawCalculatedTank(const TankFields& tank, int64_t draw, uint32_t k)
{
    int64_t remaining = static_cast<int64_t>(static_cast<int32_t>(*tank.pulses)) - draw;
    *tank.pulses = static_cast<uint32_t>(std::clamp<int64_t>(remaining, 0, maxTankPulses));
    uint16_t newLevel = levelFromPulses(*tank.pulses, k, settings.*tank.size);
    bool moved = newLevel != *tank.level;
    *tank.level = newLevel;
    return moved;
}

bool updateFuelUsed(uint32_t& fuelUsed, uint32_t usedPulses, uint32_t k)
{
    uint32_t value = static_cast<uint32_t>(perK(usedPulses, k));
    bool moved = value != fuelUsed;
    fuelUsed = value;
    return moved;
}

} // namespace

uint32_t flowPeriodFactor()
{
    if (settings.dataSource != dataSourceVrax)
        return ratePerPeriodPulse;
    if (vraxFlowValid == 0 || vraxFlowPeriod == 0)
        return 0;
    return vraxTicksPerTenthHour / vraxFlowPeriod;
}

uint16_t flowRateFromSample(uint32_t periodFactor, uint16_t sample, uint32_t kInUnits)
{
    return saturate16(perK(uint64_t{periodFactor} * sample, kInUnits));
}

uint32_t kFactorInUnits(uint32_t kFactor)
{
    uint64_t pulses = settings.flowSenderType == flowSenderInjector ? uint64_t{kFactor} * 10 : kFactor;
    if (unitsAreGallons())
        pulses = pulses * 37854 / 10000;
    return saturate32(pulses);
}

int32_t roundDiv10(int32_t value)
{
    float tenth = static_cast<float>(value * 0.1);
    return static_cast<int32_t>(tenth >= 0 ? tenth + 0.5 : tenth - 0.5);
}

void resetFuelUsed()
{
    used1Pulses = used2Pulses = 0;
    fuelUsed1 = fuelUsed2 = 0;
    storeTotals();
}

uint32_t tankPulsesForLevel(uint32_t level, uint16_t kFactor)
{
    uint64_t pulses = uint64_t{kFactorInUnits(kFactor)} * level;
    if (volumeInTenths())
        pulses /= 10;
    return static_cast<uint32_t>(std::min<uint64_t>(pulses, maxTankPulses));
}

void measureFuelFlow()
{
    Channel ch1{kFactorInUnits(settings.kFactor1), 0};
    Channel ch2{kFactorInUnits(settings.kFactor2), 0};
    if (settings.dataSource == dataSourceVrax)
        sampleVrax();
    else
        sampleInternal();
    uint32_t factor = flowPeriodFactor();
    flowRate1 = flowRateFromSample(factor, flow1Sample, ch1.k);
    flowRate2 = flowRateFromSample(factor, flow2Sample, ch2.k);

    ch1.increment = periodPulses(ch1.k, flowRate1);
    ch2.increment = periodPulses(ch2.k, flowRate2);
    if (currentFuelConfig().oneFlowFeedsBoth) {
        // The idle channel counts the enabled one's pulses.
        if (settings.flow1Enabled == 1)
            ch2.increment = ch1.increment;
        else
            ch1.increment = ch2.increment;
    }

    bool changed = false;
    if (settings.tank1Mode == tankModeCalculated)
        changed |= drawCalculatedTank(tank1Fields, tankDraw(1, ch1, flowRate2), ch1.k);

    uint32_t pulseWeight = unitsAreGallons() ? 10 : 1;
    used1Pulses = saturate32(uint64_t{used1Pulses} + uint64_t{ch1.increment} * pulseWeight);
    used2Pulses = saturate32(uint64_t{used2Pulses} + uint64_t{ch2.increment} * pulseWeight);
    changed |= updateFuelUsed(fuelUsed1, used1Pulses, ch1.k);

    if (settings.tank2Mode == tankModeCalculated)
        changed |= drawCalculatedTank(tank2Fields, tankDraw(2, ch2, flowRate1), ch2.k);
    changed |= updateFuelUsed(fuelUsed2, used2Pulses, ch2.k);

    updateRangeAndEndurance();
    if (changed)
        storeTotals();
}
