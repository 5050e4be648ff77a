// What the window shows a learner beside the form, with real clicks and
// keys: the key help in the panel and at the head of each key's tooltip as
// the screens change, keys shown pressed or lost on the photograph, the
// acknowledged alarm, the power state, the readings below the sliders of the
// page shown and their keyboard steps, and the display as text.
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>
#include <QtTest>
#include <functional>
#include <vector>

#include "core/keys_and_time.h"
#include "core/sensor_inputs.h"
#include "host/learner_aids.h"
#include "host/pressed_keys.h"
#include "tests/host/window_under_test.h"

class LearnerAidsTest : public QObject, WindowUnderTest {
    Q_OBJECT

    QString text(const char* label) const { return control<QLabel>(label)->text(); }
    QString tip(const char* name) const { return control(name)->toolTip(); }
    QString firstTipLine(const char* name) const { return tip(name).section(QLatin1Char('\n'), 0, 0); }

    // Clicks "On" and runs each step once the window has refreshed what it
    // shows (at its timer's pace) after the step before; "Off" at the end.
    void runPowered(std::vector<std::function<void()>> steps)
    {
        QTimer::singleShot(20000, window.get(), [] { powerOff = 1; }); // guards a hang
        runAfterRefresh(std::move(steps), 0);
        clickAt(control("Button1"));
    }

    void runAfterRefresh(std::vector<std::function<void()>> steps, size_t index)
    {
        QTimer::singleShot(250, window.get(), [=, this] {
            if (index == steps.size())
                return clickAt(control("Button2"));
            steps[index]();
            runAfterRefresh(steps, index + 1);
        });
    }

private slots:
    void init() { QVERIFY(openWindow()); }

    void cleanup() { window.reset(); }

    void theKeyHelpFollowsTheScreensInThePanelAndTheTooltips()
    {
        QCOMPARE(text("KeyHelp"), QStringLiteral("Press On to switch the instrument on"));
        QCOMPARE(text("PowerState"), QStringLiteral("The instrument is off"));
        QCOMPARE(tip("Image8"), QStringLiteral("knob pressed (Ctrl+Return); the mouse wheel over it turns the knob"));
        QCOMPARE(control("Button2")->accessibleDescription(), QStringLiteral("In force"));

        QString alarmHelp, alarmTip, acknowledged, homeHelp, plusTip, menuHelp, leftTip, power, onInForce;
        QString pressedShown;
        runPowered({
            [&] {
                alarmHelp = text("KeyHelp");
                alarmTip = firstTipLine("Button3");
                power = text("PowerState");
                onInForce = control("Button1")->accessibleDescription();
                clickAt(control("Image8")); // the first key goes to the low pressure alarm
                pressedShown = window->learnerAids()->pressedKeys()->shownOn(QS9_KEY_PRESS);
            },
            [&] {
                acknowledged = text("MessageLine");
                homeHelp = text("KeyHelp");
                plusTip = tip("Button3");
                clickAt(control("Image8"));
            },
            [&] {
                menuHelp = text("KeyHelp");
                leftTip = tip("Image2");
            },
        });
        QCOMPARE(alarmHelp.section(QLatin1Char('\n'), 0, 0), QStringLiteral("Any key first acknowledges the active alarm"));
        QCOMPARE(alarmTip, QStringLiteral("+: acknowledge the alarm, then fuel totals"));
        QCOMPARE(power, QStringLiteral("The instrument is on"));
        QCOMPARE(onInForce, QStringLiteral("In force"));
        QCOMPARE(pressedShown, QStringLiteral("pressed"));
        QCOMPARE(acknowledged, QStringLiteral("Alarm acknowledged: fuel pressure"));
        QCOMPARE(homeHelp, QStringLiteral("Knob: main menu\n+: fuel totals\nLeft: cruising speed"));
        QCOMPARE(plusTip, QStringLiteral("+: fuel totals\nknob turned \"+\" (Ctrl+Up)"));
        QCOMPARE(menuHelp.section(QLatin1Char('\n'), 0, 0), QStringLiteral("Knob: open FUEL SETUP"));
        QCOMPARE(leftTip, QStringLiteral("Left: exit to the home screen\nleft push button (Ctrl+Left)"));

        // Off: the help and the power state say so; the display keeps its picture.
        QTRY_COMPARE(text("KeyHelp"), QStringLiteral("Press On to switch the instrument on"));
        QCOMPARE(text("PowerState"), QStringLiteral("The instrument is off"));
        QCOMPARE(tip("PowerState"), QStringLiteral("The display keeps its last picture"));
        QCOMPARE(firstTipLine("Image2"), QStringLiteral("left push button (Ctrl+Left)"));
        QVERIFY(control("Panel1")->accessibleDescription().startsWith(QStringLiteral("Tarvo")));
    }

