// The runner's UDP socket for a live flight (POSIX). It listens on the
// loopback address unless another is named, and never blocks: receive()
// takes what has arrived. What the packets mean is LiveFeed's business, so
// that a host with a socket of its own (the window's) reads them the same.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// Why the socket cannot listen or send, in words.
struct UdpError {
    std::string message;
};

class UdpReceiver {
public:
    static constexpr const char* loopback = "127.0.0.1";

    // Listens on port (0: one the system chooses) at a numeric IPv4 or IPv6
    // address of this machine ("0.0.0.0": every interface). Throws UdpError.
    explicit UdpReceiver(uint16_t port, const std::string& address = loopback);
    ~UdpReceiver();
    UdpReceiver(const UdpReceiver&) = delete;
    UdpReceiver& operator=(const UdpReceiver&) = delete;

    uint16_t port() const { return port_; }
    // "127.0.0.1 port 5500", as the message line says it.
    std::string listening() const;

    struct Datagram {
        std::string bytes;
        std::string sender; // "127.0.0.1:55089", "[::1]:55089"
    };
    // The datagrams waiting, oldest first, at most most of them.
    std::vector<Datagram> receive(size_t most = 64);

    // Sends bytes to a numeric address and port (X-Plane's subscriptions).
    // Throws UdpError.
    void send(const std::string& address, uint16_t port, std::string_view bytes);

private:
    int socket_ = -1;
    std::string address_;
    uint16_t port_ = 0;
};
