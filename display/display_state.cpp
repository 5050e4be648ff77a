#include "display/display_state.h"

#include "display/bar_graphs.h"
#include "display/framebuffer.h"
#include "display/furniture.h"
#include "display/text.h"
#include "display/trig.h"

void resetDisplayState()
{
    clearFrameBuffer();
    textStartX = textEndX = 0;
    textObserver = nullptr;
    menuCursor = menuTop = menuEditing = 0;
    editStep = 0;
    codeScratch = 0;
    messageReturnScreen = nullptr;
    barGraph = BarGraph{};
    for (int i = 0; i < trigTableSize; ++i)
        sinTablePositive[i] = sinTableNegative[i] = cosTablePositive[i] = cosTableNegative[i] = 0.0f;
}
