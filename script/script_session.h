// The state a script carries from line to line, and the options it runs with.
#pragma once
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "script/input_sink.h"

class InstrumentTime;
class MemoryKeeper;
class MemoryStore;
class MovieRecording;
class WallClock;
struct Lesson;

// A bad line: what is wrong with it. The runner adds the line number: the
// one running, or `line` when the fault lies in another (a lesson's step
// whose condition is missing shows only where the step ends).
struct ScriptError {
    std::string message;
    unsigned line = 0;
};

// One drawText call as the display recorded it.
struct DrawnText {
    uint16_t startX;
    int16_t y;
    uint8_t fontSize;
    uint8_t colour;
    std::string text;
};

struct ScriptOptions {
    std::filesystem::path folder;  // where relative file names start; empty: the current directory
    bool confineFiles = false;     // refuse files outside folder
    bool update = false;           // "compare" (re)writes its reference picture
    uint64_t stepLimit = 0;        // passes and ticks a script may run; 0: no limit
    // Sees the full name of every file before it is written.
    std::function<void(const std::filesystem::path&)> beforeWrite;
    InputSink* inputs = nullptr;   // where the inputs go; nullptr: the firmware
    bool checkingLessons = false;  // a lesson's step must not be done before its solution
    // Sees every lesson that ran, with its steps' paths.
    std::function<void(const Lesson&)> lessonRan;
    bool liveLinks = true;         // "live" may listen for a flight simulator
    WallClock* wallClock = nullptr; // the real pace of a live run; nullptr: the system's clock
    // Where "memory FILE" keeps the memory, given the file's full name (it
    // may refuse it with a ScriptError); empty: in that file.
    std::function<std::unique_ptr<MemoryStore>(const std::filesystem::path&)> memoryStore;
};

class ScriptSession {
public:
    ScriptSession(std::ostream& output, std::ostream& errors, ScriptOptions options);
    ~ScriptSession();

    std::ostream& out;
    std::ostream& err;
    const ScriptOptions options;
    unsigned lineNumber = 0;
    InputSink& inputs;             // options.inputs, or the firmware
    std::vector<DrawnText> texts;  // drawn by the last pass

    // A failed expectation: "line N: message" on the error stream; the
    // script goes on.
    void expectationFailed(const std::string& message);
    unsigned failedExpectations() const { return failedExpectations_; }
    const std::string& firstFailure() const { return firstFailure_; }

    // A file the script names, from the folder; a file to write also passes
    // the confinement and beforeWrite.
    std::filesystem::path fileToRead(std::string_view name) const;
    std::filesystem::path fileToWrite(std::string_view name) const;
    // A file to read that is confined like one to write (a track).
    std::filesystem::path dataFileToRead(std::string_view name) const;

    // Something to say that is no failure (a track value clamped): "line N:
    // message" on the error stream.
    void note(const std::string& message);
    // The instrument clock, and what moves the senders over it.
    InstrumentTime& time() { return *time_; }

    // One pass or tick against the step limit; a bad line once it is used up.
    void countStep();
    // After each pass: the frame for a movie being recorded, and the
    // observer's call.
    void passDrawn();
    std::function<void()> passObserver;
    void ticked();

    void startMovie(std::string_view file);
    bool recordingMovie() const { return movie_ != nullptr; }
    // Writes the movie being recorded and stops recording.
    void endMovie();
    // Writes the flight log being kept and stops keeping it.
    void endLog();

    // "memory FILE": the instrument memory on, kept in the file. What it
    // says goes to the output as "memory: ..." lines; a write that fails is
    // a failed expectation.
    void keepMemoryIn(std::string_view file);
    // The end of the script: the write that is due, as at close.
    void closeMemory();

private:
    void confine(std::string_view name) const;

    FirmwareInputs firmware_;
    unsigned failedExpectations_ = 0;
    std::string firstFailure_;
    uint64_t steps_ = 0;
    std::unique_ptr<MovieRecording> movie_;
    std::filesystem::path moviePath_;
    std::unique_ptr<InstrumentTime> time_;
    std::filesystem::path memoryPath_;
    std::unique_ptr<MemoryStore> memoryStore_;
    std::unique_ptr<MemoryKeeper> memory_; // destroyed before its store
};
