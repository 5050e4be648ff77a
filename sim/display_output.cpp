// What the instrument's display shows: the frame buffer, the palette and
// the texts the firmware draws.
#include "display/framebuffer.h"
#include "display/text.h"
#include "sim/simulator.h"

static_assert(QS9_DISPLAY_WIDTH == displayWidth && QS9_DISPLAY_HEIGHT == displayHeight);

namespace {

Qs9TextObserver hostObserver;
void* hostContext;

void passTextOn(uint16_t startX, int16_t y, uint8_t fontSize, uint8_t colour, const char* text)
{
    hostObserver(hostContext, startX, y, fontSize, colour, text);
}

} // namespace

extern "C" {

uint8_t* qs9FrameBuffer(void) { return frameBuffer; }
const uint32_t* qs9Palette(void) { return palette.data(); }

void qs9ObserveTexts(Qs9TextObserver observer, void* context)
{
    hostObserver = observer;
    hostContext = context;
    textObserver = observer ? passTextOn : nullptr;
}

} // extern "C"
