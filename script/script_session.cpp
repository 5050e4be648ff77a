#include "script/script_session.h"

#include "script/display_pictures.h"
#include "script/instrument_time.h"
#include "script/memory_file.h"
#include "script/memory_keeper.h"
#include "script/script_files.h"
#include "script/movie_frames.h"
#include "sim/simulator.h"
#include "sim/user_text.h"

namespace fs = std::filesystem;

void FirmwareInputs::powerOn()
{
    memory_ ? memory_->powerOn(false) : qs9PowerOn();
    on_ = true;
}

void FirmwareInputs::powerOff()
{
    memory_ ? memory_->powerOff() : qs9PowerOff();
    on_ = false;
}

ScriptSession::ScriptSession(std::ostream& output, std::ostream& errors, ScriptOptions scriptOptions)
    : out(output), err(errors), options(std::move(scriptOptions)),
      inputs(options.inputs ? *options.inputs : firmware_), time_(std::make_unique<InstrumentTime>())
{
}

ScriptSession::~ScriptSession() = default;

void ScriptSession::expectationFailed(const std::string& message)
{
    const std::string line = "line " + std::to_string(lineNumber) + ": " + message;
    if (failedExpectations_++ == 0)
        firstFailure_ = line;
    out.flush();
    err << line << '\n';
}

fs::path ScriptSession::fileToRead(std::string_view name) const
{
    if (name.find('\0') != std::string_view::npos)
        throw ScriptError{"bad file name " + quotedText(name)};
    return options.folder.empty() ? fs::path(name) : options.folder / fs::path(name);
}

// With the files confined, a name must name a file inside the folder:
// relative, never climbing above it, not the folder itself.
void ScriptSession::confine(std::string_view name) const
{
    if (!options.confineFiles)
        return;
    const fs::path inside = fs::path(name).lexically_normal();
    const fs::path last = inside.filename();
    if (inside.is_absolute() || inside.empty() || *inside.begin() == ".." || last.empty() || last == "." ||
        last == "..")
        throw ScriptError{"file " + quotedText(name) + " is outside the script's folder"};
}

fs::path ScriptSession::dataFileToRead(std::string_view name) const
{
    const fs::path file = fileToRead(name);
    confine(name);
    return file;
}

fs::path ScriptSession::fileToWrite(std::string_view name) const
{
    const fs::path file = fileToRead(name);
    confine(name);
    if (options.beforeWrite)
        options.beforeWrite(file);
    return file;
}

void ScriptSession::note(const std::string& message)
{
    out.flush();
    err << "line " << lineNumber << ": " << message << '\n';
}

void ScriptSession::countStep()
{
    if (options.stepLimit != 0 && ++steps_ > options.stepLimit)
        throw ScriptError{"the limit of " + std::to_string(options.stepLimit) +
                          " passes and ticks is used up"};
}

void ScriptSession::passDrawn()
{
    if (movie_)
        movie_->addPass(qs9FrameBuffer());
    if (passObserver)
        passObserver();
}

void ScriptSession::ticked()
{
    if (movie_)
        movie_->addTick();
    if (memory_)
        memory_->poll();
}

void ScriptSession::startMovie(std::string_view file)
{
    if (movie_)
        throw ScriptError{"a movie is being recorded already: \"movie end\" first"};
    moviePath_ = fileToWrite(file);
    movie_ = std::make_unique<MovieRecording>();
}

void ScriptSession::endMovie()
{
    if (!movie_)
        throw ScriptError{"no movie is being recorded: \"movie FILE\" first"};
    const std::unique_ptr<MovieRecording> movie = std::move(movie_);
    const std::string path = moviePath_.string();
    if (movie->empty())
        throw ScriptError{"no pass ran for the movie " + quotedText(path)};
    const std::string fault = writeDisplayGif(path, movie->timedFrames(), qs9Palette());
    if (!fault.empty())
        throw ScriptError{"cannot write " + quotedText(path) + ": " + fault};
}

void ScriptSession::endLog()
{
    if (!time_->logging())
        throw ScriptError{"no flight log is being kept: \"log FILE NAME...\" first"};
    const std::string path = time_->logFile().string();
    const std::string fault = writeFileSafely(path, time_->endLog());
    if (!fault.empty())
        throw ScriptError{"cannot write " + quotedText(path) + ": " + fault};
}

void ScriptSession::keepMemoryIn(std::string_view file)
{
    if (memory_)
        throw ScriptError{"the memory is kept in " + quotedText(memoryPath_.string()) +
                          " already: one memory a script"};
    memoryPath_ = fileToWrite(file);
    memoryStore_ = options.memoryStore ? options.memoryStore(memoryPath_)
                                       : std::make_unique<MemoryFile>(memoryPath_.string());
    memory_ = std::make_unique<MemoryKeeper>(*memoryStore_, [this](const std::string& message, MemoryNews news) {
        if (news == MemoryNews::failure)
            return expectationFailed(message);
        out << "memory: " << message << '\n';
    });
    firmware_.keepMemory(memory_.get());
    memory_->keepSettings(true);
}

void ScriptSession::closeMemory()
{
    if (memory_)
        memory_->poll(true);
}
