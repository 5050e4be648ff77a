#include "core/keys_and_time.h"
#include "display/framebuffer.h"
#include "display/furniture.h"
#include "display/icons.h"
#include "display/text.h"

// Confirms an action and goes on to the screen its caller named.
void messageScreen()
{
    drawTitleBar("MESSAGE", "");
    drawText(110, 55, "DONE", 0, 16, 0, 15);
    drawRleBitmap(10, 45, warningIcon);
    leaveOnAnyKey(messageReturnScreen);
}

// Without a screen to go on to, a message goes home rather than nowhere.
void leaveOnAnyKey(ScreenHandler next)
{
    if (pendingKey == keyNone)
        return;
    currentScreen = next != nullptr ? next : homeScreen;
    pendingKey = keyNone;
}
