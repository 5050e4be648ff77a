#include "sim/instrument_memory.h"

#include <cstdio>
#include <cstring>

#include "core/fuel_flow.h"
#include "sim/settings_fields.h"
#include "sim/simulator.h"

InstrumentMemory instrumentMemory;

static_assert(memoryRecordCapacity == QS9_MEMORY_RECORD_CAPACITY);

namespace {

// Ticks of the 100 ms timer between two writes: at most one a second, so a
// steady flow, which changes the totals every pass, does not rewrite the
// memory every pass.
constexpr uint8_t writePace = 10;

template <size_t N>
void copyText(char (&to)[N], const char* text)
{
    std::snprintf(to, N, "%s", text);
}

MemoryTotals liveTotals() { return {used1Pulses, used2Pulses, tank1Pulses, tank2Pulses}; }

void setLiveTotals(const MemoryTotals& totals)
{
    used1Pulses = totals.used1Pulses;
    used2Pulses = totals.used2Pulses;
    tank1Pulses = totals.tank1Pulses;
    tank2Pulses = totals.tank2Pulses;
}

bool sameSettings(const Settings& a, const Settings& b)
{
    for (const SettingsField& field : settingsFields())
        if (readField(a, field) != readField(b, field))
            return false;
    return true;
}

void remember(const MemoryRecord& record)
{
    instrumentMemory.writtenSize = static_cast<uint16_t>(encodeMemoryRecord(record, instrumentMemory.written));
}

// The image starts from the instrument as it stands. heldAsNow (at On): the
// memory counts as holding this very record, so On alone writes nothing;
// otherwise it holds what it held.
void startImage(bool heldAsNow)
{
    instrumentMemory.image = {settings, liveTotals()};
    instrumentMemory.imageKept = 1;
    if (heldAsNow)
        remember(instrumentMemory.image);
    else if (instrumentMemory.held == QS9_MEMORY_RESTORED)
        remember(instrumentMemory.heldRecord);
    else
        instrumentMemory.writtenSize = 0;
}

// Whether the memory should be given a record now, and which.
bool recordDue(MemoryRecord& due)
{
    if (instrumentMemory.forgetting) {
        due = factoryMemoryRecord();
        return true;
    }
    if (!instrumentMemory.switchedOn || !instrumentMemory.imageKept)
        return false;
    uint8_t now[memoryRecordCapacity];
    const size_t size = encodeMemoryRecord(instrumentMemory.image, now);
    due = instrumentMemory.image;
    return size != instrumentMemory.writtenSize || std::memcmp(now, instrumentMemory.written, size) != 0;
}

void composeMessage()
{
    const char* problem = instrumentMemory.heldProblem;
    switch (instrumentMemory.lastOn) {
    case QS9_MEMORY_SWITCHED_OFF:
        copyText(instrumentMemory.message, instrumentMemory.settingsChangedBeforeOn
                                     ? "Every On starts from the factory settings; switch on the "
                                       "instrument memory to keep them"
                                     : "");
        break;
    case QS9_MEMORY_RESTORED: copyText(instrumentMemory.message, "Settings restored from the instrument memory"); break;
    case QS9_MEMORY_UNREADABLE:
        std::snprintf(instrumentMemory.message, sizeof instrumentMemory.message,
                      "The instrument memory cannot be read (%s); the factory settings are in use", problem);
        break;
    case QS9_MEMORY_DAMAGED:
        std::snprintf(instrumentMemory.message, sizeof instrumentMemory.message,
                      "The instrument memory is damaged (%s); the factory settings are in use", problem);
        break;
    case QS9_MEMORY_OTHER_VERSION:
        std::snprintf(instrumentMemory.message, sizeof instrumentMemory.message,
                      "The instrument memory was written by another version of the simulator (%s); "
                      "the factory settings are in use",
                      problem);
        break;
    default: copyText(instrumentMemory.message, ""); break;
    }
}

uint8_t heldFor(MemoryLoad result)
{
    switch (result) {
    case MemoryLoad::empty: return QS9_MEMORY_EMPTY;
    case MemoryLoad::valid: return QS9_MEMORY_RESTORED;
    case MemoryLoad::unreadable: return QS9_MEMORY_UNREADABLE;
    case MemoryLoad::damaged: return QS9_MEMORY_DAMAGED;
    case MemoryLoad::otherVersion: return QS9_MEMORY_OTHER_VERSION;
    }
    return QS9_MEMORY_DAMAGED;
}

} // namespace

