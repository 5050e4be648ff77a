// The page control as a user meets it: only its visible pages ever show,
// every caption stays clear of its value, and the "More Inputs" controls
// reach the firmware inputs the instrument's own window leaves at 0.
#include <QCheckBox>
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>
#include <QtTest>

#include "core/keys_and_time.h"
#include "core/sensor_inputs.h"
#include "display/framebuffer.h"
#include "host/front_panel.h"
#include "tests/host/window_under_test.h"

namespace {

// The first and last columns of a strip of a picture that hold text: a
// pixel that stands clearly apart from the background. {-1, -1} if none.
std::pair<int, int> inkColumns(const QImage& picture, const QRect& strip, QRgb background)
{
    std::pair<int, int> ink{-1, -1};
    for (int x = strip.left(); x <= strip.right(); ++x)
        for (int y = strip.top(); y <= strip.bottom(); ++y)
            if (std::abs(qGray(picture.pixel(x, y)) - qGray(background)) > 48) {
                ink = {ink.first < 0 ? x : ink.first, x};
                break;
            }
    return ink;
}

} // namespace

class SensorPagesTest : public QObject, WindowUnderTest {
    Q_OBJECT

    QTabWidget* pages() const { return control<QTabWidget>("PageControl1"); }
    QTabBar* tabBar() const { return pages()->tabBar(); }

    // The page on show is a visible tab's page, named by the current tab.
    bool aVisiblePageShows() const
    {
        const int current = pages()->currentIndex();
        return pages()->isTabVisible(current) && pages()->currentWidget()->isVisible() &&
               !control("Memo2")->isVisible() && tabBar()->currentIndex() == current;
    }

    QLabel* captionLabel(const SensorSlider& s) const
    {
        for (QLabel* label : window->findChildren<QLabel*>())
            if (label->text() == QString::fromLatin1(s.caption))
                return label;
        qFatal("no caption %s", s.caption);
    }

    // The caption's last text column, counted from the label's left edge, as
    // the label draws it without a right edge to clip it.
    static int unclippedInkEnd(const QLabel* caption)
    {
        QLabel probe(caption->text());
        probe.setFont(caption->font());
        probe.setAlignment(caption->alignment());
        probe.resize(200, caption->height());
        const QImage picture = probe.grab().toImage();
        return inkColumns(picture, picture.rect(), picture.pixel(199, 0)).second;
    }

private slots:
    void init() { QVERIFY(openWindow()); }

    void cleanup() { window.reset(); }

    // "Fuel Data" shows at start, the hidden "GPS" page never: not with the
    // wheel over the tab bar, Ctrl+Tab either way, or the arrow keys on the
    // focused tab bar. Afterwards Ctrl+C still copies the display.
    void theHiddenGpsPageNeverShows()
    {
        QCOMPARE(pages()->currentWidget(), control("TabSheet4"));
        QCOMPARE(pages()->tabText(pages()->currentIndex()), QStringLiteral("Fuel Data"));
        QCOMPARE(pages()->tabText(pages()->indexOf(control("TabSheet2"))), QStringLiteral("GPS"));

        for (int delta : {-120, -120, 120, 120, 120, -120}) {
            turnWheel(tabBar(), delta);
            QVERIFY2(aVisiblePageShows(), "wheel");
        }
        for (int n = 0; n < 6; ++n) {
            pressKey(Qt::Key_Tab, n < 3 ? Qt::ControlModifier : Qt::ControlModifier | Qt::ShiftModifier);
            QVERIFY2(aVisiblePageShows(), "Ctrl+Tab");
        }
        for (int n = 0; n < 20 && QApplication::focusWidget() != tabBar(); ++n)
            pressKey(Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), tabBar());
        for (Qt::Key arrow : {Qt::Key_Right, Qt::Key_Right, Qt::Key_Left, Qt::Key_Left, Qt::Key_Left,
                              Qt::Key_Down, Qt::Key_Down, Qt::Key_Up}) {
            pressKey(arrow);
            QVERIFY2(aVisiblePageShows(), "arrow");
        }

