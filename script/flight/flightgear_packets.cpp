#include "script/flight/flightgear_packets.h"

#include <string>

#include "script/flight/text_fields.h"
#include "sim/user_text.h"

const SentQuantities flightGearQuantities = {{
    {"/engines/engine[0]/fuel-flow-gph", SentUnit::usGallonsPerHour},
    {"/engines/engine[1]/fuel-flow-gph", SentUnit::usGallonsPerHour},
    {"/consumables/fuel/tank[0]/level-gal_us", SentUnit::usGallons},
    {"/consumables/fuel/tank[1]/level-gal_us", SentUnit::usGallons},
    {"/engines/engine[0]/fuel-px-psi", SentUnit::psi},
    {"/velocities/groundspeed-kt", SentUnit::knots},
}};

namespace {

// The line without its line end (LF, or CR LF).
std::string_view lineOf(std::string_view bytes)
{
    if (bytes.ends_with('\n'))
        bytes.remove_suffix(1);
    if (bytes.ends_with('\r'))
        bytes.remove_suffix(1);
    return bytes;
}

} // namespace

PacketReading readFlightGearPacket(std::string_view bytes)
{
    const std::string_view line = lineOf(bytes);
    if (line.find_first_of("\r\n") != std::string_view::npos)
        return refusedPacket("a FlightGear packet holds one line; this one holds more");
    const std::vector<std::string_view> fields = commaFields(line);
    if (fields[0] != flightGearLineTag)
        return refusedPacket("not a line of FlightGear's qs9-fuel protocol: " + quotedText(line));
    if (fields.size() != flightInputCount + 1)
        return refusedPacket(std::to_string(fields.size() - 1) + " values where the qs9-fuel protocol sends " +
                             std::to_string(flightInputCount) + ": " + quotedText(line));
    PacketReading reading;
    for (size_t i = 0; i < flightInputCount; ++i) {
        reading.values.values[i] = decimalNumber(fields[i + 1]);
        if (!reading.values.values[i])
            return refusedPacket(std::string(flightInputName(FlightInput(i))) + " " + quotedText(fields[i + 1]) +
                                 " is not a number");
    }
    return reading;
}
