// X-Plane's side of a live flight, over its UDP interface. A request "RREF"
// subscribes to one dataref: X-Plane then sends its value that many times a
// second, under the index the request gave, to the address and port the
// request came from, until a request with the same index asks for 0 a
// second. Its replies are "RREF" and one byte, then pairs of a 32-bit
// integer (the index) and a 32-bit float (the value), little-endian; one
// reply may carry several pairs. X-Plane forgets its subscriptions when it
// restarts, so a listener sends the requests again after a silence.
#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "script/flight/flight_values.h"
#include "script/flight/unit_conversions.h"

constexpr uint16_t xPlanePort = 49000; // where X-Plane takes requests

// The dataref each input subscribes to, and its unit; the index of an
// input's subscription is its FlightInput.
extern const SentQuantities xPlaneQuantities;

// The six subscription requests (perSecond 0: the requests that end them),
// 413 bytes each: "RREF", a zero byte, the rate, the index, the dataref's
// name in 400 bytes filled with zeros.
std::vector<std::string> xPlaneSubscriptions(int32_t perSecond);

// One reply's values, in X-Plane's units (those it does not carry are not
// sent); or why it is not a reply to those subscriptions.
PacketReading readXPlaneReply(std::string_view bytes);
