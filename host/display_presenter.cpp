#include "host/display_presenter.h"

#include <QCoreApplication>
#include <QExposeEvent>
#include <QMessageBox>
#include <QOpenGLContext>
#include <GL/gl.h>
#include <vector>

#include "sim/simulator.h"

namespace {

// The texture is allocated at power-of-two size so that plain OpenGL 1.1
// can hold it; the frame occupies its top-left 160 x 120 texels.
constexpr int textureWidth = 256;
constexpr int textureHeight = 128;
constexpr int displayWidth = QS9_DISPLAY_WIDTH;
constexpr int displayHeight = QS9_DISPLAY_HEIGHT;
constexpr float frameS = float(displayWidth) / textureWidth;
constexpr float frameT = float(displayHeight) / textureHeight;

void reportFailure(const char* text)
{
    QMessageBox::warning(nullptr, QCoreApplication::applicationName(), QString::fromLatin1(text));
}

// The palette as texels, alpha 0 for black entries so the alpha test skips them.
std::array<uint32_t, 256> panelColours()
{
    const uint32_t* palette = qs9Palette();
    std::array<uint32_t, 256> colours{};
    for (size_t i = 0; i < colours.size(); ++i)
        colours[i] = palette[i] == 0 ? 0 : 0xFF000000u | palette[i];
    return colours;
}

} // namespace

void frameBufferToPanelPixels(PanelPixels& out)
{
    static const std::array<uint32_t, 256> colours = panelColours();
    const uint8_t* frame = qs9FrameBuffer();
    for (size_t i = 0; i < out.size(); ++i)
        out[i] = colours[frame[i]];
}

DisplayPresenter::DisplayPresenter()
{
    setSurfaceType(QSurface::OpenGLSurface);
    // Double-buffered, with the platform's own swap interval.
    QSurfaceFormat format = QSurfaceFormat::defaultFormat();
    format.setRenderableType(QSurfaceFormat::OpenGL);
    format.setProfile(QSurfaceFormat::CompatibilityProfile);
    format.setDepthBufferSize(24);
    setFormat(format);
}

DisplayPresenter::~DisplayPresenter() { tearDown(); }

void DisplayPresenter::setUp()
{
    create();
    context = std::make_unique<QOpenGLContext>();
    context->setFormat(requestedFormat());
    if (!context->create()) {
        reportFailure("Creating Rendering Context failed.");
        context.reset();
        return;
    }
    if (!context->makeCurrent(this)) {
        reportFailure("MakeCurrent of rendering context failed.");
        return;
    }
    contextReady = true;
    glClearColor(0.0f, 0.0f, 0.0f, 0.0f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);

    glGenTextures(1, &texture);
    glBindTexture(GL_TEXTURE_2D, texture);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    // All texels transparent: until the first presentation the panel is black.
    const std::vector<uint32_t> transparent(textureWidth * textureHeight, 0);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, textureWidth, textureHeight, 0, GL_BGRA,
                 GL_UNSIGNED_INT_8_8_8_8_REV, transparent.data());
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_REPLACE);
    glAlphaFunc(GL_GREATER, 0.0f);
}

void DisplayPresenter::tearDown()
{
    if (!context)
        return;
    if (makeCurrent() && texture != 0)
        glDeleteTextures(1, &texture);
    texture = 0;
    context->doneCurrent();
    context.reset();
    contextReady = false;
}

QOpenGLContext* DisplayPresenter::makeCurrent()
{
    if (!contextReady || !context->makeCurrent(this))
        return nullptr;
    return context.get();
}

void DisplayPresenter::present()
{
    if (!makeCurrent())
        return;
    uploadFrame();
    drawLastFrame();
    swap();
    ++presentedFrames;
}

void DisplayPresenter::presentChanged()
{
    frameBufferToPanelPixels(nextPixels);
    if (presentedFrames == 0 || nextPixels != pixels)
        present();
}

void DisplayPresenter::swap()
{
    glFlush();
    if (isExposed())
        context->swapBuffers(this);
}

// The texture still holds the last presented frame: a repaint shows it
// again, whether the instrument runs or not.
void DisplayPresenter::exposeEvent(QExposeEvent*)
{
    if (!isExposed() || !makeCurrent())
        return;
    drawLastFrame();
    swap();
}

// The panel's logical pixels are the projection's units, whatever the
// device-pixel ratio: y grows downwards from the panel's top edge.
void DisplayPresenter::applyProjection()
{
    const QSize device = size() * devicePixelRatio();
    if (device == projectedSize)
        return;
    projectedSize = device;
    glViewport(0, 0, device.width(), device.height());
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(0.0, width(), height(), 0.0, -1.0, 1.0);
    glMatrixMode(GL_MODELVIEW);
}

void DisplayPresenter::uploadFrame()
{
    frameBufferToPanelPixels(pixels);
    glBindTexture(GL_TEXTURE_2D, texture);
    glTexSubImage2D(GL_TEXTURE_2D, 0, 0, 0, displayWidth, displayHeight, GL_BGRA,
                    GL_UNSIGNED_INT_8_8_8_8_REV, pixels.data());
}

void DisplayPresenter::drawLastFrame()
{
    applyProjection();
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glLoadIdentity();

    // The picture covers columns 0..159 and rows 1..120 of the panel.
    glBindTexture(GL_TEXTURE_2D, texture);
    glEnable(GL_TEXTURE_2D);
    glEnable(GL_ALPHA_TEST);
    glBegin(GL_QUADS);
    glTexCoord2f(0.0f, 0.0f);
    glVertex2i(0, 1);
    glTexCoord2f(frameS, 0.0f);
    glVertex2i(displayWidth, 1);
    glTexCoord2f(frameS, frameT);
    glVertex2i(displayWidth, displayHeight + 1);
    glTexCoord2f(0.0f, frameT);
    glVertex2i(0, displayHeight + 1);
    glEnd();
    glDisable(GL_ALPHA_TEST);
    glDisable(GL_TEXTURE_2D);
}
