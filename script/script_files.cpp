#include "script/script_files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <functional>

#include "script/script_runner.h"

namespace {

// Writes all the bytes; false with errno set when it cannot.
bool writeAll(int descriptor, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t written = write(descriptor, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        bytes.remove_prefix(size_t(written));
    }
    return true;
}

std::string lastFault() { return std::strerror(errno); }

// A device or pipe: written into as it is.
std::string writeInto(const std::string& path, std::string_view bytes)
{
    const int descriptor = open(path.c_str(), O_WRONLY | O_CLOEXEC);
    if (descriptor < 0)
        return fileFault(errno);
    const bool written = writeAll(descriptor, bytes);
    const std::string fault = written ? "" : lastFault();
    if (close(descriptor) != 0 && written)
        return lastFault();
    return fault;
}

// The file a path names, through any symbolic links; the path itself for a
// file yet to be made.
std::string linkedFile(const std::string& path)
{
    char resolved[PATH_MAX];
    return realpath(path.c_str(), resolved) ? std::string(resolved) : path;
}

mode_t newFileMode()
{
    const mode_t mask = umask(0);
    umask(mask);
    return 0666 & ~mask;
}

// Writes a temporary file beside target and renames it into place.
std::string replaceFile(const std::string& target, mode_t mode, std::string_view bytes, bool synced)
{
    const size_t slash = target.rfind('/');
    const std::string folder = slash == std::string::npos ? "" : target.substr(0, slash + 1);
    const std::string name = slash == std::string::npos ? target : target.substr(slash + 1);
    std::string temporary = folder + "." + name + ".XXXXXX";
    const int descriptor = mkostemp(temporary.data(), O_CLOEXEC);
    if (descriptor < 0)
        return lastFault();
    bool done = writeAll(descriptor, bytes) && fchmod(descriptor, mode) == 0 && (!synced || fsync(descriptor) == 0);
    std::string fault = done ? "" : lastFault();
    if (close(descriptor) != 0 && done) {
        done = false;
        fault = lastFault();
    }
    if (done && rename(temporary.c_str(), target.c_str()) != 0) {
        done = false;
        fault = lastFault();
    }
    if (!done)
        unlink(temporary.c_str());
    return fault;
}

} // namespace

std::string fileFault(int error)
{
    switch (error) {
    case ENOENT: return "not found";
    case EISDIR: return "a directory";
    case EACCES: return "no permission";
    default: return std::strerror(error);
    }
}

int openToRead(const std::string& path, std::string& why)
{
    const int descriptor = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    struct stat status {};
    if (descriptor < 0) {
        why = fileFault(errno);
        return -1;
    }
    if (fstat(descriptor, &status) == 0 && S_ISDIR(status.st_mode)) {
        close(descriptor);
        why = fileFault(EISDIR);
        return -1;
    }
    return descriptor;
}

namespace {

// Hands the descriptor's bytes to `take` as they arrive, until their end or
// until `take` wants no more. "" or why the reading failed.
std::string readPieces(int descriptor, const std::function<bool(std::string_view)>& take)
{
    struct stat status {};
    if (fstat(descriptor, &status) != 0)
        return errno == EBADF ? "it is closed" : lastFault();
    if (S_ISDIR(status.st_mode))
        return fileFault(EISDIR);
    char buffer[4096];
    for (;;) {
        const ssize_t got = read(descriptor, buffer, sizeof buffer);
        if (got == 0)
            return "";
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return fileFault(errno);
        if (!take(std::string_view(buffer, size_t(got))))
            return "";
    }
}

} // namespace

std::string feedScript(int descriptor, ScriptRunner& runner)
{
    if (runner.stopped())
        return "";
    return readPieces(descriptor, [&runner](std::string_view bytes) {
        runner.feed(bytes);
        return !runner.stopped();
    });
}

bool readScriptFile(const std::string& path, std::string& text, std::string& why)
{
    const bool standardInput = path == "-";
    const int descriptor = standardInput ? STDIN_FILENO : openToRead(path, why);
    if (descriptor < 0)
        return false;
    why = readPieces(descriptor, [&text](std::string_view bytes) {
        text += bytes;
        return true;
    });
    if (!standardInput)
        close(descriptor);
    return why.empty();
}

std::string writeFileSafely(const std::string& path, std::string_view bytes, bool synced)
{
    struct stat status {};
    if (stat(path.c_str(), &status) != 0)
        return replaceFile(path, newFileMode(), bytes, synced);
    if (S_ISDIR(status.st_mode))
        return fileFault(EISDIR);
    if (!S_ISREG(status.st_mode))
        return writeInto(path, bytes);
    return replaceFile(linkedFile(path), status.st_mode & 07777, bytes, synced);
}

std::string readDataFile(const std::string& path, size_t most, std::string& bytes)
{
    bytes.clear();
    std::string why;
    const int descriptor = open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (descriptor < 0)
        return fileFault(errno);
    struct stat status {};
    if (fstat(descriptor, &status) != 0 || !S_ISREG(status.st_mode)) {
        close(descriptor);
        return S_ISDIR(status.st_mode) ? fileFault(EISDIR) : "not a regular file";
    }
    char buffer[65536];
    for (;;) {
        const ssize_t got = read(descriptor, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0) {
            why = got < 0 ? fileFault(errno) : "";
            break;
        }
        if (bytes.size() + size_t(got) > most) {
            why = "larger than " + std::to_string(most / 1000000) + " MB";
            break;
        }
        bytes.append(buffer, size_t(got));
    }
    close(descriptor);
    if (!why.empty())
        bytes.clear();
    return why;
}
