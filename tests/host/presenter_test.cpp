// What the display panel shows, read back from the screen: every frame-buffer
// pixel in its exact colour at its exact place, at any scale.
#include <QExposeEvent>
#include <QScreen>
#include <QtTest>
#include <memory>

#include "display/framebuffer.h"
#include "host/display_presenter.h"
#include "host/main_window.h"
#include "sim/power_cycle.h"

class PresenterTest : public QObject {
    Q_OBJECT

    std::unique_ptr<TfrmMain> window;
    DisplayPresenter* panel = nullptr;

    // The panel as it is on screen, in device pixels.
    QImage grabPanel() const
    {
        return panel->screen()->grabWindow(panel->winId()).toImage().convertToFormat(QImage::Format_RGB32);
    }

    // The colour of one panel pixel (logical column, row), checked to be the
    // same over the whole block of device pixels that shows it.
    static QRgb panelPixel(const QImage& shot, int column, int row, int scale)
    {
        const QRgb first = shot.pixel(column * scale, row * scale);
        for (int dy = 0; dy < scale; ++dy)
            for (int dx = 0; dx < scale; ++dx)
                if (shot.pixel(column * scale + dx, row * scale + dy) != first)
                    return 0xDEADBEEF; // a blurred or torn block
        return first & 0xFFFFFF;
    }

    // Checks the whole panel: picture at columns 0..159, rows 1..120, black
    // elsewhere, every pixel in its palette colour.
    void verifyPanelShowsFrameBuffer()
    {
        const QImage shot = grabPanel();
        const int scale = qRound(panel->devicePixelRatio());
        QCOMPARE(shot.size(), QSize(161, 121) * scale);
        for (int row = 0; row < 121; ++row) {
            for (int column = 0; column < 161; ++column) {
                const bool inPicture = row >= 1 && column < displayWidth;
                const uint32_t expected =
                    inPicture ? palette[frameBuffer[column + displayWidth * (row - 1)]] : 0;
                const QRgb seen = panelPixel(shot, column, row, scale);
                if (seen != expected)
                    QFAIL(qPrintable(QStringLiteral("panel (%1, %2) is %3, not %4")
                                         .arg(column).arg(row).arg(seen, 6, 16).arg(expected, 6, 16)));
            }
        }
    }

    static void fillWithEveryIndex()
    {
        for (int y = 0; y < displayHeight; ++y)
            for (int x = 0; x < displayWidth; ++x)
                frameBuffer[x + displayWidth * y] = uint8_t(x * 7 + y * 13);
    }

private slots:
    void init()
    {
        resetToProgramStart();
        window = std::make_unique<TfrmMain>();
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        panel = window->displayPresenter();
        QVERIFY(QTest::qWaitForWindowExposed(panel));
    }

    void cleanup() { window.reset(); }

    void panelIsBlackBeforeTheFirstPresentation() { verifyPanelShowsFrameBuffer(); }

    void everyPixelLandsOneRowDownInItsExactColour()
    {
        fillWithEveryIndex();
        setPixel(0, 0, 15);
        setPixel(159, 119, 9);
        panel->present();
        verifyPanelShowsFrameBuffer();
        QCOMPARE(panel->framesPresented(), 1u);
    }

    void clearedFrameBufferPresentsABlackPanel()
    {
        fillWithEveryIndex();
        panel->present();
        clearFrameBuffer();
        panel->present();
        verifyPanelShowsFrameBuffer();
    }

    // Moved half off the screen and back while off, the panel shows the last
    // presented picture again: not black, and not a frame drawn since.
    void repaintShowsTheLastPresentedPicture()
    {
        fillRect(10, 10, 20, 20, 10);
        fillRect(100, 100, 159, 119, 12);
        panel->present();
        const QImage shown = grabPanel();
        fillRect(30, 30, 40, 40, 11); // drawn, never presented

        const QPoint home = window->pos();
        window->move(-window->width() / 2, home.y());
        QTRY_VERIFY(window->pos().x() < 0);
        QTest::qWait(50);
        window->move(home);
        QTRY_COMPARE(window->pos(), home);
        QTRY_COMPARE(grabPanel(), shown);
        QCOMPARE(panel->framesPresented(), 1u);
    }

    // A paced loop presents a frame only when its picture is new.
    void anUnchangedPictureIsNotPresentedAgain()
    {
        panel->presentChanged(); // the first, black as before
        fillWithEveryIndex();
        panel->presentChanged();
        panel->presentChanged();
        QCOMPARE(panel->framesPresented(), 2u);
        verifyPanelShowsFrameBuffer();
        setPixel(5, 5, 3);
        panel->presentChanged();
        QCOMPARE(panel->framesPresented(), 3u);
        verifyPanelShowsFrameBuffer();
    }

    void blackPaletteEntriesAreNotDrawn()
    {
        for (int i = 0; i < frameBufferSize; ++i)
            frameBuffer[i] = uint8_t(i);
        PanelPixels pixels;
        frameBufferToPanelPixels(pixels);
        for (int i = 0; i < 256; ++i) {
            const uint32_t expected = palette[i] == 0 ? 0 : 0xFF000000u | palette[i];
            QCOMPARE(pixels[i], expected);
        }
    }

    void teardownMakesPresentationHarmless()
    {
        panel->tearDown();
        QVERIFY(panel->makeCurrent() == nullptr);
        panel->present();
        QCOMPARE(panel->framesPresented(), 0u);
    }
};

QTEST_MAIN(PresenterTest)
#include "presenter_test.moc"
