#include "core/fuel_configs.h"

#include "core/fuel_flow.h"
#include "core/settings.h"

namespace {

using Page = HomePageKind;
using Entries = EntryKeys;
using Block = TotalsBlock;
using Flow = FlowUse;
using Tanks = TankUse;
using Draw = TankDraw;

// Per code: page and status line, push-button entries, the two totals
// blocks, the flow and tanks of range and endurance, and how calculated
// tanks draw on the flows where they do not take their own channel's pulses.
constexpr FuelConfigRow rows[lastFuelConfig + 1] = {
    // configFlow1Tank1
    {Page::singleTank, true, Entries::always, {Block::single, Block::none}, Flow::flow1, Tanks::tank1},
    // configFlow2Tank2
    {Page::singleTank, true, Entries::always, {Block::none, Block::single}, Flow::flow2, Tanks::tank2},
    // configTank1Sender
    {Page::singleTankLevel, false, Entries::none, {Block::none, Block::none}, Flow::none, Tanks::none},
    // configTank2Sender
    {Page::singleTankLevel, false, Entries::none, {Block::none, Block::none}, Flow::none, Tanks::none},
    // configTwoTankSenders
    {Page::twoTankLevel, false, Entries::none, {Block::none, Block::none}, Flow::none, Tanks::none},
    // configFlow1Only
    {Page::singleFlow, false, Entries::none, {Block::single, Block::none}, Flow::none, Tanks::none},
    // configFlow2Only
    {Page::singleFlow, false, Entries::none, {Block::none, Block::single}, Flow::none, Tanks::none},
    // configDualFlows
    {Page::dualFlow, false, Entries::none, {Block::numbered, Block::numbered}, Flow::none, Tanks::none},
    // configCombinedFlows
    {Page::combinedFlow, false, Entries::none, {Block::combined, Block::none}, Flow::none, Tanks::none},
    // configInvalid, also for every code beyond the last
    {Page::invalid, false, Entries::none, {Block::none, Block::none}, Flow::none, Tanks::none},
    // configDualFlowsTwoTanks
    {Page::twoTankDualFlow, true, Entries::always, {Block::numbered, Block::numbered}, Flow::sum, Tanks::both},
    // configSharedFlowTwoTanks
    {Page::twoTank, true, Entries::unlessBothSenders, {Block::singleWhileFlowOn, Block::singleWhileFlowOn},
     Flow::combinedOrEnabled, Tanks::sendersOrUnfed, {Draw::bothFlowsBesideSender, Draw::bothFlowsBesideSender}},
    // configCombinedFlowsTank1
    {Page::singleTank, true, Entries::always, {Block::combined, Block::none}, Flow::combined, Tanks::tank1,
     {Draw::bothFlows, Draw::ownFlow}},
    // configCombinedFlowsTank2
    {Page::singleTank, true, Entries::always, {Block::combined, Block::none}, Flow::combined, Tanks::tank2,
     {Draw::ownFlow, Draw::bothFlows}},
    // configOneFlowTwoTanks
    {Page::twoTank, true, Entries::always, {Block::singleWhileFlowOn, Block::singleWhileFlowOn}, Flow::enabled,
     Tanks::both, {Draw::ownFlow, Draw::ownFlow}, true},
};

int32_t enabledFlow() { return settings.flow1Enabled == 1 ? flowRate1 : flowRate2; }

bool bothFlowsOn() { return settings.flow1Enabled == 1 && settings.flow2Enabled == 1; }

} // namespace

const FuelConfigRow& fuelConfigRow(uint8_t code)
{
    return code <= lastFuelConfig ? rows[code] : rows[configInvalid];
}

const FuelConfigRow& currentFuelConfig() { return fuelConfigRow(fuelConfig); }

int32_t combinedFlow()
{
    if (settings.flowMode == flowModeDiff)
        return int32_t{flowRate1} - flowRate2;
    return int32_t{flowRate1} + flowRate2;
}

int32_t flowFigure(FlowUse use)
{
    switch (use) {
    case FlowUse::flow1: return flowRate1;
    case FlowUse::flow2: return flowRate2;
    case FlowUse::sum: return int32_t{flowRate1} + flowRate2;
    case FlowUse::combined: return combinedFlow();
    case FlowUse::enabled: return enabledFlow();
    case FlowUse::combinedOrEnabled: return bothFlowsOn() ? combinedFlow() : enabledFlow();
    default: return 0;
    }
}
