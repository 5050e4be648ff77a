#include "script/flight/xplane_packets.h"

#include <cmath>
#include <cstring>

#include "sim/user_text.h"

const SentQuantities xPlaneQuantities = {{
    {"sim/cockpit2/engine/indicators/fuel_flow_kg_sec[0]", SentUnit::kilogramsPerSecond},
    {"sim/cockpit2/engine/indicators/fuel_flow_kg_sec[1]", SentUnit::kilogramsPerSecond},
    {"sim/flightmodel/weight/m_fuel[0]", SentUnit::kilograms},
    {"sim/flightmodel/weight/m_fuel[1]", SentUnit::kilograms},
    {"sim/cockpit2/engine/indicators/fuel_pressure_psi[0]", SentUnit::psi},
    {"sim/flightmodel/position/groundspeed", SentUnit::metresPerSecond},
}};

namespace {

constexpr std::string_view header = "RREF";
constexpr size_t headerSize = 5; // "RREF" and one byte
constexpr size_t pairSize = 8;
constexpr size_t datarefSize = 400;

void appendLittleEndian(std::string& bytes, uint32_t word)
{
    for (int shift = 0; shift < 32; shift += 8)
        bytes += char((word >> shift) & 0xff);
}

uint32_t littleEndianAt(std::string_view bytes, size_t at)
{
    uint32_t word = 0;
    for (int i = 3; i >= 0; --i)
        word = word << 8 | uint8_t(bytes[at + i]);
    return word;
}

std::string subscription(int32_t perSecond, int32_t index, const char* dataref)
{
    std::string request(header);
    request += '\0';
    appendLittleEndian(request, uint32_t(perSecond));
    appendLittleEndian(request, uint32_t(index));
    std::string name(dataref);
    name.resize(datarefSize, '\0');
    return request + name;
}

} // namespace

std::vector<std::string> xPlaneSubscriptions(int32_t perSecond)
{
    std::vector<std::string> requests;
    for (size_t i = 0; i < flightInputCount; ++i)
        requests.push_back(subscription(perSecond, int32_t(i), xPlaneQuantities[i].source));
    return requests;
}

PacketReading readXPlaneReply(std::string_view bytes)
{
    if (bytes.size() < headerSize || !bytes.starts_with(header))
        return refusedPacket("not an X-Plane RREF reply: it starts " + quotedText(bytes.substr(0, headerSize)));
    const size_t pairBytes = bytes.size() - headerSize;
    if (pairBytes == 0 || pairBytes % pairSize != 0)
        return refusedPacket("an RREF reply of " + std::to_string(bytes.size()) +
                             " bytes: after its 5-byte header it should hold 8-byte pairs of index and value");
    PacketReading reading;
    for (size_t at = headerSize; at < bytes.size(); at += pairSize) {
        const int32_t index = int32_t(littleEndianAt(bytes, at));
        if (index < 0 || size_t(index) >= flightInputCount)
            return refusedPacket("a value for index " + std::to_string(index) + ", which was not subscribed to");
        const char* name = flightInputName(FlightInput(index));
        std::optional<double>& value = reading.values.values[size_t(index)];
        if (value)
            return refusedPacket(std::string("two values for index ") + std::to_string(index) + " (" + name + ")");
        // The float's bits as they came (memcpy: the browser's library has
        // no std::bit_cast).
        const uint32_t bits = littleEndianAt(bytes, at + 4);
        float sent = 0;
        std::memcpy(&sent, &bits, sizeof sent);
        if (!std::isfinite(sent))
            return refusedPacket(std::string("the value for index ") + std::to_string(index) + " (" + name +
                                 ") is not a number");
        value = sent;
    }
    return reading;
}
