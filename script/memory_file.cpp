#include "script/memory_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

#include "script/script_files.h"

namespace {

// Moves from to to unless to exists; errno says why not.
bool renameWithoutReplacing(const std::string& from, const std::string& to)
{
    if (link(from.c_str(), to.c_str()) == 0)
        return unlink(from.c_str()) == 0 || errno == ENOENT;
    if (errno == EEXIST || errno == ENOENT)
        return false;
    // A file system without hard links: renamed when the name is free.
    struct stat taken {};
    if (lstat(to.c_str(), &taken) == 0) {
        errno = EEXIST;
        return false;
    }
    return std::rename(from.c_str(), to.c_str()) == 0;
}

} // namespace

StoredMemory MemoryFile::read(size_t limit)
{
    StoredMemory stored;
    std::string why;
    const int descriptor = openToRead(path_, why);
    if (descriptor < 0) {
        if (why != fileFault(ENOENT)) {
            stored.found = StoredMemory::Found::unreadable;
            stored.why = why;
        }
        return stored;
    }
    stored.found = StoredMemory::Found::bytes;
    stored.bytes.resize(limit);
    size_t got = 0;
    while (got < limit) {
        const ssize_t n = ::read(descriptor, stored.bytes.data() + got, limit - got);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            stored = {StoredMemory::Found::unreadable, {}, fileFault(errno)};
            break;
        }
        if (n == 0)
            break;
        got += size_t(n);
    }
    close(descriptor);
    if (stored.found == StoredMemory::Found::bytes)
        stored.bytes.resize(got);
    return stored;
}

std::string MemoryFile::write(std::string_view bytes) { return writeFileSafely(path_, bytes, true); }

std::string MemoryFile::keepAside(std::string& fault)
{
    return keepAsideUnder(
        path_,
        [this](const std::string& aside, std::string& why) {
            if (renameWithoutReplacing(path_, aside))
                return AsideMove::moved;
            if (errno == EEXIST)
                return AsideMove::taken;
            why = errno == ENOENT ? "it is no longer there" : fileFault(errno);
            return AsideMove::failed;
        },
        fault);
}
