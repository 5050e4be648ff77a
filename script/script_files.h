// The desktop runner's files: scripts read from files and descriptors with
// the reason when they cannot be, and pictures written without harm to what
// is already there. POSIX; the browser edition has its own.
#pragma once
#include <string>
#include <string_view>

class ScriptRunner;

// Why a file could not be opened, from its errno: "not found", "a
// directory", "no permission", or the system's words.
std::string fileFault(int error);

// A file opened to read, or -1 and why not (a directory is refused).
int openToRead(const std::string& path, std::string& why);

// Feeds the script from the descriptor to the runner as its bytes arrive,
// until its end, the runner stops, or reading fails. Returns "" or why the
// reading failed (a closed descriptor, a directory, ...).
std::string feedScript(int descriptor, ScriptRunner& runner);

// The whole file at path ("-": standard input) into text; false and why
// not when it cannot be read.
bool readScriptFile(const std::string& path, std::string& text, std::string& why);

// The bytes of a regular file of at most `most` bytes (a track): "" or why
// not. A device or a pipe is refused, so that reading never waits.
std::string readDataFile(const std::string& path, size_t most, std::string& bytes);

// Writes the bytes as the file at path. A regular file (or a new one) is
// written beside it and renamed into its place once complete, with the old
// file's permissions, so a failure leaves the old file as it was; through a
// symbolic link the linked file is replaced. Anything else (a device, a
// pipe) is written into directly and never removed. Synced: the new file
// reaches the disk before it takes the old one's place, so that not even a
// power cut leaves neither. "" or why not.
std::string writeFileSafely(const std::string& path, std::string_view bytes, bool synced = false);