        frameBuffer[0] = 15;
        QGuiApplication::clipboard()->clear();
        pressKey(Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->image().size(), QSize(640, 480));
    }

    void showPage(const char* name)
    {
        clickAt(tabBar(), tabBar()->tabRect(pages()->indexOf(control(name))).center());
        QCOMPARE(pages()->currentWidget(), control(name));
    }

    // On the screen, each caption is drawn whole and ends at least two clear
    // columns before its value label, with the value at its widest.
    void everyCaptionEndsClearOfItsValue()
    {
        const int clearColumns = 2;
        for (const SensorSlider& s : sensorSliders()) {
            if (s.kind != SensorControlKind::slider)
                continue;
            showPage(s.page == SensorPage::fuelData ? "TabSheet4" : "TabSheetMoreInputs");
            clickAt(control(s.control));
            pressKey(Qt::Key_End);
            auto* value = control<QLabel>(s.valueLabel);
            QCOMPARE(value->text(), QString::number(s.maximum));
            QLabel* caption = captionLabel(s);
            QCoreApplication::processEvents();
            const QImage shot = window->screen()->grabWindow(window->winId()).toImage();
            const QRect row(inWindow(caption, {0, 0}), QSize(112 - 8, caption->height()));
            const QRgb background = shot.pixel(row.left() - 4, row.center().y());
            const auto [captionStart, captionEnd] = inkColumns(shot, row.adjusted(0, 0, -(112 - s.valueLabelLeft), 0), background);
            const int valueLeft = inWindow(value, {0, 0}).x();
            const int valueStart = inkColumns(shot, QRect(valueLeft, row.top(), 112 - s.valueLabelLeft, row.height()), background).first;
            QVERIFY2(captionStart >= 0 && valueStart >= valueLeft, s.caption);
            QCOMPARE(captionEnd - row.left(), unclippedInkEnd(caption));
            QVERIFY2(captionEnd < valueLeft - clearColumns,
                     qPrintable(QStringLiteral("%1 ends at column %2; its value starts at %3")
                                    .arg(s.caption).arg(captionEnd - row.left() + 8).arg(valueStart - row.left() + 8)));
        }
    }

    // Clicked and moved by its keys while the instrument is off, each "More
    // Inputs" slider shows its reading and stores it at once; the box stores
    // 1 while ticked.
    void moreInputsReachTheirFirmwareInputs()
    {
        showPage("TabSheetMoreInputs");
        const struct {
            const char* slider;
            const char* label;
            int maximum;
            const uint16_t& input;
        } rows[] = {
            {"ScrollBarGpsSpeed", "LabelGpsSpeed", 999, gpsSpeed},
            {"ScrollBarLight", "LabelLight", 4096, lightSensorInput},
            {"ScrollBarLoop", "LabelLoop", 4096, pressureLoopInput},
            {"ScrollBarVraxLevel1", "LabelVraxLevel1", 4096, vrax.level1},
            {"ScrollBarVraxLevel2", "LabelVraxLevel2", 4096, vrax.level2},
            {"ScrollBarVraxPressure", "LabelVraxPressure", 4096, vrax.pressure},
        };
        for (const auto& row : rows) {
            clickAt(control(row.slider));
            pressKey(Qt::Key_End);
            pressKey(Qt::Key_Left);
            QCOMPARE(control<QLabel>(row.label)->text(), QString::number(row.maximum - 1));
            QCOMPARE(row.input, row.maximum - 1);
        }
        QCOMPARE(level1Input + pressureInput + flow1Input, 0); // the instrument's own senders stay

        auto* valid = control<QCheckBox>("CheckBoxGpsValid");
        QVERIFY(!valid->isChecked());
        clickAt(valid);
        QCOMPARE(gpsSpeedValid, 1);
        pressKey(Qt::Key_Space);
        QCOMPARE(gpsSpeedValid, 0);
    }

    // Running, the home screen shows a valid ground speed from the page in
    // magenta on its status line.
    void aPilotSeesTheGroundSpeedInMagenta()
    {
        showPage("TabSheetMoreInputs");
        clickAt(control("ScrollBarGpsSpeed"));
        pressKey(Qt::Key_Right);
        clickAt(control("CheckBoxGpsValid"));
        int magentaPixels = -1;
        QTimer::singleShot(100, window.get(), [&] { headerCycle = 5; }); // the speed's turn
        QTimer::singleShot(200, window.get(), [&] {
            magentaPixels = int(std::count(frameBuffer, frameBuffer + 160 * 12, uint8_t(13)));
            clickAt(control("Button2"));
        });
        clickAt(control("Button1"));
        QVERIFY(magentaPixels > 0);
    }
};

QTEST_MAIN(SensorPagesTest)
#include "sensor_pages_test.moc"
