// The runner's commands: the window's controls, power cycle and main loop,
// and what a script reads back from the firmware.
#include "tools/script/script_commands.h"

#include <png.h>

#include <cstdint>
#include <string>

#include "core/keys_and_time.h"
#include "display/framebuffer.h"
#include "display/text.h"
#include "host/front_panel.h"
#include "host/power_cycle.h"

namespace {

uint32_t countOrOne(Arguments arguments, const char* what)
{
    return arguments.empty() ? 1 : parseNumber(arguments[0], what);
}

std::string quoted(std::string_view text) { return "\"" + std::string(text) + "\""; }

void powerOn(ScriptSession& session, Arguments)
{
    powerOnSequence();
    session.running = true;
}

void powerOffCommand(ScriptSession& session, Arguments)
{
    powerOff = 1;
    session.running = false;
}

// The texts of the pass that is running; drawText reports each call here.
std::vector<DrawnText>* recordedTexts;

void recordText(uint16_t startX, int16_t y, uint8_t fontSize, uint8_t colour, const char* text)
{
    recordedTexts->push_back({startX, y, fontSize, colour, text ? text : ""});
}

void pass(ScriptSession& session, Arguments arguments)
{
    const uint32_t passes = countOrOne(arguments, "pass count");
    if (!session.running)
        throw ScriptError{"pass while the instrument is off: \"on\" first"};
    const TextObserver previousObserver = textObserver;
    recordedTexts = &session.texts;
    textObserver = recordText;
    for (uint32_t n = 0; n < passes; ++n) {
        session.texts.clear();
        firmwarePass(session.vraxChecked);
    }
    textObserver = previousObserver;
    recordedTexts = nullptr;
}

void key(ScriptSession&, Arguments arguments)
{
    const std::string name(arguments[0]);
    for (const FrontPanelKey& panelKey : frontPanelKeys())
        if (name == panelKey.scriptName || name == std::to_string(panelKey.key)) {
            postKey(panelKey.key);
            return;
        }
    throw ScriptError{"unknown key " + quoted(name) +
                      ": left, right, press, plus, minus or 1..5"};
}

void tick(ScriptSession&, Arguments arguments)
{
    const uint32_t ticks = countOrOne(arguments, "tick count");
    for (uint32_t n = 0; n < ticks; ++n)
        timeBaseTick();
}

// "flow1, level1, ... or vraxpressure", from the window's table of controls.
std::string sliderNames()
{
    std::string names;
    const auto all = sensorSliders();
    for (size_t i = 0; i < all.size(); ++i)
        names += std::string(i == 0 ? "" : i + 1 == all.size() ? " or " : ", ") + all[i].scriptName;
    return names;
}

void slider(ScriptSession&, Arguments arguments)
{
    const SensorSlider* sensor = findSlider(std::string(arguments[0]).c_str());
    if (!sensor)
        throw ScriptError{"unknown slider " + quoted(arguments[0]) + ": " + sliderNames()};
    const uint32_t position = parseNumber(arguments[1], "slider value");
    if (position > sensor->maximum)
        throw ScriptError{"slider value " + std::to_string(position) + " out of range 0.." +
                          std::to_string(sensor->maximum) + " for " + sensor->scriptName};
    sensor->write(static_cast<uint16_t>(position));
}

void vraxBox(ScriptSession& session, Arguments arguments)
{
    if (arguments[0] != "on" && arguments[0] != "off")
        throw ScriptError{"vrax takes on or off, not " + quoted(arguments[0])};
    session.vraxChecked = arguments[0] == "on";
}

void print(ScriptSession& session, Arguments arguments)
{
    std::string lines;
    for (std::string_view name : arguments)
        lines += printedValue(name) + '\n';
    session.out << lines;
}

// Quotes and backslashes escaped, bytes outside printable ASCII as \xNN.
std::string escapedText(const std::string& text)
{
    static const char hex[] = "0123456789ABCDEF";
    std::string escaped;
    for (unsigned char c : text) {
        if (c == '"' || c == '\\')
            escaped += {'\\', static_cast<char>(c)};
        else if (c < 0x20 || c > 0x7e)
            escaped += {'\\', 'x', hex[c >> 4], hex[c & 15]};
        else
            escaped += static_cast<char>(c);
    }
    return escaped;
}

void texts(ScriptSession& session, Arguments)
{
    for (const DrawnText& t : session.texts)
        session.out << t.startX << ' ' << t.y << ' ' << unsigned(t.fontSize) << ' '
                    << unsigned(t.colour) << " \"" << escapedText(t.text) << "\"\n";
}

uint32_t coordinate(std::string_view text, const char* what, int size)
{
    const uint32_t value = parseNumber(text, what);
    if (value >= uint32_t(size))
        throw ScriptError{std::string(what) + " " + std::to_string(value) + " out of range 0.." +
                          std::to_string(size - 1)};
    return value;
}

void pixel(ScriptSession& session, Arguments arguments)
{
    const uint32_t x = coordinate(arguments[0], "x", displayWidth);
    const uint32_t y = coordinate(arguments[1], "y", displayHeight);
    session.out << x << ' ' << y << " = " << unsigned(frameBuffer[x + displayWidth * y]) << '\n';
}

void shot(ScriptSession&, Arguments arguments)
{
    std::vector<png_byte> rgb;
    rgb.reserve(frameBufferSize * 3);
    for (uint8_t index : frameBuffer)
        for (int shift : {16, 8, 0})
            rgb.push_back(static_cast<png_byte>(palette[index] >> shift));
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    image.width = displayWidth;
    image.height = displayHeight;
    image.format = PNG_FORMAT_RGB;
    const std::string file(arguments[0]);
    if (!png_image_write_to_file(&image, file.c_str(), 0, rgb.data(), 0, nullptr))
        throw ScriptError{"cannot write " + quoted(file) + ": " + image.message};
}

const ScriptCommand commands[] = {
    {"on", "on", 0, 0, powerOn},
    {"off", "off", 0, 0, powerOffCommand},
    {"pass", "pass [N]", 0, 1, pass},
    {"key", "key left|right|press|plus|minus|1..5", 1, 1, key},
    {"tick", "tick [N]", 0, 1, tick},
    {"slider", "slider flow1|level1|flow2|level2|pressure VALUE", 2, 2, slider},
    {"vrax", "vrax on|off", 1, 1, vraxBox},
    {"print", "print NAME...", 1, SIZE_MAX, print},
    {"texts", "texts", 0, 0, texts},
    {"pixel", "pixel X Y", 2, 2, pixel},
    {"shot", "shot FILE", 1, 1, shot},
};

} // namespace

std::span<const ScriptCommand> scriptCommands() { return commands; }
