// Which sender a live link listens to, and what its message line says: what
// arrives, or that nothing does, packets from a second sender and packets
// that did not parse. Apart from any socket, so that the runner's receiver
// and a window's own socket share it. Times are seconds of a steady clock.
#pragma once
#include <cstdint>
#include <string>

class LinkWatch {
public:
    // A flight simulator sends several packets a second; this long without
    // one is a silence.
    static constexpr double defaultSilenceSeconds = 2;

    // listening: where the link listens, in words ("127.0.0.1 port 5500").
    explicit LinkWatch(std::string listening, double silenceSeconds = defaultSilenceSeconds);

    // A packet from sender ("127.0.0.1:55089") arrived. True when it is from
    // the sender listened to: the first one, or a new one once the last has
    // been silent (a flight simulator started again). Any other sender's
    // packets are to be ignored.
    bool arrived(const std::string& sender, double now);
    // A packet of the sender listened to was refused, for reason.
    void refused(const std::string& reason, double now);

    enum class State : uint8_t { waiting, receiving, silent };
    State state(double now) const;
    // "receiving from 127.0.0.1:55089", "nothing from 127.0.0.1:55089 for
    // 5 s", with what went wrong within the last silence's length.
    std::string status(double now) const;
    const std::string& sender() const { return sender_; }

private:
    bool recent(double then, double now) const { return now - then < silenceSeconds_; }

    std::string listening_;
    double silenceSeconds_;
    std::string sender_;
    double lastArrival_ = 0;
    std::string otherSender_;
    double lastOther_ = 0;
    std::string refusal_;
    double lastRefusal_ = 0;
};
