// The simulator window as a user meets it: its controls, the clicks and
// sliders that feed the instrument, the timer, and the power cycle.
#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>
#include <QtTest>
#include <functional>
#include <memory>
#include <vector>

#include "core/alarms.h"
#include "core/fuel_flow.h"
#include "core/keys_and_time.h"
#include "core/sensor_inputs.h"
#include "display/furniture.h"
#include "host/display_presenter.h"
#include "host/window_panel.h"
#include "sim/power_cycle.h"
#include "tests/host/window_under_test.h"

class MainWindowTest : public QObject, WindowUnderTest {
    Q_OBJECT


    void click(const char* name) { QTest::mouseClick(control(name), Qt::LeftButton); }

    // Presses "On" and runs each step from inside the main loop, a few
    // passes apart; "Off" follows the last step unless a step ended the loop.
    // Clicks "On" and runs the steps, then "Off", each step at least 40 ms
    // and two main-loop passes after the one before, so that the firmware
    // has seen what a step did however loaded the machine is.
    void runPowered(const std::vector<std::function<void()>>& steps)
    {
        runStepAfterPasses(steps, 0, window->passesRun());
        control<QPushButton>("Button1")->click();
    }

    void runStepAfterPasses(const std::vector<std::function<void()>>& steps, size_t index,
                            uint64_t passesBefore)
    {
        QTimer::singleShot(40, window.get(), [=, this] {
            if (window->passesRun() < passesBefore + 2)
                return runStepAfterPasses(steps, index, passesBefore);
            if (index == steps.size()) {
                powerOff = 1;
                return;
            }
            steps[index]();
            runStepAfterPasses(steps, index + 1, window->passesRun());
        });
    }

private slots:
    void init() { QVERIFY(openWindow()); }

    void cleanup() { window.reset(); }

