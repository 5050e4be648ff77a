// The flight simulators' packets, made here from their documented formats:
// FlightGear's line of the qs9-fuel protocol, X-Plane's RREF requests and
// replies.
#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <fstream>
#include <limits>
#include <regex>
#include <sstream>

#include "script/flight/flightgear_packets.h"
#include "script/flight/xplane_packets.h"

namespace {

// The protocol file as FlightGear reads it: the chunks' nodes in order.
TEST(FlightGearPackets, TheProtocolFileSendsWhatTheReaderExpects)
{
    std::ifstream file(QS9_FLIGHTGEAR_PROTOCOL);
    ASSERT_TRUE(file) << QS9_FLIGHTGEAR_PROTOCOL;
    std::stringstream text;
    text << file.rdbuf();
    const std::string protocol = text.str();
    EXPECT_NE(protocol.find("<var_separator>,</var_separator>"), std::string::npos);
    EXPECT_NE(protocol.find("<line_separator>newline</line_separator>"), std::string::npos);
    EXPECT_NE(protocol.find("<format>qs9-fuel</format>"), std::string::npos);
    EXPECT_LT(protocol.find("<format>qs9-fuel</format>"), protocol.find("<node>"));

    const std::regex chunk("<chunk>\\s*<name>([a-z0-9_]+)</name>\\s*<type>float</type>\\s*"
                           "<format>%\\.4f</format>\\s*<node>([^<]+)</node>\\s*</chunk>");
    std::vector<std::pair<std::string, std::string>> chunks;
    for (std::sregex_iterator at(protocol.begin(), protocol.end(), chunk), end; at != end; ++at)
        chunks.emplace_back((*at)[1], (*at)[2]);
    ASSERT_EQ(chunks.size(), flightInputCount);
    for (size_t i = 0; i < flightInputCount; ++i) {
        EXPECT_EQ(chunks[i].first, flightInputName(FlightInput(i)));
        EXPECT_EQ(chunks[i].second, flightGearQuantities[i].source);
    }
}

TEST(FlightGearPackets, ALineGivesEachValueInFlightGearsUnits)
{
    // What FlightGear 2020.3 sent with the C172 at 3000 ft.
    const PacketReading reading = readFlightGearPacket("qs9-fuel,6.1146,0.0000,5.3188,5.3188,0.0000,65.7850\n");
    ASSERT_FALSE(reading.refused()) << reading.refusal;
    const double expected[] = {6.1146, 0, 5.3188, 5.3188, 0, 65.785};
    for (size_t i = 0; i < flightInputCount; ++i)
        EXPECT_EQ(reading.values.values[i], expected[i]) << flightInputName(FlightInput(i));
    EXPECT_EQ(flightGearQuantities[size_t(FlightInput::flow1)].unit, SentUnit::usGallonsPerHour);
    EXPECT_EQ(flightGearQuantities[size_t(FlightInput::tank2)].unit, SentUnit::usGallons);
    EXPECT_EQ(flightGearQuantities[size_t(FlightInput::pressure)].unit, SentUnit::psi);
    EXPECT_EQ(flightGearQuantities[size_t(FlightInput::gpsSpeed)].unit, SentUnit::knots);

    EXPECT_FALSE(readFlightGearPacket("qs9-fuel,1,2,3,4,5,6").refused());
    EXPECT_FALSE(readFlightGearPacket("qs9-fuel,1,2,3,4,5,-6\r\n").refused());
}

TEST(FlightGearPackets, WhatIsNotSuchALineIsRefused)
{
    const std::pair<std::string, std::string> cases[] = {
        {"", "not a line of FlightGear's qs9-fuel protocol: \"\""},
        {"1,2,3,4,5,6\n", "not a line of FlightGear's qs9-fuel protocol: \"1,2,3,4,5,6\""},
        {"RREF,\x01", "not a line of FlightGear's qs9-fuel protocol: \"RREF,\\x01\""},
        {"qs9-fuel,1,2,3,4,5\n", "5 values where the qs9-fuel protocol sends 6: \"qs9-fuel,1,2,3,4,5\""},
        {"qs9-fuel,1,2,3,4,5,6,7\n", "7 values where the qs9-fuel protocol sends 6: \"qs9-fuel,1,2,3,4,5,6,7\""},
        {"qs9-fuel\n", "0 values where the qs9-fuel protocol sends 6: \"qs9-fuel\""},
        {"qs9-fuel,1,2,3,4,5,6\nqs9-fuel,1,2,3,4,5,6\n", "a FlightGear packet holds one line; this one holds more"},
        {"qs9-fuel,nan,2,3,4,5,6", "flow1 \"nan\" is not a number"},
        {"qs9-fuel,1,2,3,4,-nan,6", "pressure \"-nan\" is not a number"},
        {"qs9-fuel,1,2,3,,5,6", "tank2 \"\" is not a number"},
        {"qs9-fuel,1,2,3,4,5, 6", "gps_speed \" 6\" is not a number"},
        {"qs9-fuel,6,1000,0,5,37,0,70", "7 values where the qs9-fuel protocol sends 6: \"qs9-fuel,6,1000,0,5,37,0,70\""},
    };
    for (const auto& [bytes, reason] : cases) {
        const PacketReading reading = readFlightGearPacket(bytes);
        EXPECT_EQ(reading.refusal, reason) << bytes;
        EXPECT_EQ(reading.values, FlightValues{}) << bytes;
    }
}

void appendWord(std::string& bytes, uint32_t word)
{
    for (int i = 0; i < 4; ++i)
        bytes += char(word >> (8 * i));
}

// An RREF reply as X-Plane's documentation lays it out.
std::string reply(const std::vector<std::pair<int32_t, float>>& pairs, char fifth = ',')
{
    std::string bytes = std::string("RREF") + fifth;
    for (const auto& [index, value] : pairs) {
        appendWord(bytes, uint32_t(index));
        appendWord(bytes, std::bit_cast<uint32_t>(value));
    }
    return bytes;
}

uint32_t wordAt(const std::string& bytes, size_t at)
{
    uint32_t word = 0;
    for (int i = 3; i >= 0; --i)
        word = word << 8 | uint8_t(bytes[at + i]);
    return word;
}

TEST(XPlanePackets, ASubscriptionAsksForEachDatarefUnderItsInputsIndex)
{
    const std::vector<std::string> requests = xPlaneSubscriptions(5);
    ASSERT_EQ(requests.size(), flightInputCount);
    for (size_t i = 0; i < requests.size(); ++i) {
        const std::string& request = requests[i];
        ASSERT_EQ(request.size(), 413u);
        EXPECT_EQ(request.substr(0, 5), std::string("RREF\0", 5));
        EXPECT_EQ(wordAt(request, 5), 5u);
        EXPECT_EQ(wordAt(request, 9), i);
        const std::string name = xPlaneQuantities[i].source;
        EXPECT_EQ(request.substr(13, name.size()), name);
        EXPECT_EQ(request.find_first_not_of('\0', 13 + name.size()), std::string::npos);
    }
    EXPECT_EQ(wordAt(xPlaneSubscriptions(0)[3], 5), 0u);
    EXPECT_EQ(std::string(xPlaneQuantities[size_t(FlightInput::tank1)].source), "sim/flightmodel/weight/m_fuel[0]");
    EXPECT_EQ(xPlaneQuantities[size_t(FlightInput::flow1)].unit, SentUnit::kilogramsPerSecond);
    EXPECT_EQ(xPlaneQuantities[size_t(FlightInput::tank2)].unit, SentUnit::kilograms);
    EXPECT_EQ(xPlaneQuantities[size_t(FlightInput::gpsSpeed)].unit, SentUnit::metresPerSecond);
}

TEST(XPlanePackets, ARepliesPairsGiveTheValuesItCarries)
{
    const PacketReading reading = readXPlaneReply(reply({{2, 58.5f}, {0, 0.0046f}, {5, 36.0f}}));
    ASSERT_FALSE(reading.refused()) << reading.refusal;
    EXPECT_EQ(reading.values[FlightInput::tank1], 58.5f);
    EXPECT_EQ(reading.values[FlightInput::flow1], 0.0046f);
    EXPECT_EQ(reading.values[FlightInput::gpsSpeed], 36.0f);
    EXPECT_FALSE(reading.values[FlightInput::tank2]);
    EXPECT_FALSE(readXPlaneReply(reply({{4, -0.0f}}, '\0')).refused());
}

TEST(XPlanePackets, WhatIsNotAReplyToTheSubscriptionsIsRefused)
{
    const std::pair<std::string, std::string> cases[] = {
        {"", "not an X-Plane RREF reply: it starts \"\""},
        {"DATA*\x01\x02", "not an X-Plane RREF reply: it starts \"DATA*\""},
        {"qs9-fuel,1,2,3,4,5,6\n", "not an X-Plane RREF reply: it starts \"qs9-f\""},
        {"RREF,", "an RREF reply of 5 bytes: after its 5-byte header it should hold 8-byte pairs of index and value"},
        {reply({{1, 2}}).substr(0, 12),
         "an RREF reply of 12 bytes: after its 5-byte header it should hold 8-byte pairs of index and value"},
        {reply({{6, 1}}), "a value for index 6, which was not subscribed to"},
        {reply({{-1, 1}}), "a value for index -1, which was not subscribed to"},
        {reply({{1, 1}, {1, 2}}), "two values for index 1 (flow2)"},
        {reply({{3, std::nanf("")}}), "the value for index 3 (tank2) is not a number"},
        {reply({{0, 1}, {4, -std::numeric_limits<float>::infinity()}}), "the value for index 4 (pressure) is not a number"},
    };
    for (const auto& [bytes, reason] : cases) {
        const PacketReading reading = readXPlaneReply(bytes);
        EXPECT_EQ(reading.refusal, reason);
        EXPECT_EQ(reading.values, FlightValues{});
    }
}

} // namespace
