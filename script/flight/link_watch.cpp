#include "script/flight/link_watch.h"

#include <cmath>

LinkWatch::LinkWatch(std::string listening, double silenceSeconds)
    : listening_(std::move(listening)), silenceSeconds_(silenceSeconds)
{
}

bool LinkWatch::arrived(const std::string& sender, double now)
{
    if (sender != sender_ && state(now) == State::receiving) {
        otherSender_ = sender;
        lastOther_ = now;
        return false;
    }
    if (sender != sender_)
        refusal_.clear(); // said of the sender before
    sender_ = sender;
    lastArrival_ = now;
    return true;
}

void LinkWatch::refused(const std::string& reason, double now)
{
    refusal_ = reason;
    lastRefusal_ = now;
}

LinkWatch::State LinkWatch::state(double now) const
{
    if (sender_.empty())
        return State::waiting;
    return recent(lastArrival_, now) ? State::receiving : State::silent;
}

std::string LinkWatch::status(double now) const
{
    std::string status;
    switch (state(now)) {
    case State::waiting:
        status = "listening on " + listening_ + "; nothing has arrived";
        break;
    case State::receiving:
        status = "receiving from " + sender_;
        break;
    case State::silent:
        status = "nothing from " + sender_ + " for " + std::to_string(int64_t(std::floor(now - lastArrival_))) + " s";
        break;
    }
    if (!otherSender_.empty() && recent(lastOther_, now))
        status += "; ignoring " + otherSender_ + ", a second sender";
    if (!refusal_.empty() && recent(lastRefusal_, now))
        status += "; a packet was refused: " + refusal_;
    return status;
}