    void controlsSitAtTheirPlaces_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("place");
        const auto row = [](const char* name, int x, int y, int w, int h) {
            QTest::newRow(name) << QString::fromLatin1(name) << QRect(x, y, w, h);
        };
        row("Image1", 0, 0, 241, 249);
        row("Image2", 52, 192, 33, 33);
        row("Image3", 154, 192, 33, 33);
        row("Image8", 100, 196, 41, 41);
        row("Button3", 64, 232, 33, 25);
        row("Button4", 144, 232, 33, 25);
        row("Button1", 32, 272, 75, 25);
        row("Button2", 136, 272, 75, 25);
        row("Panel1", 40, 57, 161, 121);
        row("Button5", 152, 8, 75, 25);
        row("StatusBar1", 0, 310, 503, 19);
        row("PageControl1", 246, 0, 257, 310);
        row("GroupBox1", 8, 8, 241, 145);
        row("CheckBox4", 8, 160, 97, 17);
        row("GroupBox2", 0, 25, 249, 257);
        row("ScrollBar29", 112, 16, 121, 17);
        row("ScrollBar30", 112, 40, 121, 17);
        row("ScrollBar31", 112, 64, 121, 17);
        row("ScrollBar32", 112, 88, 121, 17);
        row("ScrollBar2", 112, 112, 121, 17);
    }

    void controlsSitAtTheirPlaces()
    {
        QFETCH(QString, name);
        QFETCH(QRect, place);
        QCOMPARE(control(name.toLatin1().constData())->geometry(), place);
    }

    void valueLabelsStartAtZero()
    {
        const char* names[] = {"Label57", "Label60", "Label62", "Label61", "Label6"};
        const int lefts[] = {72, 72, 72, 72, 80};
        for (int i = 0; i < 5; ++i) {
            QCOMPARE(control<QLabel>(names[i])->text(), QStringLiteral("0"));
            QCOMPARE(control(names[i])->x(), lefts[i]);
        }
    }

    void windowHasItsCaptionsFontsAndFixedClientArea()
    {
        QCOMPARE(window->windowTitle(), QStringLiteral("Tarvo QS-9 Simulator"));
        QVERIFY(!(window->windowFlags() & Qt::WindowMinimizeButtonHint));
        QVERIFY(!(window->windowFlags() & Qt::WindowMaximizeButtonHint));
        // The form's area under the menu; the window's own panel below it, as wide.
        QCOMPARE(control("client")->size(), QSize(503, 329));
        QCOMPARE(inWindow(control("client"), {0, 0}), QPoint(0, window->menuBar()->height()));
        QCOMPARE(inWindow(control("WindowPanel"), {0, 0}), QPoint(0, window->menuBar()->height() + 329));
        QCOMPARE(control("WindowPanel")->width(), 503);
        QCOMPARE(window->width(), 503);
        QCOMPARE(window->minimumSize(), window->maximumSize());
        QCOMPARE(window->font().families().value(0), QStringLiteral("MS Sans Serif"));
        QCOMPARE(window->font().pixelSize(), 11);

        QCOMPARE(control<QPushButton>("Button1")->text(), QStringLiteral("&On"));
        QCOMPARE(control<QPushButton>("Button2")->text(), QStringLiteral("&Off"));
        QCOMPARE(control<QPushButton>("Button3")->text(), QStringLiteral("+"));
        QCOMPARE(control<QPushButton>("Button4")->text(), QStringLiteral("-"));
        QCOMPARE(control("Button3")->font().pixelSize(), 16);
        QVERIFY(control("Button4")->font().bold());
        QCOMPARE(control<QPushButton>("Button5")->text(), QStringLiteral("Color Table"));
        QVERIFY(!control("Button5")->isVisible());
        QVERIFY(control<QCheckBox>("CheckBox4")->isChecked());
        QCOMPARE(control<QCheckBox>("CheckBox4")->text(), QStringLiteral("VRAX On/Off"));

        QCOMPARE(window->menuBar()->actions().value(0)->text(), QStringLiteral("&File"));
        QCOMPARE(control<QAction>("Exit1")->text(), QStringLiteral("&Exit"));
    }

    // A message longer than the panel is wide wraps: the window keeps its
    // width and the form its place.
    void aLongMessageWrapsInThePanel()
    {
        window->windowPanel()->sayError(QStringLiteral("Cannot record to %1: no permission")
                                            .arg(QStringLiteral("/a/folder/deep/down").repeated(8)));
        QTRY_VERIFY(control("WindowPanel")->height() > 30);
        QCOMPARE(window->width(), 503);
        QCOMPARE(inWindow(control("client"), {0, 0}), QPoint(0, window->menuBar()->height()));
    }

    // The page control has the focus at start; Tab then walks its tab, its
    // sliders and check box, and the buttons in the form's order.
    void tabWalksTheFormsTabOrder()
    {
        const char* order[] = {"ScrollBar29", "ScrollBar30", "ScrollBar31", "ScrollBar32", "ScrollBar2",
                               "CheckBox4", "Button1", "Button2", "Button3", "Button4"};
        QCOMPARE(QApplication::focusWidget(), control<QTabWidget>("PageControl1")->tabBar());
        for (const char* next : order) {
            pressKey(Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), control(next));
        }
    }

    void clicksPostTheirKeyOnlyIntoAnEmptySlot_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("key");
        QTest::newRow("left push button") << QStringLiteral("Image2") << 1;
        QTest::newRow("right push button") << QStringLiteral("Image3") << 2;
        QTest::newRow("knob press") << QStringLiteral("Image8") << 3;
        QTest::newRow("knob +") << QStringLiteral("Button3") << 4;
        QTest::newRow("knob -") << QStringLiteral("Button4") << 5;
    }

    void clicksPostTheirKeyOnlyIntoAnEmptySlot()
    {
        QFETCH(QString, name);
        QFETCH(int, key);
        QWidget* area = control(name.toLatin1().constData());
        QTest::mouseClick(area, Qt::RightButton);
        QCOMPARE(pendingKey, 0);
        QTest::mouseClick(area, Qt::LeftButton);
        QCOMPARE(pendingKey, key);

        // A second click before the key is consumed is lost.
        click(key == 1 ? "Image3" : "Image2");
        QCOMPARE(pendingKey, key);
        pendingKey = 0;
        QTest::keyClick(window.get(), key == 4 ? Qt::Key_Up : key == 5 ? Qt::Key_Down
                                      : key == 3 ? Qt::Key_Return
                                      : key == 1 ? Qt::Key_Left : Qt::Key_Right,
                        Qt::ControlModifier);
        QCOMPARE(pendingKey, key);
    }

    void slidersShowAndStoreTheirPosition()
    {
        auto* flow1 = control<QScrollBar>("ScrollBar29");
        QCOMPARE(flow1->maximum(), 65535);
        QCOMPARE(flow1->pageStep(), 0);
        flow1->setValue(1234);
        QCOMPARE(control<QLabel>("Label57")->text(), QStringLiteral("1234"));
        QCOMPARE(flow1Input, 1234);
        QCOMPARE(vrax.flow1, 1234);

        auto* flow2 = control<QScrollBar>("ScrollBar31");
        flow2->setValue(flow2->maximum());
        QCOMPARE(control<QLabel>("Label62")->text(), QStringLiteral("65535"));
        QCOMPARE(flow2Input, 65535);
        QCOMPARE(vrax.flow2, 65535);

        struct Level { const char* bar; const char* label; const uint16_t& input; };
        for (const Level& l : {Level{"ScrollBar30", "Label60", level1Input},
                               Level{"ScrollBar32", "Label61", level2Input},
                               Level{"ScrollBar2", "Label6", pressureInput}}) {
            auto* bar = control<QScrollBar>(l.bar);
            QCOMPARE(bar->maximum(), 4096);
            bar->setValue(4096);
            QCOMPARE(control<QLabel>(l.label)->text(), QStringLiteral("4096"));
            QCOMPARE(l.input, 4096);
        }
        QCOMPARE(vrax.level1, 0);

        // The slider's own arrow moves it as a drag does.
        QTest::mouseClick(flow1, Qt::LeftButton, {}, QPoint(flow1->width() - 4, flow1->height() / 2));
        QCOMPARE(flow1Input, 1235);
        QCOMPARE(control<QLabel>("Label57")->text(), QStringLiteral("1235"));
    }

    void timerAdvancesTheTimeBaseWhileOff()
    {
        auto* timer = control<QTimer>("Timer1");
        QCOMPARE(timer->interval(), 100);
        QVERIFY(timer->isActive());
        // The eleventh tick turns the blink phase on; both counters saw it.
        QTRY_COMPARE_WITH_TIMEOUT(blinkPhase, 1, 5000);
        QCOMPARE(slowTicks, blinkTicks + 11);
        QCOMPARE(powerOff, 0); // never powered: nothing but the timer ran
        QVERIFY(!window->mainLoopRunning());
    }

    void onRunsTheLoopUntilOffAndOnStartsAfresh()
    {
        click("Image8"); // waits while off, cleared by "On"
        used1Pulses = 7;
        editStep = 100;
        const uint64_t framesBefore = window->displayPresenter()->framesPresented();
        uint8_t ticksSeen = blinkTicks;
        bool keyCleared = false, running = false, vraxFollowsBox = false;
        runPowered({
            [&] {
                keyCleared = pendingKey == 0 && used1Pulses == 0 && editStep == 1;
                running = window->mainLoopRunning();
                control<QCheckBox>("CheckBox4")->setChecked(false);
            },
            [&] {
                vraxFollowsBox = vraxEnabled == 0;
                control<QCheckBox>("CheckBox4")->setChecked(true);
            },
            [&] { vraxFollowsBox = vraxFollowsBox && vraxEnabled == 1; },
            [&] { QTest::qWait(250); }, // the timer keeps ticking while on
        });
        QVERIFY(running);
        QVERIFY(keyCleared);
        QVERIFY(vraxFollowsBox);
        QVERIFY(blinkTicks != ticksSeen || blinkPhase != 0);
        QVERIFY(!window->mainLoopRunning());
        QCOMPARE(powerOff, 1);
        QVERIFY(window->displayPresenter()->framesPresented() > framesBefore + 4);

        // Off keeps the state; the next "On" starts from the defaults again.
        used1Pulses = 9;
        click("Image2");
        QCOMPARE(pendingKey, 1);
        bool freshAgain = false;
        runPowered({[&] { freshAgain = used1Pulses == 0 && pendingKey == 0; }});
        QVERIFY(freshAgain);
    }

    void onWhileRunningRestartsWithoutNesting()
    {
        bool returnedAtOnce = false, restarted = false;
        runPowered({
            [&] { used1Pulses = 5; },
            [&] {
                control<QPushButton>("Button1")->click();
                returnedAtOnce = powerOff == 0 && window->mainLoopRunning();
                restarted = used1Pulses == 0;
            },
        });
        QVERIFY(returnedAtOnce);
        QVERIFY(restarted);
        QVERIFY(!window->mainLoopRunning());
    }

    // Closing or File > Exit while the loop runs: no pass after the window
    // is gone, and the application's message loop ends with status 0.
    void closingWhileRunningEndsTheProgram_data()
    {
        QTest::addColumn<bool>("viaMenu");
        QTest::newRow("close box") << false;
        QTest::newRow("File > Exit") << true;
    }

    void closingWhileRunningEndsTheProgram()
    {
        QFETCH(bool, viaMenu);
        uint64_t framesAtClose = 0;
        QTimer::singleShot(0, window.get(), [this] { control<QPushButton>("Button1")->click(); });
        QTimer::singleShot(150, window.get(), [&] {
            QVERIFY(window->mainLoopRunning());
            if (viaMenu)
                control<QAction>("Exit1")->trigger();
            else
                window->close();
            framesAtClose = window->displayPresenter()->framesPresented();
        });
        QTimer::singleShot(10000, window.get(), [] { QCoreApplication::exit(1); }); // guards a hang
        QCOMPARE(QCoreApplication::exec(), 0);
        QVERIFY(framesAtClose > 0);
        QCOMPARE(window->displayPresenter()->framesPresented(), framesAtClose);
        QVERIFY(!window->mainLoopRunning());
    }

    void closingWhileOffQuits()
    {
        QTimer::singleShot(50, window.get(), [this] { window->close(); });
        QTimer::singleShot(10000, window.get(), [] { QCoreApplication::exit(1); });
        QCOMPARE(QCoreApplication::exec(), 0);
        QCOMPARE(window->displayPresenter()->framesPresented(), 0u);
    }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
