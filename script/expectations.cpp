#include "script/expectations.h"

#include <algorithm>

#include "script/script_arguments.h"
#include "sim/simulator.h"
#include "sim/user_text.h"

namespace {

// A text's start x, y, font and colour, as texts prints them.
std::vector<int64_t> placeOf(const DrawnText& text) { return {text.startX, text.y, text.fontSize, text.colour}; }

std::string joined(const std::vector<int64_t>& numbers)
{
    std::string text;
    for (const int64_t number : numbers)
        text += (text.empty() ? "" : " ") + std::to_string(number);
    return text;
}

// The fields of the place given: x and y, then font, then colour.
std::vector<int64_t> givenPlace(Arguments place)
{
    if (place.size() == 1)
        throw ScriptError{"expect text takes X and Y together; usage: expect text \"TEXT\" [X Y [FONT [COLOUR]]]"};
    const char* const what[] = {"x", "y", "font", "colour"};
    std::vector<int64_t> fields;
    for (size_t i = 0; i < place.size(); ++i)
        fields.push_back(parseNumber(place[i], what[i]));
    return fields;
}

std::string textFault(Arguments arguments, std::span<const DrawnText> texts)
{
    const std::string& wanted = arguments[1];
    const std::vector<int64_t> place = givenPlace(arguments.subspan(2));
    const auto drawnAs = [&](const std::vector<int64_t>& fields) {
        return std::find_if(texts.begin(), texts.end(), [&](const DrawnText& t) {
            const std::vector<int64_t> actual = placeOf(t);
            return t.text == wanted && std::equal(fields.begin(), fields.end(), actual.begin());
        });
    };
    if (drawnAs(place) != texts.end())
        return "";
    const auto sameText = drawnAs({});
    const std::string text = "text " + quotedText(wanted);
    if (sameText == texts.end())
        return text + " not drawn by the last pass";
    return text + " drawn at " + joined(placeOf(*sameText)) + ", expected " + joined(place);
}

std::string pixelFault(Arguments arguments)
{
    if (arguments.size() != 4)
        throw ScriptError{"usage: expect pixel X Y INDEX"};
    const DisplayPoint point = displayPoint(arguments[1], arguments[2]);
    const uint32_t index = parseNumber(arguments[3], "palette index");
    if (index > 255)
        throw ScriptError{"palette index " + std::to_string(index) + " out of range 0..255"};
    if (point.index == index)
        return "";
    return "pixel " + std::to_string(point.x) + " " + std::to_string(point.y) + " = " +
           std::to_string(point.index) + ", expected " + std::to_string(index);
}

} // namespace

std::string expectationFault(Arguments arguments, std::span<const DrawnText> texts)
{
    if (arguments[0] == "text")
        return textFault(arguments, texts);
    if (arguments[0] == "pixel")
        return pixelFault(arguments);
    if (arguments.size() != 2)
        throw ScriptError{"too many arguments; usage: expect NAME VALUE"};
    const std::string actual = formattedValue(arguments[0]);
    if (actual == arguments[1])
        return "";
    return arguments[0] + " = " + actual + ", expected " + shownText(arguments[1]);
}

std::vector<DrawnText> lastPassTexts()
{
    std::vector<DrawnText> texts;
    Qs9PassText text{};
    for (int i = 0; qs9PassTextAt(i, &text) == QS9_OK; ++i)
        texts.push_back({text.startX, text.y, text.fontSize, text.colour, text.text});
    return texts;
}
