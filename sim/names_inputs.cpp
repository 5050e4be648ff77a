// Where each control of the input table stands, as the named values
// "input.flow1", "input.vrax", ...: what a lesson's step asks a slider or a
// box to be moved to.
#include <string>
#include <vector>

#include "sim/named_values.h"
#include "sim/simulator.h"

namespace {

std::string positionOf(const void* input)
{
    uint32_t position = 0;
    qs9InputPosition(static_cast<const Qs9Input*>(input)->name, &position);
    return std::to_string(position);
}

} // namespace

std::span<const NamedValue> inputNames()
{
    static const std::vector<std::string> names = [] {
        std::vector<std::string> list;
        for (int i = 0; i < qs9InputCount(); ++i)
            list.push_back(std::string("input.") + qs9InputAt(i)->name);
        return list;
    }();
    static const std::vector<NamedValue> values = [] {
        std::vector<NamedValue> list;
        for (int i = 0; i < qs9InputCount(); ++i)
            list.push_back(namedText(names[size_t(i)].c_str(), qs9InputAt(i), positionOf));
        return list;
    }();
    return values;
}
