// What FlightGear itself sent through the qs9-fuel protocol, captured by
// tools/flightgear/capture-flightgear.sh; the test flight.flightgear runs it
// when FlightGear is installed and names the capture in
// QS9_FLIGHTGEAR_CAPTURE. Without it, skipped.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>

#include "script/flight/flightgear_packets.h"
#include "script/flight/live_feed.h"

namespace {

TEST(FlightGearCapture, EveryLineReadsAndTheC172sSendersAreTaken)
{
    const char* capture = std::getenv("QS9_FLIGHTGEAR_CAPTURE");
    if (!capture)
        GTEST_SKIP() << "no capture of FlightGear (QS9_FLIGHTGEAR_CAPTURE)";
    std::ifstream lines(capture);
    ASSERT_TRUE(lines) << capture;
    LiveFeed feed(FlightSimulator::flightGear, "127.0.0.1 port 5500");
    size_t count = 0;
    for (std::string line; std::getline(lines, line); ++count) {
        const PacketReading reading = readFlightGearPacket(line + "\n");
        ASSERT_FALSE(reading.refused()) << line << ": " << reading.refusal;
        feed.datagram(line + "\n", "127.0.0.1:55089", double(count));
    }
    ASSERT_GT(count, 0u);
    // The C172 has one engine and no fuel pressure sender: 0 all along.
    EXPECT_EQ(feed.sentInputs(), (std::vector{FlightInput::flow1, FlightInput::tank1, FlightInput::tank2,
                                              FlightInput::gpsSpeed}));
    const FlightValues last = feed.values({VolumeUnit::usGallons, PressureUnit::psi, SpeedUnit::knots});
    EXPECT_GT(*last[FlightInput::tank1], 1);
    EXPECT_LT(*last[FlightInput::tank1], 30);
    EXPECT_GT(*last[FlightInput::gpsSpeed], 20);
    EXPECT_LT(*last[FlightInput::gpsSpeed], 200);
}

} // namespace
