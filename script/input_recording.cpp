#include "script/input_recording.h"

#include <limits>

#include "script/input_lines.h"

InputRecording::InputRecording(Writer write) : write_(std::move(write)) {}

void InputRecording::passRan() { count(Held::passes); }

void InputRecording::frameRan() { count(Held::frames); }

void InputRecording::ticked() { count(Held::ticks); }

void InputRecording::count(Held kind)
{
    if (held_ != kind || count_ == std::numeric_limits<uint32_t>::max())
        flush();
    held_ = kind;
    ++count_;
}

void InputRecording::moved(const char* input, uint32_t position)
{
    if (held_ != Held::move || movedInput_ != input)
        flush();
    held_ = Held::move;
    movedInput_ = input;
    position_ = position;
}

void InputRecording::happened(const std::string& line)
{
    flush();
    write(line);
}

bool InputRecording::flush()
{
    const Held held = held_;
    held_ = Held::nothing;
    if (held == Held::passes)
        write(passLine(count_));
    else if (held == Held::frames)
        write(frameLine(count_));
    else if (held == Held::ticks)
        write(tickLine(count_));
    else if (held == Held::move)
        write(inputLine(movedInput_.c_str(), position_));
    count_ = 0;
    return !failed_;
}

void InputRecording::write(const std::string& line)
{
    if (!failed_ && !write_(line))
        failed_ = true;
}
