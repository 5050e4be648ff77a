// A live flight as the host's socket hands it over: which sender is
// listened to, what the message line says, which senders the flight
// simulator drives; and the runner's own socket on the loopback address.
#include <gtest/gtest.h>

#include <bit>
#include <chrono>
#include <thread>

#include "script/flight/live_feed.h"
#include "script/flight/udp_receiver.h"
#include "script/flight/xplane_packets.h"

namespace {

const std::string flightGear = "127.0.0.1:55089", other = "127.0.0.1:40000";

TEST(LinkWatch, TellsWaitingReceivingAndSilenceApart)
{
    LinkWatch watch("127.0.0.1 port 5500");
    EXPECT_EQ(watch.state(0), LinkWatch::State::waiting);
    EXPECT_EQ(watch.status(100), "listening on 127.0.0.1 port 5500; nothing has arrived");
    EXPECT_TRUE(watch.arrived(flightGear, 10));
    EXPECT_EQ(watch.status(11.9), "receiving from 127.0.0.1:55089");
    EXPECT_EQ(watch.state(12), LinkWatch::State::silent);
    EXPECT_EQ(watch.status(17.5), "nothing from 127.0.0.1:55089 for 7 s");
    EXPECT_TRUE(watch.arrived(flightGear, 18));
    EXPECT_EQ(watch.state(18), LinkWatch::State::receiving);
}

// A second sender is ignored, and said, while the first sends; once the
// first has been silent, the next sender is taken (FlightGear started
// again, from another port).
TEST(LinkWatch, ASecondSenderIsIgnoredWhileTheFirstSends)
{
    LinkWatch watch("127.0.0.1 port 5500");
    EXPECT_TRUE(watch.arrived(flightGear, 0));
    EXPECT_FALSE(watch.arrived(other, 0.5));
    EXPECT_TRUE(watch.arrived(flightGear, 1));
    EXPECT_EQ(watch.status(1.2), "receiving from 127.0.0.1:55089; ignoring 127.0.0.1:40000, a second sender");
    EXPECT_EQ(watch.status(3.2), "nothing from 127.0.0.1:55089 for 2 s");
    EXPECT_EQ(watch.sender(), flightGear);
    EXPECT_TRUE(watch.arrived(other, 3.5));
    EXPECT_EQ(watch.sender(), other);
    EXPECT_FALSE(watch.arrived(flightGear, 3.7));
}

TEST(LinkWatch, ARefusedPacketIsSaidForASilencesLength)
{
    LinkWatch watch("127.0.0.1 port 5500");
    watch.arrived(flightGear, 0);
    watch.refused("flow1 \"nan\" is not a number", 0);
    watch.arrived(flightGear, 1);
    EXPECT_EQ(watch.status(1), "receiving from 127.0.0.1:55089; a packet was refused: flow1 \"nan\" is not a number");
    watch.arrived(flightGear, 2);
    EXPECT_EQ(watch.status(2), "receiving from 127.0.0.1:55089");
}

std::string flightGearLine(double flow, double tank1, double tank2, double pressure, double speed)
{
    return "qs9-fuel," + std::to_string(flow) + ",0.0000," + std::to_string(tank1) + "," + std::to_string(tank2) +
           "," + std::to_string(pressure) + "," + std::to_string(speed) + "\n";
}

constexpr FlightUnits litresBarKnots{VolumeUnit::litres, PressureUnit::bar, SpeedUnit::knots};
constexpr FlightUnits gallonsPsiKnots{VolumeUnit::usGallons, PressureUnit::psi, SpeedUnit::knots};

// FlightGear's C172 sends 0 for a second engine and for the fuel pressure,
// and zeros everywhere until its flight model runs; a value that has only
// ever read 0 is not sent, one that has read more is.
TEST(LiveFeed, ValuesThatOnlyEverReadZeroAreNotSent)
{
    LiveFeed feed(FlightSimulator::flightGear, "127.0.0.1 port 5500");
    EXPECT_EQ(feed.status(0), "FlightGear: listening on 127.0.0.1 port 5500; nothing has arrived");
    feed.datagram(flightGearLine(0, 0, 0, 0, 0), flightGear, 1);
    EXPECT_EQ(feed.values(litresBarKnots), FlightValues{});
    EXPECT_EQ(feed.status(1), "FlightGear: receiving from 127.0.0.1:55089; every value has read 0 so far: the "
                              "sliders stay");
    feed.datagram(flightGearLine(6.1, 5.375, 5.375, 0, 113.86), flightGear, 2);
    FlightValues values = feed.values(gallonsPsiKnots);
    EXPECT_DOUBLE_EQ(*values[FlightInput::flow1], 6.1);
    EXPECT_DOUBLE_EQ(*values[FlightInput::tank2], 5.375);
    EXPECT_DOUBLE_EQ(*values[FlightInput::gpsSpeed], 113.86);
    EXPECT_FALSE(values[FlightInput::flow2]);
    EXPECT_FALSE(values[FlightInput::pressure]);
    EXPECT_EQ(feed.status(2), "FlightGear: receiving from 127.0.0.1:55089; sends flow1, tank1, tank2 and gps_speed");
    // The engine stops: its flow reads 0, and the instrument shows it.
    feed.datagram(flightGearLine(0, 5.3, 5.3, 0, 60), flightGear, 3);
    values = feed.values(litresBarKnots);
    EXPECT_EQ(values[FlightInput::flow1], 0.0);
    EXPECT_DOUBLE_EQ(*values[FlightInput::tank1], 5.3 * litresPerUsGallon);
    // FlightGear started again sends from another port, zeros at first:
    // they are not readings of empty tanks.
    feed.datagram(flightGearLine(0, 0, 0, 0, 0), other, 10);
    EXPECT_EQ(feed.values(litresBarKnots), FlightValues{});
}

TEST(LiveFeed, RefusedPacketsAndSecondSendersChangeNothing)
{
    LiveFeed feed(FlightSimulator::flightGear, "127.0.0.1 port 5500");
    feed.datagram(flightGearLine(6, 5, 5, 0, 70), flightGear, 0);
    const FlightValues before = feed.values(gallonsPsiKnots);
    feed.datagram(flightGearLine(9, 9, 9, 9, 9), other, 0.2);
    feed.datagram("qs9-fuel,9,9,9,9,9\n", flightGear, 0.4);
    EXPECT_EQ(feed.values(gallonsPsiKnots), before);
    EXPECT_EQ(feed.status(0.5), "FlightGear: receiving from 127.0.0.1:55089; ignoring 127.0.0.1:40000, a second "
                                "sender; a packet was refused: 5 values where the qs9-fuel protocol sends 6: "
                                "\"qs9-fuel,9,9,9,9,9\"; sends flow1, tank1, tank2 and gps_speed");
}

std::string xPlaneReply(int32_t index, float value)
{
    std::string bytes = "RREF,";
    for (const uint32_t word : {uint32_t(index), std::bit_cast<uint32_t>(value)})
        for (int i = 0; i < 4; ++i)
            bytes += char(word >> (8 * i));
    return bytes;
}

// X-Plane's replies each carry some of the values; the feed keeps the last
// of each. Subscriptions go out at the start and again after a silence.
TEST(LiveFeed, XPlaneRepliesCarryTheirValuesInKilogramsAndMetresPerSecond)
{
    LiveFeed feed(FlightSimulator::xPlane, "127.0.0.1 port 49001");
    EXPECT_TRUE(feed.subscriptionDue(0));
    EXPECT_FALSE(feed.subscriptionDue(1));
    EXPECT_TRUE(feed.subscriptionDue(2));
    const std::string xPlane = "127.0.0.1:49000";
    feed.datagram(xPlaneReply(2, 36), xPlane, 2.5);
    feed.datagram(xPlaneReply(5, 36), xPlane, 2.6);
    EXPECT_FALSE(feed.subscriptionDue(4));
    const FlightValues values = feed.values(gallonsPsiKnots);
    EXPECT_NEAR(*values[FlightInput::tank1], 13.23, 0.01); // 36 kg of avgas
    EXPECT_NEAR(*values[FlightInput::gpsSpeed], 69.98, 0.01);
    EXPECT_FALSE(values[FlightInput::flow1]);
    EXPECT_EQ(feed.status(3), "X-Plane: receiving from 127.0.0.1:49000; sends tank1 and gps_speed");
    EXPECT_TRUE(feed.subscriptionDue(4.7));
    EXPECT_FALSE(LiveFeed(FlightSimulator::flightGear, "").subscriptionDue(0));
}

TEST(UdpReceiver, ReceivesWithoutWaitingAndNamesEachSender)
{
    UdpReceiver receiver(0);
    EXPECT_NE(receiver.port(), 0);
    EXPECT_EQ(receiver.listening(), "127.0.0.1 port " + std::to_string(receiver.port()));
    EXPECT_TRUE(receiver.receive().empty());

    UdpReceiver first(0), second(0);
    first.send("127.0.0.1", receiver.port(), "qs9-fuel,1,2,3,4,5,6\n");
    second.send("127.0.0.1", receiver.port(), std::string("RREF\0", 5));
    first.send("127.0.0.1", receiver.port(), "");
    std::vector<UdpReceiver::Datagram> got;
    for (int tries = 0; got.size() < 3 && tries < 2000; ++tries) {
        for (UdpReceiver::Datagram& datagram : receiver.receive())
            got.push_back(std::move(datagram));
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    ASSERT_EQ(got.size(), 3u);
    EXPECT_EQ(got[0].bytes, "qs9-fuel,1,2,3,4,5,6\n");
    EXPECT_EQ(got[0].sender, "127.0.0.1:" + std::to_string(first.port()));
    EXPECT_EQ(got[1].bytes, std::string("RREF\0", 5));
    EXPECT_EQ(got[1].sender, "127.0.0.1:" + std::to_string(second.port()));
    EXPECT_EQ(got[2].bytes, "");
    EXPECT_TRUE(receiver.receive().empty());
}

TEST(UdpReceiver, ListeningFailuresAreSaidInWords)
{
    UdpReceiver taken(0);
    const std::string port = std::to_string(taken.port());
    const auto failure = [](auto open) {
        try {
            open();
        } catch (const UdpError& error) {
            return error.message;
        }
        return std::string("opened");
    };
    EXPECT_EQ(failure([&] { UdpReceiver again(taken.port()); }),
              "port " + port + " on 127.0.0.1 is in use by another program");
    EXPECT_EQ(failure([] { UdpReceiver named(0, "localhost"); }),
              "\"localhost\" is not a numeric IP address (such as 127.0.0.1, or 0.0.0.0 for every interface)");
    EXPECT_EQ(failure([] { UdpReceiver foreign(0, "192.0.2.1"); }), "192.0.2.1 is not an address of this machine");
    EXPECT_EQ(failure([&] { taken.send("not an address", 49000, "RREF"); }),
              "\"not an address\" is not a numeric IP address (such as 127.0.0.1, or 0.0.0.0 for every interface)");
}

} // namespace
