#include "script/memory_keeper.h"

#include <cstdint>
#include <utility>

#include "sim/simulator.h"

namespace {

// One byte more than any record: a longer memory reads as too long.
constexpr size_t readLimit = QS9_MEMORY_RECORD_CAPACITY + 1;

bool refuted(int held)
{
    return held == QS9_MEMORY_UNREADABLE || held == QS9_MEMORY_DAMAGED || held == QS9_MEMORY_OTHER_VERSION;
}

// What a refuted memory is, for a reading outside an On.
const char* refutation(int held)
{
    switch (held) {
    case QS9_MEMORY_UNREADABLE: return "is not a memory of this instrument";
    case QS9_MEMORY_DAMAGED: return "is damaged";
    default: return "was written by another version of the simulator";
    }
}

std::string unreadableNews(const std::string& why)
{
    return "The instrument memory cannot be read (" + why + "); the factory settings are in use";
}

} // namespace

MemoryKeeper::MemoryKeeper(MemoryStore& store, Say say) : store_(store), say_(std::move(say)) {}

MemoryKeeper::~MemoryKeeper() { poll(true); }

void MemoryKeeper::keepSettings(bool on)
{
    option_ = on;
    if (on)
        resting_ = false; // the user's own act takes the memory back
    // Before the first On there is nothing to keep yet: that On reads.
    if (on && poweredOnce_ && !qs9MemoryIsOn()) {
        const int held = readMemory();
        if (!unreadable_.empty())
            say_("The instrument memory cannot be read (" + unreadable_ + ")", MemoryNews::problem);
        else if (refuted(held))
            say_(std::string("The instrument memory ") + refutation(held) + "; " + aside_, MemoryNews::problem);
    }
    switchMemory();
}

void MemoryKeeper::powerOn(bool played)
{
    poweredOnce_ = true;
    unreadable_.clear();
    aside_.clear();
    if (played) {
        rest();
    } else {
        resting_ = false;
        if (option_)
            readMemory();
        switchMemory();
    }
    qs9PowerOn();
    if (resting_)
        return;
    const bool problem = !unreadable_.empty() || refuted(qs9MemoryRestoreStatus());
    std::string news = !unreadable_.empty() ? unreadableNews(unreadable_) : qs9MemoryMessage();
    if (refuted(qs9MemoryRestoreStatus()))
        news += "; " + aside_;
    if (!news.empty())
        say_(news, problem ? MemoryNews::problem : MemoryNews::note);
}

void MemoryKeeper::powerOff()
{
    qs9PowerOff();
    poll(true);
}

void MemoryKeeper::poll(bool force)
{
    uint8_t record[QS9_MEMORY_RECORD_CAPACITY];
    uint32_t size = 0;
    if (qs9MemoryWriteDue(force, record, sizeof record, &size) != 1)
        return;
    const std::string fault = store_.write(std::string_view(reinterpret_cast<const char*>(record), size));
    qs9MemoryWritten(fault.empty() ? 1 : 0);
    if (!fault.empty() && !failing_)
        say_("The instrument memory could not be written (" + fault + "); it keeps what it held",
             MemoryNews::failure);
    failing_ = !fault.empty();
    if (fault.empty() && std::exchange(forgetting_, false))
        say_("The instrument memory holds the factory settings", MemoryNews::note);
}

void MemoryKeeper::forget()
{
    qs9MemoryForget();
    forgetting_ = true;
    poll(true);
}

void MemoryKeeper::rest()
{
    if (resting_)
        return;
    poll(true);
    resting_ = true;
    switchMemory();
}

// The memory as sim/ holds it: what the store holds, checked, and a refuted
// memory moved out of the way with where it went said.
int MemoryKeeper::readMemory()
{
    unreadable_.clear();
    aside_.clear();
    const StoredMemory stored = store_.read(readLimit);
    if (stored.found == StoredMemory::Found::unreadable) {
        unreadable_ = stored.why;
        return qs9MemoryProvide(nullptr, 0);
    }
    const int held =
        qs9MemoryProvide(reinterpret_cast<const uint8_t*>(stored.bytes.data()), uint32_t(stored.bytes.size()));
    if (refuted(held)) {
        std::string fault;
        const std::string kept = store_.keepAside(fault);
        aside_ = kept.empty() ? "it could not be kept aside (" + fault + ")" : "it is kept as " + kept;
    }
    return held;
}

void MemoryKeeper::switchMemory() { qs9MemorySwitch(option_ && !resting_ ? 1 : 0); }
