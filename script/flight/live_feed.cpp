#include "script/flight/live_feed.h"

#include "script/flight/flightgear_packets.h"
#include "script/flight/xplane_packets.h"

const char* flightSimulatorName(FlightSimulator simulator)
{
    return simulator == FlightSimulator::flightGear ? "FlightGear" : "X-Plane";
}

LiveFeed::LiveFeed(FlightSimulator simulator, std::string listening, double silenceSeconds)
    : simulator_(simulator), silenceSeconds_(silenceSeconds), watch_(std::move(listening), silenceSeconds)
{
}

void LiveFeed::datagram(std::string_view bytes, const std::string& sender, double now)
{
    const std::string before = watch_.sender();
    if (!watch_.arrived(sender, now))
        return;
    // A new sender is a new flight (a flight simulator started again): until
    // its values read more than 0, they are not readings.
    if (watch_.sender() != before) {
        latest_ = {};
        sent_.reset();
    }
    const PacketReading reading =
        simulator_ == FlightSimulator::flightGear ? readFlightGearPacket(bytes) : readXPlaneReply(bytes);
    if (reading.refused()) {
        watch_.refused(reading.refusal, now);
        return;
    }
    for (size_t i = 0; i < flightInputCount; ++i) {
        const std::optional<double>& value = reading.values.values[i];
        if (!value)
            continue;
        latest_.values[i] = value;
        if (*value != 0)
            sent_.set(i);
    }
}

FlightValues LiveFeed::values(const FlightUnits& units) const
{
    FlightValues sent;
    for (size_t i = 0; i < flightInputCount; ++i)
        if (sent_.test(i))
            sent.values[i] = latest_.values[i];
    const SentQuantities& quantities =
        simulator_ == FlightSimulator::flightGear ? flightGearQuantities : xPlaneQuantities;
    return convertSent(sent, quantities, units);
}

std::vector<FlightInput> LiveFeed::sentInputs() const
{
    std::vector<FlightInput> inputs;
    for (size_t i = 0; i < flightInputCount; ++i)
        if (sent_.test(i))
            inputs.push_back(FlightInput(i));
    return inputs;
}

std::string LiveFeed::status(double now) const
{
    std::string status = std::string(flightSimulatorName(simulator_)) + ": " + watch_.status(now);
    if (watch_.state(now) == LinkWatch::State::waiting)
        return status;
    const std::vector<FlightInput> inputs = sentInputs();
    return status + (inputs.empty() ? "; every value has read 0 so far: the sliders stay" : "; sends " + flightInputList("and", inputs));
}

bool LiveFeed::subscriptionDue(double now)
{
    if (simulator_ != FlightSimulator::xPlane || watch_.state(now) == LinkWatch::State::receiving)
        return false;
    if (subscribed_ && now - lastSubscription_ < silenceSeconds_)
        return false;
    subscribed_ = true;
    lastSubscription_ = now;
    return true;
}
