// What a host's user does, as the runner lines that replay it: the inputs in
// the order they happened and, between them, the passes (full ones, and
// those without the flow step that a paced host makes) and timer ticks that
// ran. A run of passes of one kind (or of ticks) is one line, and moves of one control
// with nothing between them are one line at its last position: the firmware
// saw only that one. Each line goes to the writer as soon as it is complete.
#pragma once
#include <cstdint>
#include <functional>
#include <string>

class InputRecording {
public:
    // Takes one line without its line end; false when it could not be written.
    using Writer = std::function<bool(const std::string& line)>;
    explicit InputRecording(Writer write);

    void passRan();
    void frameRan(); // a pass without the flow step
    void ticked();
    // A slider or check box of the input table moved.
    void moved(const char* input, uint32_t position);
    // Any other line: on, off, a key, a set, a comment.
    void happened(const std::string& line);
    // Writes what is held back (a count, a move); false once a write failed.
    bool flush();
    bool failed() const { return failed_; }

private:
    enum class Held : uint8_t { nothing, passes, frames, ticks, move };
    void count(Held kind);
    void write(const std::string& line);

    Writer write_;
    bool failed_ = false;
    Held held_ = Held::nothing;
    uint32_t count_ = 0;
    std::string movedInput_;
    uint32_t position_ = 0;
};
