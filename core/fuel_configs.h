// The fuel-system configurations: the codes deriveFuelConfig gives the flow
// and tank settings, and one row per code that says what the instrument does
// in it. The measurements and the home screen ask the row, so what a code
// means is read and changed in one place.
#pragma once
#include <cstdint>

enum FuelConfigCode : uint8_t {
    configFlow1Tank1 = 0,          // flow 1 with tank 1, tank 2 off
    configFlow2Tank2 = 1,          // flow 2 with tank 2, tank 1 off
    configTank1Sender = 2,         // no flow; tank 1 on its sender, tank 2 off
    configTank2Sender = 3,         // no flow; tank 2 on its sender, tank 1 off
    configTwoTankSenders = 4,      // no flow; both tanks on senders
    configFlow1Only = 5,           // flow 1, no tank
    configFlow2Only = 6,           // flow 2, no tank
    configDualFlows = 7,           // both flows shown apart (DUAL), no tank
    configCombinedFlows = 8,       // both flows as one (DIFF or SUM), no tank
    configInvalid = 9,             // a combination the instrument does not support
    configDualFlowsTwoTanks = 10,  // both flows DUAL, flow 1 to tank 1, flow 2 to tank 2
    configSharedFlowTwoTanks = 11, // both flows as one with both tanks, or one flow with two sender tanks
    configCombinedFlowsTank1 = 12, // both flows as one, tank 1 only
    configCombinedFlowsTank2 = 13, // both flows as one, tank 2 only
    configOneFlowTwoTanks = 14,    // one flow, both tanks, at least one calculated
    lastFuelConfig = configOneFlowTwoTanks,
};

// The home screen's page; screens/ draws it.
enum class HomePageKind : uint8_t {
    singleTank,      // one tank with its flow
    twoTankDualFlow, // two tanks, two flows
    twoTank,         // two tanks, one flow figure
    singleTankLevel, // one tank, no flow
    twoTankLevel,    // two tanks, no flow
    singleFlow,      // one flow, no tank
    dualFlow,        // two flows apart, no tank
    combinedFlow,    // two flows as one, no tank
    invalid,         // the pressure page when only the pressure display is in use, else "SELECT FUEL"
};

// Whether the home screen's push buttons open the cruising-speed entry
// (left) and the calculated tank's fuel-level entry (right).
enum class EntryKeys : uint8_t {
    none,
    always,
    unlessBothSenders, // not while both tanks are on senders
};

// One block of the fuel totals page. "+" opens the page where a block shows.
enum class TotalsBlock : uint8_t {
    none,
    single,            // "TOTAL:", the block's own sender
    singleWhileFlowOn, // the same, while that sender's flow is switched on
    numbered,          // "TOTAL 1:" / "TOTAL 2:", the senders apart
    combined,          // "TOTAL:", supply less return or both together
};

// A flow figure made of the two channels.
enum class FlowUse : uint8_t {
    none,
    flow1,
    flow2,
    sum,               // both channels added, whatever the flow mode
    combined,          // supply less return (DIFF) or both together (SUM)
    enabled,           // the channel switched on, flow 1 first
    combinedOrEnabled, // combined while both flows are on, else the enabled one
};

// The tanks whose usable contents count for range and endurance.
enum class TankUse : uint8_t {
    none,
    tank1,
    tank2,
    both,
    sendersOrUnfed, // both while both are on senders; else tank 1 when tank 2 is calculated, else tank 2
};

// What a calculated tank loses each period, in its own channel's pulses.
enum class TankDraw : uint8_t {
    ownFlow,              // its own channel's pulses
    bothFlows,            // its own less the other (DIFF) or both (DUAL, SUM)
    bothFlowsBesideSender, // while the other tank is on its sender: its own less the other
                          // (DIFF), both (SUM), nothing (DUAL); otherwise its own
};

struct FuelConfigRow {
    HomePageKind page;
    bool statusLine;        // range or speed and endurance on the home screen's top row
    EntryKeys entries;
    TotalsBlock totals[2];  // the block of flow 1 (or of both combined), then that of flow 2
    FlowUse flow;           // the flow range and endurance divide by; the single-tank page shows it
    TankUse tanks;          // the tanks that count for range; the single-tank page shows the one
    // Tank 1, tank 2, when calculated.
    TankDraw tankDraw[2] = {TankDraw::ownFlow, TankDraw::ownFlow};
    // One flow feeds both tanks: the idle channel counts the enabled one's pulses.
    bool oneFlowFeedsBoth = false;
};

// The row of a code; codes beyond the last read as the invalid configuration.
const FuelConfigRow& fuelConfigRow(uint8_t code);
// The row of fuelConfig.
const FuelConfigRow& currentFuelConfig();

// Supply less return (DIFF) or both together (SUM, DUAL), in 32 bits so
// that two full-scale rates neither wrap nor turn negative.
int32_t combinedFlow();
// The figure a FlowUse names, from this pass's flow rates, in tenths per hour.
int32_t flowFigure(FlowUse use);
