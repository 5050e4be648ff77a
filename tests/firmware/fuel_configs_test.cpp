// The configuration table against the settings that give each code: a row
// may only read flows that are on and tanks that are in use, and the pages,
// status line, entries and totals it names must fit them.
#include <gtest/gtest.h>

#include "core/fuel_configs.h"
#include "core/settings.h"
#include "screens/home_screen.h"
#include "tests/support/pilot.h"

namespace {

struct Flows {
    bool one, two;
    bool any() const { return one || two; }
    bool both() const { return one && two; }
};

bool flowUseFits(FlowUse use, Flows on)
{
    switch (use) {
    case FlowUse::flow1: return on.one && !on.two;
    case FlowUse::flow2: return on.two && !on.one;
    case FlowUse::sum:
    case FlowUse::combined: return on.both();
    case FlowUse::enabled: return on.any() && !on.both();
    case FlowUse::combinedOrEnabled: return on.any();
    default: return true;
    }
}

bool tankUseFits(TankUse use, bool tank1, bool tank2)
{
    switch (use) {
    case TankUse::tank1: return tank1 && !tank2;
    case TankUse::tank2: return tank2 && !tank1;
    case TankUse::both:
    case TankUse::sendersOrUnfed: return tank1 && tank2;
    default: return true;
    }
}

} // namespace

TEST(FuelConfigs, EveryDerivedCodesRowFitsTheSettingsThatGiveIt)
{
    powerOn();
    for (uint8_t f = 0; f < 4; ++f)
        for (uint8_t t1 = 0; t1 < 3; ++t1)
            for (uint8_t t2 = 0; t2 < 3; ++t2)
                for (uint8_t mode = 0; mode < 3; ++mode) {
                    useFuelSystem({static_cast<uint8_t>(f & 1), static_cast<uint8_t>(f >> 1), t1, t2, mode});
                    const Flows on{settings.flow1Enabled == 1, settings.flow2Enabled == 1};
                    const bool tank1 = tankInUse(t1), tank2 = tankInUse(t2);
                    const FuelConfigRow& row = currentFuelConfig();
                    SCOPED_TRACE(testing::Message() << "fuelConfig " << int(fuelConfig) << ", flows " << int(f)
                                                    << ", tanks " << int(t1) << int(t2) << ", mode " << int(mode));
                    if (row.page == HomePageKind::invalid) {
                        EXPECT_EQ(fuelConfig, configInvalid);
                        continue;
                    }
                    const bool flowAndTank = on.any() && (tank1 || tank2);
                    EXPECT_TRUE(flowUseFits(row.flow, on));
                    EXPECT_TRUE(tankUseFits(row.tanks, tank1, tank2));
                    EXPECT_EQ(row.flow != FlowUse::none, flowAndTank);
                    EXPECT_EQ(row.tanks != TankUse::none, flowAndTank);
                    EXPECT_EQ(row.statusLine, flowAndTank);
                    EXPECT_EQ(row.entries != EntryKeys::none, flowAndTank);
                    EXPECT_EQ(fuelTotalsToShow(), on.any()) << "\"+\" opens the totals page with a flow on";
                    const bool calculated[] = {t1 == tankModeCalculated, t2 == tankModeCalculated};
                    for (int tank = 0; tank < 2; ++tank)
                        EXPECT_TRUE(!calculated[tank] || row.tankDraw[tank] == TankDraw::ownFlow || on.both())
                            << "a calculated tank takes the other flow only when both are on";
                    EXPECT_EQ(row.oneFlowFeedsBoth,
                              on.any() && !on.both() && tank1 && tank2 && (calculated[0] || calculated[1]));
                }
}