void resetInstrumentMemory()
{
    // Every byte, padding included, so that program start leaves the same bytes.
    std::memset(&instrumentMemory, 0, sizeof instrumentMemory);
    instrumentMemory.held = QS9_MEMORY_EMPTY;
    instrumentMemory.ticksSinceWrite = writePace;
}

void memoryKeepsSettings()
{
    if (instrumentMemory.imageKept && !instrumentMemory.poweringOn)
        instrumentMemory.image.settings = settings;
}

void memoryKeepsTotals()
{
    if (instrumentMemory.imageKept && !instrumentMemory.poweringOn)
        instrumentMemory.image.totals = liveTotals();
}

void memoryPowerOnBegins()
{
    instrumentMemory.settingsChangedBeforeOn = instrumentMemory.onceOn && !sameSettings(settings, instrumentMemory.settingsAtOn);
    instrumentMemory.poweringOn = 1;
}

void restoreFromMemory()
{
    instrumentMemory.poweringOn = 0;
    instrumentMemory.lastOn = instrumentMemory.switchedOn ? instrumentMemory.held : QS9_MEMORY_SWITCHED_OFF;
    if (instrumentMemory.lastOn == QS9_MEMORY_RESTORED) {
        settings = instrumentMemory.heldRecord.settings;
        setLiveTotals(instrumentMemory.heldRecord.totals);
    }
    composeMessage();
    if (instrumentMemory.switchedOn)
        startImage(true);
}

void memoryPowerOnEnds()
{
    instrumentMemory.settingsAtOn = settings;
    instrumentMemory.onceOn = 1;
}

void memoryTick()
{
    if (instrumentMemory.ticksSinceWrite < writePace)
        ++instrumentMemory.ticksSinceWrite;
}

extern "C" {

void qs9MemorySwitch(int on)
{
    if ((on != 0) == (instrumentMemory.switchedOn != 0))
        return;
    instrumentMemory.switchedOn = on != 0;
    instrumentMemory.offered = 0;
    instrumentMemory.imageKept = 0;
    // Switched on after an On, the memory is to keep the instrument as it stands.
    if (instrumentMemory.switchedOn && instrumentMemory.onceOn)
        startImage(false);
}

int qs9MemoryIsOn(void) { return instrumentMemory.switchedOn; }

int qs9MemoryProvide(const uint8_t* bytes, uint32_t size)
{
    const LoadedMemory loaded = loadMemoryRecord(bytes, size);
    instrumentMemory.held = heldFor(loaded.result);
    instrumentMemory.heldRecord = loaded.record;
    copyText(instrumentMemory.heldProblem, loaded.problem.c_str());
    return instrumentMemory.held;
}

int qs9MemoryRestoreStatus(void) { return instrumentMemory.lastOn; }

const char* qs9MemoryMessage(void) { return instrumentMemory.message; }

int qs9SettingsChangedBeforeOn(void) { return instrumentMemory.settingsChangedBeforeOn; }

int qs9MemoryWriteDue(int force, uint8_t* bytes, uint32_t capacity, uint32_t* size)
{
    MemoryRecord due;
    if (!recordDue(due) || (!force && instrumentMemory.ticksSinceWrite < writePace))
        return 0;
    if (bytes == nullptr || size == nullptr || capacity < memoryRecordSize())
        return QS9_ERROR_NO_ROOM;
    *size = static_cast<uint32_t>(encodeMemoryRecord(due, bytes));
    instrumentMemory.offeredRecord = due;
    instrumentMemory.offered = 1;
    instrumentMemory.ticksSinceWrite = 0;
    return 1;
}

void qs9MemoryWritten(int kept)
{
    if (!instrumentMemory.offered)
        return;
    instrumentMemory.offered = 0;
    if (!kept)
        return; // still due: offered again once the pace allows
    remember(instrumentMemory.offeredRecord);
    instrumentMemory.held = QS9_MEMORY_RESTORED;
    instrumentMemory.heldRecord = instrumentMemory.offeredRecord;
    instrumentMemory.forgetting = 0;
}

void qs9MemoryForget(void)
{
    instrumentMemory.forgetting = 1;
    instrumentMemory.ticksSinceWrite = writePace;
    if (instrumentMemory.imageKept)
        instrumentMemory.image = factoryMemoryRecord();
}

} // extern "C"
