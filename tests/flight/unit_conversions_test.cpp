// What a flight simulator's units become in the set-up's units.
#include <gtest/gtest.h>

#include "script/flight/unit_conversions.h"

namespace {

constexpr FlightUnits litresBarKnots{VolumeUnit::litres, PressureUnit::bar, SpeedUnit::knots};
constexpr FlightUnits gallonsPsiMph{VolumeUnit::usGallons, PressureUnit::psi, SpeedUnit::mph};
constexpr FlightUnits litresPsiKmh{VolumeUnit::litres, PressureUnit::psi, SpeedUnit::kmh};

TEST(UnitConversions, TheSetUpsCodesNameTheirUnits)
{
    const SpeedUnit speeds[] = {SpeedUnit::mph, SpeedUnit::mph, SpeedUnit::knots,
                                SpeedUnit::knots, SpeedUnit::kmh, SpeedUnit::kmh};
    for (unsigned units = 0; units < 6; ++units) {
        const std::optional<FlightUnits> found = unitsOfSettings(units, 0);
        ASSERT_TRUE(found) << units;
        EXPECT_EQ(found->volume, units % 2 ? VolumeUnit::usGallons : VolumeUnit::litres) << units;
        EXPECT_EQ(found->speed, speeds[units]) << units;
    }
    EXPECT_EQ(unitsOfSettings(0, 0)->pressure, PressureUnit::bar);
    EXPECT_EQ(unitsOfSettings(0, 1)->pressure, PressureUnit::psi);
    EXPECT_EQ(unitsOfSettings(0, 2)->pressure, PressureUnit::psi); // tenths of a psi are psi still
    EXPECT_FALSE(unitsOfSettings(6, 0));
    EXPECT_FALSE(unitsOfSettings(255, 0));
}

TEST(UnitConversions, FuelByVolumeAndByWeight)
{
    EXPECT_DOUBLE_EQ(convertSent(10, SentUnit::usGallons, litresBarKnots), 37.85411784);
    EXPECT_EQ(convertSent(5.37, SentUnit::usGallons, gallonsPsiMph), 5.37);
    // 6.0 lb a gallon: the standard weight of avgas.
    EXPECT_DOUBLE_EQ(convertSent(60, SentUnit::pounds, gallonsPsiMph), 10);
    EXPECT_DOUBLE_EQ(convertSent(6, SentUnit::pounds, litresBarKnots), 3.785411784);
    EXPECT_NEAR(avgasKilogramsPerLitre, 0.719, 0.0005);
    EXPECT_DOUBLE_EQ(convertSent(0.719, SentUnit::kilograms, litresBarKnots), 0.719 / avgasKilogramsPerLitre);
    EXPECT_DOUBLE_EQ(convertSent(6 * kilogramsPerPound, SentUnit::kilograms, gallonsPsiMph), 1);
}

TEST(UnitConversions, FlowsPerHour)
{
    EXPECT_DOUBLE_EQ(convertSent(6.1, SentUnit::usGallonsPerHour, gallonsPsiMph), 6.1);
    EXPECT_DOUBLE_EQ(convertSent(6.1, SentUnit::usGallonsPerHour, litresBarKnots), 6.1 * 3.785411784);
    EXPECT_DOUBLE_EQ(convertSent(36.6, SentUnit::poundsPerHour, gallonsPsiMph), 6.1);
    // A C172 at cruise burns about 0.0046 kg a second: 6.1 gal an hour.
    const double kilogramsPerSecond = 6.1 * 6 * kilogramsPerPound / 3600;
    EXPECT_DOUBLE_EQ(convertSent(kilogramsPerSecond, SentUnit::kilogramsPerSecond, gallonsPsiMph), 6.1);
    EXPECT_NEAR(convertSent(kilogramsPerSecond, SentUnit::kilogramsPerSecond, litresBarKnots), 23.09, 0.01);
}

TEST(UnitConversions, PressureAndSpeed)
{
    EXPECT_NEAR(convertSent(14.5037738, SentUnit::psi, litresBarKnots), 1.0, 1e-8);
    EXPECT_EQ(convertSent(5.5, SentUnit::psi, gallonsPsiMph), 5.5);
    EXPECT_EQ(convertSent(70, SentUnit::knots, litresBarKnots), 70);
    EXPECT_DOUBLE_EQ(convertSent(100, SentUnit::knots, litresPsiKmh), 185.2);
    EXPECT_NEAR(convertSent(100, SentUnit::knots, gallonsPsiMph), 115.078, 0.001);
    EXPECT_NEAR(convertSent(36, SentUnit::metresPerSecond, litresBarKnots), 69.978, 0.001);
    EXPECT_DOUBLE_EQ(convertSent(36, SentUnit::metresPerSecond, litresPsiKmh), 129.6);
    EXPECT_NEAR(convertSent(44.704, SentUnit::metresPerSecond, gallonsPsiMph), 100, 1e-9);
}

// A packet's values convert each by its own unit; one not sent stays so.
TEST(UnitConversions, WhatIsNotSentStaysNotSent)
{
    const SentQuantities quantities = {{{"flow", SentUnit::usGallonsPerHour},
                                        {"flow2", SentUnit::usGallonsPerHour},
                                        {"left", SentUnit::pounds},
                                        {"right", SentUnit::kilograms},
                                        {"pressure", SentUnit::psi},
                                        {"speed", SentUnit::metresPerSecond}}};
    FlightValues sent;
    sent[FlightInput::flow1] = 10;
    sent[FlightInput::tank1] = 60;
    sent[FlightInput::gpsSpeed] = 10;
    const FlightValues converted = convertSent(sent, quantities, gallonsPsiMph);
    EXPECT_EQ(converted[FlightInput::flow1], 10);
    EXPECT_DOUBLE_EQ(*converted[FlightInput::tank1], 10);
    EXPECT_NEAR(*converted[FlightInput::gpsSpeed], 22.369, 0.001);
    for (FlightInput input : {FlightInput::flow2, FlightInput::tank2, FlightInput::pressure})
        EXPECT_FALSE(converted[input]) << flightInputName(input);
}

} // namespace
