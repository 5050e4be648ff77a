// The window's key and input tables as JSON, for the page to build the same
// click areas, buttons, shortcuts, sliders and check boxes from.
#include <emscripten/emscripten.h>

#include <string>

#include "sim/simulator.h"
#include "web/json_text.h"

namespace {

std::string jsonArea(const Qs9Rect& r)
{
    return "[" + std::to_string(r.left) + "," + std::to_string(r.top) + "," +
           std::to_string(r.width) + "," + std::to_string(r.height) + "]";
}

std::string field(const char* name, const std::string& value)
{
    return std::string("\"") + name + "\":" + value;
}

std::string keyJson(const Qs9Key& k)
{
    return "{" + field("key", std::to_string(k.key)) + "," + field("name", jsonText(k.name)) + "," +
           field("control", jsonText(k.control)) + "," + field("help", jsonText(k.help)) + "," +
           field("area", jsonArea(k.area)) + "," + field("caption", jsonText(k.caption)) + "," +
           field("shortcut", jsonText(k.shortcut)) + "," +
           field("wheelTurnsKnob", k.wheelTurnsKnob ? "true" : "false") + "," +
           field("wheelNotch", std::to_string(k.wheelNotch)) + "}";
}

std::string inputJson(const Qs9Input& i)
{
    return "{" + field("name", jsonText(i.name)) + "," +
           field("kind", i.kind == QS9_INPUT_SLIDER ? "\"slider\"" : "\"checkBox\"") + "," +
           field("maximum", std::to_string(i.maximum)) + "," + field("start", std::to_string(i.start)) +
           "," + field("page", jsonText(i.page)) + "," + field("caption", jsonText(i.caption)) + "," +
           field("control", jsonText(i.control)) + "," + field("valueLabel", jsonText(i.valueLabel)) +
           "," + field("area", jsonArea(i.area)) + "," +
           field("valueLabelLeft", std::to_string(i.valueLabelLeft)) + "}";
}

template <typename Row>
std::string jsonList(int count, const Row* (*rowAt)(int), std::string (*rowJson)(const Row&))
{
    std::string list = "[";
    for (int i = 0; i < count; ++i)
        list += (i ? "," : "") + rowJson(*rowAt(i));
    return list + "]";
}

} // namespace

extern "C" {

// {"keys": [...], "inputs": [...]}: every field of each table row, by the
// names sim/simulator.h gives them.
EMSCRIPTEN_KEEPALIVE const char* qs9WebControlTables(void)
{
    static const std::string tables =
        "{" + field("keys", jsonList(qs9KeyCount(), qs9KeyAt, keyJson)) + "," +
        field("inputs", jsonList(qs9InputCount(), qs9InputAt, inputJson)) + "}";
    return tables.c_str();
}

} // extern "C"
