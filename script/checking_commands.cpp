// Checks of what the last pass showed (a failed one is reported and the
// script goes on), and movies of the passes.
#include <functional>
#include <numeric>
#include <string>
#include <vector>

#include "script/display_pictures.h"
#include "script/expectations.h"
#include "script/script_arguments.h"
#include "script/script_commands.h"
#include "sim/simulator.h"
#include "sim/user_text.h"

namespace {

constexpr size_t displayPixels = QS9_DISPLAY_WIDTH * QS9_DISPLAY_HEIGHT;

void expect(ScriptSession& session, Arguments arguments)
{
    if (const std::string fault = expectationFault(arguments, session.texts); !fault.empty())
        session.expectationFailed(fault);
}

// "home.png" -> "home.actual.png"
std::string besideReference(const std::string& reference, const char* kind)
{
    const std::string stem = reference.ends_with(".png") ? reference.substr(0, reference.size() - 4) : reference;
    return stem + "." + kind + ".png";
}

// The display after the last pass, colour by colour.
std::vector<uint32_t> displayColours()
{
    std::vector<uint32_t> colours(displayPixels);
    const uint8_t* frame = qs9FrameBuffer();
    for (size_t i = 0; i < displayPixels; ++i)
        colours[i] = qs9Palette()[frame[i]];
    return colours;
}

// Black where both agree on black, dark grey where they agree on a colour,
// red where they differ.
std::vector<uint8_t> differenceFrame(const std::vector<uint32_t>& shown, const std::vector<uint32_t>& reference)
{
    std::vector<uint8_t> marks(displayPixels);
    for (size_t i = 0; i < displayPixels; ++i)
        marks[i] = shown[i] != reference[i] ? 2 : shown[i] != 0 ? 1 : 0;
    return marks;
}

const uint32_t* differencePalette()
{
    static const auto colours = [] {
        std::vector<uint32_t> palette(256, 0);
        palette[1] = 0x303030;
        palette[2] = 0xFF0000;
        return palette;
    }();
    return colours.data();
}

// Writes one picture beside the reference; says what became of it.
std::string writeBeside(ScriptSession& session, const std::string& name, const uint8_t* frame,
                        const uint32_t* palette)
{
    const std::string file = session.fileToWrite(name).string();
    const std::string fault = writeDisplayPng(file, frame, palette);
    return fault.empty() ? "wrote " + quotedText(file) : "cannot write " + quotedText(file) + ": " + fault;
}

size_t differingPixels(const std::vector<uint32_t>& shown, const std::vector<uint32_t>& reference)
{
    return std::inner_product(shown.begin(), shown.end(), reference.begin(), size_t(0), std::plus<>(),
                              std::not_equal_to<>());
}

void compare(ScriptSession& session, Arguments arguments)
{
    const std::string& reference = arguments[0];
    if (session.options.update)
        return writeDisplayPicture(session, reference);
    std::vector<uint32_t> expected;
    const std::string fault = readDisplayPng(session.fileToRead(reference).string(), expected);
    const std::vector<uint32_t> colours = displayColours();
    const size_t differing = fault.empty() ? differingPixels(colours, expected) : 0;
    if (fault.empty() && differing == 0)
        return;
    const std::string actual =
        writeBeside(session, besideReference(reference, "actual"), qs9FrameBuffer(), qs9Palette());
    if (!fault.empty())
        return session.expectationFailed("cannot compare with " + quotedText(reference) + ": " + fault +
                                         "; " + actual);
    const std::string diff = writeBeside(session, besideReference(reference, "diff"),
                                         differenceFrame(colours, expected).data(), differencePalette());
    session.expectationFailed("the display differs from " + quotedText(reference) + " in " +
                              std::to_string(differing) + " pixels; " + actual + ", " + diff);
}

void movie(ScriptSession& session, Arguments arguments)
{
    if (arguments[0] == "end")
        session.endMovie();
    else
        session.startMovie(arguments[0]);
}

constexpr CommandKind output = CommandKind::output;

const ScriptCommand commands[] = {
    {"expect", "expect NAME VALUE | expect text \"TEXT\" [X Y [FONT [COLOUR]]] | expect pixel X Y INDEX", 2, 6,
     output, expect, true},
    {"compare", "compare FILE", 1, 1, output, compare},
    {"movie", "movie FILE | movie end", 1, 1, output, movie},
};

} // namespace

std::span<const ScriptCommand> checkingCommands() { return commands; }
