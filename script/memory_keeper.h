// The instrument memory as every host keeps it: the window in its
// configuration folder, the page in the browser's storage, the runner in
// the file a script names. The host's option switches it on; the memory is
// read before each On of the user's, what sim/ restores from it is said,
// and the record is written whenever sim/ says it is due: the host polls
// after each timer tick and forces a write at Off and at close. A memory
// that holds no good record gives the factory settings and is kept aside.
//
// A played script, a share link among them, starts from the factory
// settings whatever the option says: the memory rests from the script's
// start until the user's own next On, so that the script plays the same for
// everyone and what it changes does not overwrite the user's memory.
#pragma once
#include <cstdint>
#include <functional>
#include <string>

#include "script/memory_store.h"

enum class MemoryNews : uint8_t {
    note,    // restored, the factory settings at every On, forgotten
    problem, // the memory held no good record, or could not be read
    failure  // a write failed: the memory keeps what it held
};

class MemoryKeeper {
public:
    using Say = std::function<void(const std::string& message, MemoryNews news)>;
    MemoryKeeper(MemoryStore& store, Say say);
    // The last write, as at close.
    ~MemoryKeeper();

    // The host's option, "Keep settings (instrument memory)". Switched on
    // while the instrument runs, the memory keeps it as it stands.
    void keepSettings(bool on);
    bool keepsSettings() const { return option_; }

    // The power-on sequence with the memory read before it (a played
    // script's On rests the memory instead) and what it found said after.
    void powerOn(bool played);
    // "Off", with the write that is due.
    void powerOff();
    // After each timer tick; forced at Off and at close.
    void poll(bool force = false);
    // "Forget the memory": the factory settings written at once.
    void forget();
    // A script starts playing: what is due is written, then nothing more.
    void rest();
    bool resting() const { return resting_; }

private:
    int readMemory(); // qs9MemoryProvide's answer
    void switchMemory();

    MemoryStore& store_;
    Say say_;
    bool option_ = false;
    bool resting_ = false;
    bool poweredOnce_ = false;
    bool failing_ = false;    // the last write failed: said once
    bool forgetting_ = false; // a forgetting to announce once written
    std::string unreadable_;  // why the memory could not be read, at the last reading
    std::string aside_;       // where a memory without a good record went, or why it stayed
};
