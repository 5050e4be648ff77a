#include "script/flight/udp_receiver.h"

#include <netdb.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstring>
#include <memory>

#include "sim/user_text.h"

namespace {

constexpr size_t largestDatagram = 65536;

using AddressList = std::unique_ptr<addrinfo, decltype(&freeaddrinfo)>;

// A numeric address only: a name would need a lookup that may block.
AddressList numericAddress(const std::string& address, uint16_t port, bool forListening)
{
    addrinfo hints{};
    hints.ai_family = AF_UNSPEC;
    hints.ai_socktype = SOCK_DGRAM;
    hints.ai_flags = AI_NUMERICHOST | AI_NUMERICSERV | (forListening ? AI_PASSIVE : 0);
    addrinfo* found = nullptr;
    if (getaddrinfo(address.c_str(), std::to_string(port).c_str(), &hints, &found) != 0 || !found)
        throw UdpError{quotedText(address) + " is not a numeric IP address (such as 127.0.0.1, or 0.0.0.0 for "
                                             "every interface)"};
    return {found, freeaddrinfo};
}

std::string bindFault(int fault, const std::string& address, uint16_t port)
{
    const std::string where = "port " + std::to_string(port) + " on " + address;
    switch (fault) {
    case EADDRINUSE:
        return where + " is in use by another program";
    case EADDRNOTAVAIL:
        return address + " is not an address of this machine";
    case EACCES:
        return where + " needs root: choose a port from 1024 up";
    default:
        return "cannot listen on " + where + ": " + std::strerror(fault);
    }
}

std::string senderText(const sockaddr_storage& from, socklen_t size)
{
    std::array<char, NI_MAXHOST> host{};
    std::array<char, NI_MAXSERV> service{};
    if (getnameinfo(reinterpret_cast<const sockaddr*>(&from), size, host.data(), host.size(), service.data(),
                    service.size(), NI_NUMERICHOST | NI_NUMERICSERV) != 0)
        return "an unknown sender";
    const std::string name = host.data();
    return (from.ss_family == AF_INET6 ? "[" + name + "]" : name) + ":" + service.data();
}

uint16_t boundPort(int socket)
{
    sockaddr_storage bound{};
    socklen_t size = sizeof bound;
    if (getsockname(socket, reinterpret_cast<sockaddr*>(&bound), &size) != 0)
        return 0;
    const uint16_t port = bound.ss_family == AF_INET6 ? reinterpret_cast<sockaddr_in6&>(bound).sin6_port
                                                      : reinterpret_cast<sockaddr_in&>(bound).sin_port;
    return ntohs(port);
}

} // namespace

UdpReceiver::UdpReceiver(uint16_t port, const std::string& address) : address_(address)
{
    const AddressList where = numericAddress(address, port, true);
    socket_ = ::socket(where->ai_family, SOCK_DGRAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (socket_ < 0)
        throw UdpError{std::string("cannot open a UDP socket: ") + std::strerror(errno)};
    if (bind(socket_, where->ai_addr, where->ai_addrlen) != 0) {
        const int fault = errno;
        close(socket_);
        throw UdpError{bindFault(fault, address, port)};
    }
    port_ = boundPort(socket_);
}

UdpReceiver::~UdpReceiver() { close(socket_); }

std::string UdpReceiver::listening() const { return address_ + " port " + std::to_string(port_); }

std::vector<UdpReceiver::Datagram> UdpReceiver::receive(size_t most)
{
    std::vector<Datagram> datagrams;
    std::string buffer(largestDatagram, '\0');
    while (datagrams.size() < most) {
        sockaddr_storage from{};
        socklen_t size = sizeof from;
        const ssize_t length =
            recvfrom(socket_, buffer.data(), buffer.size(), 0, reinterpret_cast<sockaddr*>(&from), &size);
        if (length < 0 && (errno == EAGAIN || errno == EWOULDBLOCK))
            break;
        // A refused port is what an earlier send met (X-Plane not started yet).
        if (length < 0 && (errno == EINTR || errno == ECONNREFUSED))
            continue;
        if (length < 0)
            throw UdpError{"cannot receive on " + listening() + ": " + std::strerror(errno)};
        datagrams.push_back({buffer.substr(0, size_t(length)), senderText(from, size)});
    }
    return datagrams;
}

void UdpReceiver::send(const std::string& address, uint16_t port, std::string_view bytes)
{
    const AddressList where = numericAddress(address, port, false);
    ssize_t sent;
    do
        sent = sendto(socket_, bytes.data(), bytes.size(), 0, where->ai_addr, where->ai_addrlen);
    while (sent < 0 && errno == EINTR);
    if (sent < 0)
        throw UdpError{"cannot send to " + address + " port " + std::to_string(port) + ": " + std::strerror(errno)};
}