    void aLostKeyShowsLostAndIsSaid()
    {
        QString lostShown, said, displayDescription;
        runPowered({[&] {
            displayDescription = control("Panel1")->accessibleDescription();
            // Two keys before a pass: the slot takes the first only.
            clickAt(control("Image3"));
            clickAt(control("Image2"));
            lostShown = window->learnerAids()->pressedKeys()->shownOn(QS9_KEY_LEFT);
            said = text("MessageLine");
        }});
        QCOMPARE(lostShown, QStringLiteral("lost"));
        QCOMPARE(said, QStringLiteral("Left push button: lost, the instrument takes one key at a time"));
        QVERIFY(displayDescription.endsWith(QStringLiteral("\nAlarm: Fuel pressure, not acknowledged")));
        QTRY_COMPARE(window->learnerAids()->pressedKeys()->shownOn(QS9_KEY_LEFT), QString()); // gone by itself
    }

    void theReadingsFollowTheSlidersAndTheirPage()
    {
        auto* level1 = control<QScrollBar>("ScrollBar30");
        auto* flow1 = control<QScrollBar>("ScrollBar29");
        QCOMPARE(text("ReadingScrollBar30"), QStringLiteral("off"));
        QString empty, full, flowPaged, levelPaged, levelCount, level2, moreShown;
        bool fuelRowsHidden = false;
        runPowered({
            [&] {
                empty = text("ReadingScrollBar30"); // level1 at 0: a full tank, as its calibration says
                level2 = text("ReadingScrollBar32");
                clickAt(level1, {level1->width() / 2, level1->height() / 2});
                pressKey(Qt::Key_End);
            },
            [&] {
                full = text("ReadingScrollBar30");
                pressKey(Qt::Key_Home);
                pressKey(Qt::Key_PageUp);
                levelPaged = QString::number(level1->value());
                levelCount = text("Label60");
                clickAt(flow1, {flow1->width() / 2, flow1->height() / 2});
                pressKey(Qt::Key_Home);
                pressKey(Qt::Key_PageUp);
                pressKey(Qt::Key_PageUp);
                pressKey(Qt::Key_PageDown);
            },
            [&] {
                flowPaged = QString::number(flow1->value()) + " " + text("ReadingScrollBar29");
                auto* tabs = control<QTabWidget>("PageControl1")->tabBar();
                clickAt(tabs, tabs->tabRect(1).center());
            },
            [&] {
                moreShown = control("ReadingScrollBarLoop")->isVisible() ? text("ReadingScrollBarLoop") : QString();
                fuelRowsHidden = !control("ReadingScrollBar30")->isVisible();
            },
        });
        QCOMPARE(empty, QStringLiteral("45 L"));
        QCOMPARE(level2, QStringLiteral("not read")); // a calculated tank with the factory settings
        QCOMPARE(full, QStringLiteral("FAIL"));
        QCOMPARE(levelPaged, QStringLiteral("205"));
        QCOMPARE(levelCount, QStringLiteral("205"));
        QCOMPARE(flowPaged, QStringLiteral("3277 421.3 L/hr"));
        QCOMPARE(moreShown, QStringLiteral("not read"));
        QVERIFY(fuelRowsHidden);
        QCOMPARE(level1->accessibleDescription(), QStringLiteral("The instrument is off"));
    }
};

QTEST_MAIN(LearnerAidsTest)
#include "learner_aids_test.moc"
