// Where a host keeps the instrument memory's bytes: a file for the window
// and the runner, the browser's storage for the page, the run's own files
// for a script run in the browser. The memory keeper (memory_keeper.h)
// decides when to read and write; a store only moves bytes.
#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

struct StoredMemory {
    enum class Found { nothing, bytes, unreadable };
    Found found = Found::nothing;
    std::string bytes;
    std::string why; // unreadable: why, in plain words ("no permission")
};

// Keeps the memory called name aside under the first free name of
// NAME.damaged, NAME.damaged-2, ... (a hundred of them): move moves it to
// the name it is given unless that is taken. The name it went to, or ""
// with why not in fault.
enum class AsideMove : uint8_t { moved, taken, failed };
std::string keepAsideUnder(const std::string& name,
                           const std::function<AsideMove(const std::string& aside, std::string& fault)>& move,
                           std::string& fault);

class MemoryStore {
public:
    virtual ~MemoryStore() = default;
    // What is stored: nothing (never written, or removed), its bytes, or
    // why it cannot be read. Reads at most `limit` bytes: a longer memory
    // is no record anyway.
    virtual StoredMemory read(size_t limit) = 0;
    // Replaces what is stored, whole or not at all: "" or why not.
    virtual std::string write(std::string_view bytes) = 0;
    // Moves what is stored out of the way without replacing anything kept
    // aside before: the name it is kept under, or "" with why not in fault.
    virtual std::string keepAside(std::string& fault) = 0;
};
