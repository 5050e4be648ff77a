// The instrument's display memory: a 160 x 120 picture of palette indices,
// the 256-colour palette, and the drawing primitives every screen uses.
#pragma once
#include <array>
#include <cstdint>

constexpr int displayWidth = 160;
constexpr int displayHeight = 120;
constexpr int frameBufferSize = displayWidth * displayHeight;

// Row-major: pixel (x, y) is byte x + 160 * y. Index 0 is black (unlit).
using FrameBuffer = uint8_t[frameBufferSize];
// 0x00RRGGBB per index.
using Palette = std::array<uint32_t, 256>;

extern FrameBuffer frameBuffer;
extern const Palette palette;

// Run-length-coded image: u16 width, u16 height (little-endian), then packets.
using RleImage = const uint8_t*;

void clearFrameBuffer();
void setPixel(int16_t x, int16_t y, uint8_t colour);
void drawLine(int16_t x0, int16_t y0, int16_t x1, int16_t y1, uint8_t colour);
void drawThickLine(int16_t x0, int16_t y0, int16_t x1, int16_t y1, uint8_t colour);
void drawHLine(int16_t x0, int16_t x1, int16_t y, uint8_t colour);
void drawVLine(int16_t y0, int16_t y1, int16_t x, uint8_t colour);
void drawRect(int16_t x0, int16_t y0, int16_t x1, int16_t y1, uint8_t colour);
void fillRect(int16_t x0, int16_t y0, int16_t x1, int16_t y1, uint8_t colour);
void drawRleBitmap(int16_t x, int16_t y, RleImage image);
