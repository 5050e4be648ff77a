// The instrument memory as a file, as the window and the runner keep it.
// A write goes to a new file beside it, which replaces the old one only
// once complete and on the disk, so a full disk or a killed program leaves
// the previous memory whole; two programs writing at once leave the one
// that finished last. POSIX; the page keeps its memory in the browser.
#pragma once
#include <string>

#include "script/memory_store.h"

class MemoryFile : public MemoryStore {
public:
    explicit MemoryFile(std::string path) : path_(std::move(path)) {}

    StoredMemory read(size_t limit) override;
    std::string write(std::string_view bytes) override;
    // Renamed to NAME.damaged, or NAME.damaged-2, -3, ... where that is
    // taken: what was kept aside earlier stays.
    std::string keepAside(std::string& fault) override;

    const std::string& path() const { return path_; }

private:
    std::string path_;
};
