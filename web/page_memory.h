// The shown instrument's memory, kept in the browser's storage for the
// page's origin by page/page_memory.js.
#pragma once

class MemoryKeeper;

MemoryKeeper& pageMemory();
