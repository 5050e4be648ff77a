#include "display/bar_graphs.h"
#include "display/furniture.h"
#include "display/text.h"
#include "display/trig.h"
#include "sim/named_values.h"

std::span<const NamedValue> displayNames()
{
    static const NamedValue names[] = {
        named("textStartX", textStartX),
        named("textEndX", textEndX),
        named("menuCursor", menuCursor),
        named("menuTop", menuTop),
        named("menuEditing", menuEditing),
        named("editStep", editStep),
        named("codeScratch", codeScratch),
        named("messageReturnScreen", messageReturnScreen),
        named("barGraph.x", barGraph.x),
        named("barGraph.y", barGraph.y),
        named("barGraph.width", barGraph.width),
        named("barGraph.height", barGraph.height),
        named("barGraph.marker", barGraph.marker),
        named("barGraph.max", barGraph.max),
        named("barGraph.min", barGraph.min),
        named("barGraph.limit1", barGraph.limit1),
        named("barGraph.limit2", barGraph.limit2),
        named("barGraph.limit3", barGraph.limit3),
        named("barGraph.limit4", barGraph.limit4),
        signedTable("sinTable", sinTablePositive, sinTableNegative),
        signedTable("cosTable", cosTablePositive, cosTableNegative),
    };
    return names;
}
