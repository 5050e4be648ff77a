// The first way the panel was drawn: every lit frame-buffer pixel as one
// immediate-mode OpenGL point. Kept as the reference the texture presenter
// is measured against.
#pragma once

// Viewport and orthographic projection for a panel of the given size in
// pixels (161 x 121): pixel (x, y) lands on column x, row y + 1.
void setPointListProjection(int panelWidth, int panelHeight);

// Clears the panel and draws the frame buffer as points in palette colours,
// skipping black entries. The caller flushes and swaps.
void drawFrameAsPoints();
