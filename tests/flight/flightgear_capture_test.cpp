// What FlightGear itself sent through the qs9-fuel protocol, captured by
// tools/flightgear/capture-flightgear.sh: the test flight.flightgear runs the
// capture, then this program with the capture's file.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>

#include "script/flight/flightgear_packets.h"
#include "script/flight/live_feed.h"

namespace {

const char* capture = nullptr;

TEST(FlightGearCapture, EveryLineReadsAndTheC172sSendersAreTaken)
{
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

int main(int argc, char** argv)
{
    testing::InitGoogleTest(&argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s CAPTURE\n", argv[0]);
        return 2;
    }
    capture = argv[1];
    return RUN_ALL_TESTS();
}
