#include "core/keys_and_time.h"
#include "display/framebuffer.h"
#include "display/furniture.h"
#include "display/icons.h"
#include "display/text.h"

// Confirms an action; any key, the knob's turns included, goes on to the
// screen its caller named. Without one it goes home rather than nowhere.
void messageScreen()
{
    drawTitleBar("MESSAGE", "");
    drawText(110, 55, "DONE", 0, 16, 0, 15);
    drawRleBitmap(10, 45, warningIcon);
    if (pendingKey != 0) {
        currentScreen = messageReturnScreen ? messageReturnScreen : homeScreen;
        pendingKey = 0;
    }
}
