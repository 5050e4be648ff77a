// The instrument's memory, kept for a host that switches it on: the storage
// hooks keep the record at the moments the firmware stores, the power-on
// sequence restores it, and the host is offered the record to write when it
// has changed, at most once a second. The C calls are in sim/simulator.h.
#pragma once
#include <cstdint>

#include "sim/memory_record.h"

struct InstrumentMemory {
    uint8_t switchedOn;
    // What the memory holds, as the host gave it or as last written:
    // QS9_MEMORY_EMPTY, QS9_MEMORY_RESTORED (a valid record) or a problem.
    uint8_t held;
    MemoryRecord heldRecord;
    char heldProblem[120];
    // The record as the storage hooks keep it: the settings as storeSettings
    // last saw them, the totals as storeTotals did. Kept from an On (or from
    // switching on after one) while the memory is on.
    uint8_t imageKept;
    MemoryRecord image;
    // The bytes the host holds since the last write (or since On); nothing
    // is written while the image encodes to the same.
    uint8_t written[memoryRecordCapacity];
    uint16_t writtenSize;
    uint8_t forgetting;      // the factory record is due, whatever the memory holds
    uint8_t ticksSinceWrite; // counts up to the pace of writes
    uint8_t offered;         // a record handed to the host, not yet answered
    MemoryRecord offeredRecord;
    // The power-on sequence: between restoreSettings and the restore the
    // defaults' own store does not reach the memory.
    uint8_t poweringOn;
    uint8_t lastOn;          // QS9_MEMORY_...: what the last On found
    uint8_t settingsChangedBeforeOn;
    uint8_t onceOn;          // an On has run since program start
    Settings settingsAtOn;   // the settings as the last On left them
    char message[200];       // for the user, about the last On
};

extern InstrumentMemory instrumentMemory;

// Program start: memory switched off and empty, a write allowed at once.
void resetInstrumentMemory();

// The storage hooks' work when the memory is on.
void memoryKeepsSettings();
void memoryKeepsTotals();

// The power-on sequence: at its storage hook, after the cleared totals (a
// valid record replaces settings and totals), and at its end.
void memoryPowerOnBegins();
void restoreFromMemory();
void memoryPowerOnEnds();

// One tick of the instrument's 100 ms timer: paces the writes.
void memoryTick();
