// The page's instrument memory: the keeper every host shares, with the
// browser's storage for the page's origin as its store: the record under
// one key, a damaged one moved to another, by page/page_memory.js
// (Module.pageMemory), which also holds the page's controls for it and
// makes the last write when the page is hidden or closed.
#include "web/page_memory.h"

#include <emscripten/emscripten.h>

#include <string>

#include "script/memory_keeper.h"
#include "script/setup_script.h"

namespace {

// What is stored under the key: its size (at most capacity bytes copied),
// -1 nothing, -2 unreadable, with why.
EM_JS(int, pageMemoryRead, (const char* key, uint8_t* into, int capacity, char* why, int whyCapacity), {
    const stored = Module.pageMemory ? Module.pageMemory.read(UTF8ToString(key)) : null;
    if (stored === null)
        return -1;
    if (!(stored instanceof Uint8Array)) {
        stringToUTF8(stored.error, why, whyCapacity);
        return -2;
    }
    const size = Math.min(stored.length, capacity);
    HEAPU8.set(stored.subarray(0, size), into);
    return size;
});

// 0 kept whole under the key, else -1 with why.
EM_JS(int, pageMemoryWrite, (const char* key, const uint8_t* bytes, int size, char* why, int whyCapacity), {
    const fault = Module.pageMemory ? Module.pageMemory.write(UTF8ToString(key), HEAPU8.slice(bytes, bytes + size))
                                    : "the page is still loading";
    if (!fault)
        return 0;
    stringToUTF8(fault, why, whyCapacity);
    return -1;
});

// Moves what is stored under one key to another: 0 moved, 1 the other is
// taken, -1 failed with why.
EM_JS(int, pageMemoryMove, (const char* from, const char* to, char* why, int whyCapacity), {
    const moved = Module.pageMemory ? Module.pageMemory.move(UTF8ToString(from), UTF8ToString(to))
                                    : "the page is still loading";
    if (moved === "moved" || moved === "taken")
        return moved === "moved" ? 0 : 1;
    stringToUTF8(moved, why, whyCapacity);
    return -1;
});

EM_JS(void, pageMemorySays, (const char* message, int news), {
    if (Module.pageMemory)
        Module.pageMemory.say(UTF8ToString(message), news);
});

constexpr int textCapacity = 256;
const std::string storageKey = "qs9-simulator.instrument-memory";
const std::string inStorage = " in the browser's storage";

class BrowserStorage : public MemoryStore {
public:
    StoredMemory read(size_t limit) override
    {
        std::string bytes(limit, '\0');
        char why[textCapacity] = "";
        const int size = pageMemoryRead(storageKey.c_str(), reinterpret_cast<uint8_t*>(bytes.data()), int(limit),
                                        why, textCapacity);
        if (size == -2)
            return {StoredMemory::Found::unreadable, {}, why};
        if (size < 0)
            return {};
        bytes.resize(size_t(size));
        return {StoredMemory::Found::bytes, bytes, {}};
    }

    std::string write(std::string_view bytes) override
    {
        char why[textCapacity] = "";
        const int written = pageMemoryWrite(storageKey.c_str(), reinterpret_cast<const uint8_t*>(bytes.data()),
                                            int(bytes.size()), why, textCapacity);
        return written == 0 ? "" : why;
    }

    std::string keepAside(std::string& fault) override
    {
        const std::string aside = keepAsideUnder(
            storageKey,
            [](const std::string& to, std::string& why) {
                char text[textCapacity] = "";
                const int moved = pageMemoryMove(storageKey.c_str(), to.c_str(), text, textCapacity);
                why = text;
                return moved == 0 ? AsideMove::moved : moved == 1 ? AsideMove::taken : AsideMove::failed;
            },
            fault);
        return aside.empty() ? aside : aside + inStorage;
    }
};

std::string setup;

} // namespace

MemoryKeeper& pageMemory()
{
    static BrowserStorage storage;
    static MemoryKeeper keeper(storage, [](const std::string& message, MemoryNews news) {
        pageMemorySays(message.c_str(), int(news));
    });
    return keeper;
}

extern "C" {

// The page's option, "Keep settings (instrument memory)".
EMSCRIPTEN_KEEPALIVE void qs9WebMemoryKeepSettings(int on) { pageMemory().keepSettings(on != 0); }

// "Forget the memory".
EMSCRIPTEN_KEEPALIVE void qs9WebMemoryForget() { pageMemory().forget(); }

// The page is hidden or closes: what is due is written now.
EMSCRIPTEN_KEEPALIVE void qs9WebMemoryClose() { pageMemory().poll(true); }

// "Export Set-up": the script of the settings that differ from the factory
// ones, readable until the next call.
EMSCRIPTEN_KEEPALIVE const char* qs9WebSetupScript()
{
    setup = setupScript();
    return setup.c_str();
}

} // extern "C"
