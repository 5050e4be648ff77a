// Draws the icons and the screen furniture into the frame buffer and saves
// them as pictures, four screen pixels to a side, for checking by eye.
// Usage: qs9_display_pictures OUTPUT_DIRECTORY
#include <png.h>

#include <cstdio>
#include <iostream>
#include <string>
#include <vector>

#include "display/framebuffer.h"
#include "display/furniture.h"
#include "display/icons.h"
#include "display/trig.h"

namespace {

constexpr int zoom = 4;

// The frame buffer through the palette, rows y0..y1, enlarged by zoom.
bool savePicture(const std::string& path, int y0, int y1)
{
    FILE* file = std::fopen(path.c_str(), "wb");
    if (!file)
        return false;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        std::fclose(file);
        return false;
    }
    png_init_io(png, file);
    png_set_IHDR(png, info, displayWidth * zoom, (y1 - y0 + 1) * zoom, 8, PNG_COLOR_TYPE_RGB,
                 PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    std::vector<png_byte> row(displayWidth * zoom * 3);
    for (int y = y0; y <= y1; ++y) {
        for (int x = 0; x < displayWidth * zoom; ++x) {
            const uint32_t rgb = palette[frameBuffer[x / zoom + displayWidth * y]];
            row[3 * x] = static_cast<png_byte>(rgb >> 16);
            row[3 * x + 1] = static_cast<png_byte>(rgb >> 8);
            row[3 * x + 2] = static_cast<png_byte>(rgb);
        }
        for (int i = 0; i < zoom; ++i)
            png_write_row(png, row.data());
    }
    png_write_end(png, info);
    png_destroy_write_struct(&png, &info);
    return std::fclose(file) == 0;
}

// All five icons, three to a row, on the black display.
void drawIconSheet()
{
    clearFrameBuffer();
    drawRleBitmap(2, 2, warningIcon);
    drawRleBitmap(55, 2, questionIcon);
    drawRleBitmap(108, 2, fuelPumpIcon);
    drawRleBitmap(2, 57, miscIcon);
    drawRleBitmap(55, 57, adcIcon);
}

// A menu frame: title bar, three rows with the cursor on the second, scroll
// bar, and the soft-key bar with "EXIT" and the knob symbol.
void drawMenuFrame()
{
    clearFrameBuffer();
    menuTop = 0;
    menuCursor = 1;
    menuEditing = 0;
    drawTitleBar("MISC", "SETUP");
    drawMenuRow(0, "BACKLIGHT", "");
    drawMenuRow(1, "SECURITY", "");
    drawMenuRow(2, "INFORMATION", "");
    drawMenuScrollBar(menuCursor, 4);
    drawSoftKeys(softKeyExit);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::cerr << "usage: qs9_display_pictures OUTPUT_DIRECTORY\n";
        return 2;
    }
    const std::string directory = argv[1];
    buildTrigTables();
    drawIconSheet();
    bool saved = savePicture(directory + "/icons.png", 0, 108);
    drawMenuFrame();
    saved = savePicture(directory + "/furniture.png", 0, displayHeight - 1) && saved;
    if (!saved)
        std::cerr << "cannot write the pictures into " << directory << "\n";
    return saved ? 0 : 1;
}
