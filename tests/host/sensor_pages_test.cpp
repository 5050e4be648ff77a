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
#include <QtTest>
#include <cstring>

#include "core/sensor_inputs.h"
#include "display/framebuffer.h"
#include "sim/simulator.h"
#include "tests/host/window_under_test.h"

class SensorPagesTest : public QObject, WindowUnderTest {
    Q_OBJECT

    QTabWidget* pages() const { return control<QTabWidget>("PageControl1"); }
    QTabBar* tabBar() const { return pages()->tabBar(); }

    void showPage(const char* name)
    {
        clickAt(tabBar(), tabBar()->tabRect(pages()->indexOf(control(name))).center());
        QCOMPARE(pages()->currentWidget(), control(name));
    }

private slots:
    void init() { QVERIFY(openWindow()); }

    void cleanup() { window.reset(); }

    // "Fuel Data" shows at start; the hidden "GPS" page never does: not with
    // the wheel over the tab bar, Ctrl+Tab either way, or the arrows on the
    // focused tab bar. Afterwards Ctrl+C still copies the display.
    void theHiddenGpsPageNeverShows()
    {
        QCOMPARE(pages()->currentWidget(), control("TabSheet4"));
        QCOMPARE(tabBar()->tabText(tabBar()->currentIndex()), QStringLiteral("Fuel Data"));
        QCOMPARE(QApplication::focusWidget(), tabBar());
        const std::function<void()> moves[] = {
            [&] { turnWheel(tabBar(), -120); }, [&] { turnWheel(tabBar(), 120); },
            [&] { pressKey(Qt::Key_Tab, Qt::ControlModifier); },
            [&] { pressKey(Qt::Key_Tab, Qt::ControlModifier | Qt::ShiftModifier); },
            [&] { pressKey(Qt::Key_Right); }, [&] { pressKey(Qt::Key_Left); }};
        for (const auto& move : moves) {
            for (int n = 0; n < 3; ++n) {
                move();
                QVERIFY(pages()->isTabVisible(pages()->currentIndex()));
                QVERIFY(!control("Memo2")->isVisible());
            }
        }
        frameBuffer[0] = 15;
        pressKey(Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->image().size(), QSize(640, 480));
    }

    // Each row of the input table has its control on the page the row
    // names, at the row's place, with the pages as tabs in the table's
    // order; "More Inputs" keeps its box.
    void everyInputHasItsControlOnItsPage()
    {
        QStringList tabs;
        for (int i = 0; i < qs9InputCount(); ++i) {
            const Qs9Input& input = *qs9InputAt(i);
            QWidget* made = control(input.control);
            QWidget* page = made->parentWidget();
            if (input.kind == QS9_INPUT_SLIDER) {
                QCOMPARE(made->parentWidget()->metaObject()->className(), "QGroupBox");
                QCOMPARE(control(input.valueLabel)->x(), input.valueLabelLeft);
                page = page->parentWidget();
            }
            QCOMPARE(made->geometry(), QRect(input.area.left, input.area.top, input.area.width, input.area.height));
            const QString tab = pages()->tabText(pages()->indexOf(page));
            QCOMPARE(tab, QString::fromLatin1(input.page));
            if (!tabs.contains(tab))
                tabs << tab;
        }
        QCOMPARE(tabs, (QStringList{QStringLiteral("Fuel Data"), QStringLiteral("More Inputs")}));
        QCOMPARE(pages()->indexOf(control("TabSheetMoreInputs")), 1);
        QCOMPARE(control("GroupBoxMoreInputs")->geometry(), QRect(8, 8, 241, 193));
    }

    // With each slider at its widest value, the two screen columns before its
    // value label are clear of text: its caption ends short of them.
    void everyCaptionEndsClearOfItsValue()
    {
        for (int i = 0; i < qs9InputCount(); ++i) {
            const Qs9Input& s = *qs9InputAt(i);
            if (s.kind != QS9_INPUT_SLIDER)
                continue;
            showPage(std::strcmp(s.page, "Fuel Data") == 0 ? "TabSheet4" : "TabSheetMoreInputs");
            clickAt(control(s.control));
            pressKey(Qt::Key_End);
            QCoreApplication::processEvents();
            const QImage shot = window->screen()->grabWindow(window->winId()).toImage();
            const QPoint value = inWindow(control(s.valueLabel), {0, 0});
            const int background = qGray(shot.pixel(value.x() - s.valueLabelLeft + 4, value.y() + 6));
            for (int x = value.x() - 2; x < value.x(); ++x)
                for (int y = value.y(); y < value.y() + 13; ++y)
                    QVERIFY2(std::abs(qGray(shot.pixel(x, y)) - background) < 48, s.caption);
        }
    }

    // Clicked and moved by its keys while the instrument is off, each "More
    // Inputs" slider shows and stores its reading at once; the box stores 1
    // while ticked.
    void moreInputsReachTheirFirmwareInputs()
    {
        showPage("TabSheetMoreInputs");
        const struct { const char* slider; const char* label; int maximum; const uint16_t& input; } rows[] = {
            {"ScrollBarGpsSpeed", "LabelGpsSpeed", 999, gpsSpeed},
            {"ScrollBarLight", "LabelLight", 4096, lightSensorInput},
            {"ScrollBarLoop", "LabelLoop", 4096, pressureLoopInput},
            {"ScrollBarVraxLevel1", "LabelVraxLevel1", 4096, vrax.level1},
            {"ScrollBarVraxLevel2", "LabelVraxLevel2", 4096, vrax.level2},
            {"ScrollBarVraxPressure", "LabelVraxPressure", 4096, vrax.pressure}};
        for (const auto& row : rows) {
            clickAt(control(row.slider));
            pressKey(Qt::Key_End);
            pressKey(Qt::Key_Left);
            QCOMPARE(control<QLabel>(row.label)->text(), QString::number(row.maximum - 1));
            QCOMPARE(row.input, row.maximum - 1);
        }
        QCOMPARE(level1Input + pressureInput + flow1Input, 0); // the instrument's own senders stay

        clickAt(control("CheckBoxGpsValid"));
        QCOMPARE(gpsSpeedValid, 1);
        pressKey(Qt::Key_Space);
        QCOMPARE(gpsSpeedValid, 0);
    }
};

QTEST_MAIN(SensorPagesTest)
#include "sensor_pages_test.moc"
