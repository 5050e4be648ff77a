#include "display/display_state.h"

#include "display/framebuffer.h"
#include "display/furniture.h"
#include "display/text.h"

void resetDisplayState()
{
    clearFrameBuffer();
    textStartX = textEndX = 0;
    textObserver = nullptr;
    menuCursor = menuTop = menuEditing = 0;
    editStep = 0;
    codeScratch = 0;
    messageReturnScreen = nullptr;
}
