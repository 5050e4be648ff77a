// Panel1's OpenGL surface: shows the instrument's frame buffer, 160 x 120
// palette indices, on the 161 x 121 display panel of the window.
#pragma once
#include <QWindow>
#include <array>
#include <cstdint>
#include <memory>

class QOpenGLContext;

// A frame-buffer pixel as the panel shows it: 0xAARRGGBB with alpha 0 where
// the palette entry is 0 (such pixels are not drawn), else its exact colour.
using PanelPixels = std::array<uint32_t, 160 * 120>;
void frameBufferToPanelPixels(PanelPixels& out);

// Frame-buffer pixel (x, y) lands on panel column x, row y + 1; the panel's
// top row and rightmost column stay black. Each frame is one texture upload
// and one quad, sampled nearest, so pixels stay sharp at any scale.
class DisplayPresenter : public QWindow {
public:
    DisplayPresenter();
    ~DisplayPresenter() override;

    // Creates the rendering context and clears the panel; failures are
    // reported in a message box and leave the panel black.
    void setUp();
    // One main-loop presentation: draw the frame buffer and swap buffers.
    void present();
    // The same only when the frame buffer shows another picture than the
    // one presented last (a paced loop redraws the same one many times).
    void presentChanged();
    // Releases the rendering context; later presentations do nothing.
    void tearDown();

    uint64_t framesPresented() const { return presentedFrames; }
    // The panel's context made current, or nullptr without one.
    QOpenGLContext* makeCurrent();

protected:
    // Repaint: shows the last presented frame again (black before the first),
    // never a frame buffer drawn since; the instrument may be on or off.
    void exposeEvent(QExposeEvent* event) override;

private:
    // The frame buffer into the panel's texture.
    void uploadFrame();
    // The texture onto the panel's back buffer.
    void drawLastFrame();
    void applyProjection();
    void swap();

    std::unique_ptr<QOpenGLContext> context;
    bool contextReady = false;
    unsigned texture = 0;
    QSize projectedSize; // device pixels the projection was set for
    uint64_t presentedFrames = 0;
    PanelPixels pixels{};
    PanelPixels nextPixels{}; // presentChanged's picture, to compare
};
