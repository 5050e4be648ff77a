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

constexpr FuelConfigRow row(Page page, bool statusLine, Entries entries, Block block1, Block block2, Flow flow,
                            Tanks tanks, Draw draw1 = Draw::ownFlow, Draw draw2 = Draw::ownFlow,
                            bool oneFlowFeedsBoth = false)
{
    return {page, statusLine, entries, {block1, block2}, flow, tanks, {draw1, draw2}, oneFlowFeedsBoth};
}

// Per code: page and status line, push-button entries, the two totals
// blocks, range and endurance, and how calculated tanks draw on the flows.
constexpr FuelConfigRow rows[lastFuelConfig + 1] = {
    // configFlow1Tank1
    row(Page::singleTank, true, Entries::always, Block::single, Block::none, Flow::flow1, Tanks::tank1),
    // configFlow2Tank2
    row(Page::singleTank, true, Entries::always, Block::none, Block::single, Flow::flow2, Tanks::tank2),
    // configTank1Sender
    row(Page::singleTankLevel, false, Entries::none, Block::none, Block::none, Flow::none, Tanks::none),
    // configTank2Sender
    row(Page::singleTankLevel, false, Entries::none, Block::none, Block::none, Flow::none, Tanks::none),
    // configTwoTankSenders
    row(Page::twoTankLevel, false, Entries::none, Block::none, Block::none, Flow::none, Tanks::none),
    // configFlow1Only
    row(Page::singleFlow, false, Entries::none, Block::single, Block::none, Flow::none, Tanks::none),
    // configFlow2Only
    row(Page::singleFlow, false, Entries::none, Block::none, Block::single, Flow::none, Tanks::none),
    // configDualFlows
    row(Page::dualFlow, false, Entries::none, Block::numbered, Block::numbered, Flow::none, Tanks::none),
    // configCombinedFlows
    row(Page::combinedFlow, false, Entries::none, Block::combined, Block::none, Flow::none, Tanks::none),
    // configInvalid, also for every code beyond the last
    row(Page::invalid, false, Entries::none, Block::none, Block::none, Flow::none, Tanks::none),
    // configDualFlowsTwoTanks
    row(Page::twoTankDualFlow, true, Entries::always, Block::numbered, Block::numbered, Flow::sum, Tanks::both),
    // configSharedFlowTwoTanks
    row(Page::twoTank, true, Entries::unlessBothSenders, Block::singleWhileFlowOn, Block::singleWhileFlowOn,
        Flow::combinedOrEnabled, Tanks::sendersOrUnfed, Draw::bothFlowsBesideSender, Draw::bothFlowsBesideSender),
    // configCombinedFlowsTank1
    row(Page::singleTank, true, Entries::always, Block::combined, Block::none, Flow::combined, Tanks::tank1,
        Draw::bothFlows, Draw::ownFlow),
    // configCombinedFlowsTank2
    row(Page::singleTank, true, Entries::always, Block::combined, Block::none, Flow::combined, Tanks::tank2,
        Draw::ownFlow, Draw::bothFlows),
    // configOneFlowTwoTanks
    row(Page::twoTank, true, Entries::always, Block::singleWhileFlowOn, Block::singleWhileFlowOn, Flow::enabled,
        Tanks::both, Draw::ownFlow, Draw::ownFlow, true),
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
