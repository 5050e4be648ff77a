// A pilot's walk through the whole instrument in the real window, by clicks
// alone: power on, every set-up screen from the main menu, and home again.
// With QS9_WALK_PICTURES naming a folder, each stop is saved there as
// NN-screen.png (the window as it shows on screen, panel included).
#include <QDir>
#include <QPushButton>
#include <QScreen>
#include <QStringList>
#include <QTimer>
#include <QtTest>
#include <vector>

#include "core/alarms.h"
#include "core/keys_and_time.h"
#include "host/display_presenter.h"
#include "screens/screen.h"
#include "sim/screen_names.h"
#include "tests/host/window_under_test.h"

namespace {

// One click on the front panel and the screen it must lead to.
struct Step {
    const char* control; // Image2 left push button, Image8 knob press, Button3 "+"
    const char* screen;
};

constexpr const char* left = "Image2";
constexpr const char* knob = "Image8";
constexpr const char* plus = "Button3";

// The walk from the home screen. With the pressure sender at 0 the first key
// only acknowledges the low pressure alarm. With the factory settings FLOW 2 is off, so
// TANK 1 SETUP is the fifth row below UNIT and CALIBRATE TANK the sixth below
// TANK (tank 1 reads a sender).
const Step walk[] = {
    {knob, "homeScreen"}, // acknowledges the low pressure alarm
    {knob, "mainMenuScreen"},
    {knob, "fuelSetupScreen"},
    {plus, "fuelSetupScreen"}, // FLOW 1
    {plus, "fuelSetupScreen"}, // K-FACTOR 1
    {plus, "fuelSetupScreen"}, // FLOW 2
    {plus, "fuelSetupScreen"}, // MODE
    {plus, "fuelSetupScreen"}, // TANK 1 SETUP
    {knob, "tank1SetupScreen"},
    {plus, "tank1SetupScreen"}, // TANK SIZE
    {plus, "tank1SetupScreen"}, // LOW CAUTION
    {plus, "tank1SetupScreen"}, // LOW ALARM on / off
    {plus, "tank1SetupScreen"}, // LOW ALARM level
    {plus, "tank1SetupScreen"}, // ADD TO RANGE
    {plus, "tank1SetupScreen"}, // CALIBRATE TANK
    {knob, "tank1CalibrationScreen"},
    {left, "tank1SetupScreen"},
    {left, "fuelSetupScreen"}, // back on TANK 1 SETUP
    {plus, "fuelSetupScreen"}, // TANK 2 SETUP
    {plus, "fuelSetupScreen"}, // FUEL PRESS SETUP
    {knob, "pressureSetupScreen"},
    {left, "fuelSetupScreen"},
    {left, "mainMenuScreen"}, // FUEL SETUP page
    {plus, "mainMenuScreen"}, // MISC SETUP page
    {knob, "miscSetupScreen"},
    {knob, "backlightScreen"},
    {left, "miscSetupScreen"},
    {plus, "miscSetupScreen"}, // SECURITY SETUP
    {knob, "securitySetupScreen"},
    {left, "miscSetupScreen"},
    {plus, "miscSetupScreen"}, // INFORMATION
    {knob, "infoScreen"},
    {left, "miscSetupScreen"},
    {plus, "miscSetupScreen"}, // DEFAULT SETTINGS
    {knob, "defaultSettingsScreen"},
    {left, "miscSetupScreen"}, // NO
    {left, "mainMenuScreen"},  // MISC SETUP page
    {plus, "mainMenuScreen"},  // ADC VALUES page
    {knob, "valuesScreen"},
    {left, "mainMenuScreen"},
    {left, "homeScreen"},
};

// Time between a click and the look at its result: many main-loop passes,
// and on a loaded machine the look waits on, up to a second, until at
// least three passes ran.
constexpr int settleMs = 80;
constexpr uint64_t passesToSettle = 3;
constexpr int longestSettleMs = 1000;

} // namespace

class InstrumentWalkTest : public QObject, WindowUnderTest {
    Q_OBJECT

    QString pictureFolder = qEnvironmentVariable("QS9_WALK_PICTURES");
    QStringList seen;          // the screen after power-on and after each click
    std::vector<uint64_t> passesBetween; // main-loop passes between click and look

    void savePicture(int number, const char* screen) const
    {
        if (pictureFolder.isEmpty())
            return;
        QDir().mkpath(pictureFolder);
        const QString name = QStringLiteral("%1-%2.png").arg(number, 2, 10, QLatin1Char('0')).arg(QLatin1String(screen));
        if (!saveWindowPicture(QDir(pictureFolder).filePath(name)))
            qWarning("could not save %s", qPrintable(name));
    }

    // Looks at the screen reached, then makes click `index` (or "Off" after
    // the last), and comes back after the loop has run on.
    void lookAndClick(size_t index, uint64_t passesAtClick)
    {
        passesBetween.push_back(window->passesRun() - passesAtClick);
        const char* screen = screenName(currentScreen);
        seen << QString::fromLatin1(screen);
        savePicture(static_cast<int>(index), screen);
        if (index == std::size(walk)) {
            QTest::mouseClick(control("Button2"), Qt::LeftButton);
            return;
        }
        QTest::mouseClick(control(walk[index].control), Qt::LeftButton);
        lookWhenSettled(index + 1, window->passesRun(), settleMs);
    }

    void lookWhenSettled(size_t index, uint64_t passesAtClick, int waitedMs)
    {
        QTimer::singleShot(settleMs, window.get(), [=, this] {
            const bool settled = window->passesRun() - passesAtClick >= passesToSettle;
            if (settled || waitedMs >= longestSettleMs)
                lookAndClick(index, passesAtClick);
            else
                lookWhenSettled(index, passesAtClick, waitedMs + settleMs);
        });
    }

private slots:
    void init() { QVERIFY(openWindow()); }

    void cleanup() { window.reset(); }

    void clicksWalkEveryScreenAndComeHome()
    {
        QTimer::singleShot(settleMs, window.get(), [this] { lookAndClick(0, 0); });
        QTimer::singleShot(60000, window.get(), [] { powerOff = 1; }); // guards a hang
        QTest::mouseClick(control("Button1"), Qt::LeftButton); // "On": returns at "Off"

        QStringList expected{QStringLiteral("homeScreen")};
        for (const Step& step : walk)
            expected << QString::fromLatin1(step.screen);
        QCOMPARE(seen, expected);
        QVERIFY(!window->mainLoopRunning());
        // Every look came after the loop had run on, so a key left waiting
        // or a screen that needs two passes would have shown.
        for (uint64_t passes : passesBetween)
            QVERIFY(passes >= passesToSettle);
        QCOMPARE(pendingKey, 0);
        QCOMPARE(alarmAcked, alarmPressure);
    }
};

QTEST_MAIN(InstrumentWalkTest)
#include "instrument_walk_test.moc"
