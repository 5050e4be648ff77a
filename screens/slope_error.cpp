// SLOPE ERROR: calibration points that do not run one way. Any key goes back
// to the points as they were.
#include "display/framebuffer.h"
#include "display/furniture.h"
#include "display/icons.h"
#include "display/text.h"
#include "screens/pressure_setup.h"

ScreenHandler slopeErrorReturnScreen;

void slopeErrorScreen()
{
    drawTitleBar("MESSAGE", "");
    drawText(110, 48, "SLOPE", 0, 12, 0, 15);
    drawText(110, 70, "ERROR", 0, 12, 0, 15);
    drawRleBitmap(10, 45, warningIcon);
    leaveOnAnyKey(slopeErrorReturnScreen);
}
