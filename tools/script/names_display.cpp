#include "display/furniture.h"
#include "display/text.h"
#include "tools/script/named_values.h"

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
    };
    return names;
}
