// Playing a script in the window as a learner follows it: paused, the
// instrument stands still and the learner's own clicks change nothing;
// each step holds where the runner, given the lines played so far, shows
// the same frame; resumed at 4x it goes on; Stop hands the instrument back
// without an error.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <functional>
#include <string>
#include <vector>

#include "core/keys_and_time.h"
#include "core/sensor_inputs.h"
#include "host/window_scripts.h"
#include "screens/screen.h"
#include "script/display_pictures.h"
#include "script/host_inputs.h"
#include "sim/screen_names.h"
#include "tests/host/window_under_test.h"

namespace {

const char* const script = "slider pressure 2000\n"
                           "slider level1 600\n"
                           "on\n"
                           "tick 30\n"
                           "key press\n"
                           "pass 3\n"
                           "key plus\n"
                           "pass 3\n"
                           "key plus\n"
                           "pass 3\n"
                           "tick 600\n"
                           "key press\n";

// The script's first lines, as the runner would play them.
std::string firstLines(int count)
{
    std::string lines = script;
    size_t end = 0;
    for (int n = 0; n < count; ++n)
        end = lines.find('\n', end) + 1;
    return lines.substr(0, end);
}

// One step of a session: once `ready` holds (and at least `afterMs` after
// the step before), `act`.
struct Step {
    int afterMs;
    std::function<bool()> ready;
    std::function<void()> act;
};

} // namespace

class PlaybackTest : public QObject, WindowUnderTest {
    Q_OBJECT

    QTemporaryDir folder;
    bool sessionEnded = false;

    QString file(const char* name) const { return folder.filePath(QString::fromLatin1(name)); }

    // Runs the steps in turn from inside the main loop, polling every 20 ms.
    void runSteps(std::vector<Step> steps, size_t index = 0)
    {
        if (index == steps.size()) {
            sessionEnded = true;
            return;
        }
        auto since = std::make_shared<QElapsedTimer>();
        since->start();
        poll(std::move(steps), index, since);
    }

    void poll(std::vector<Step> steps, size_t index, std::shared_ptr<QElapsedTimer> since)
    {
        QTimer::singleShot(20, window.get(), [=, this] {
            const Step& step = steps[index];
            if (since->elapsed() < step.afterMs || !step.ready())
                return poll(steps, index, since);
            step.act();
            runSteps(steps, index + 1);
        });
    }

    PlayProgress progress() const { return window->hostInputs().playProgress(); }

    QString message() const { return control<QLabel>("MessageLine")->text(); }

    // The window's frame against the runner's for the script's first lines.
    bool runnerShowsTheSameFrame(const std::vector<uint8_t>& frame, int lines) const
    {
        const std::string picture = file("window.png").toStdString();
        if (!writeDisplayPng(picture, frame.data(), qs9Palette()).empty())
            return false;
        QProcess runner;
        runner.start(QStringLiteral(QS9_SCRIPT_PROGRAM), {});
        runner.write(QByteArray::fromStdString(firstLines(lines) + "compare " + picture + "\n"));
        runner.closeWriteChannel();
        return runner.waitForFinished(20000) && runner.exitCode() == 0 && runner.readAllStandardError().isEmpty();
    }

    static std::vector<uint8_t> frameNow()
    {
        return {qs9FrameBuffer(), qs9FrameBuffer() + QS9_DISPLAY_WIDTH * QS9_DISPLAY_HEIGHT};
    }

private slots:
    void init()
    {
        QVERIFY(folder.isValid());
        QVERIFY(openWindow());
        sessionEnded = false;
    }

    void cleanup() { window.reset(); }

    void pausedSteppedResumedAndStoppedWithTheLearnersClicksRefused();
};

void PlaybackTest::pausedSteppedResumedAndStoppedWithTheLearnersClicksRefused()
{
    QFile played(file("playback.qs9"));
    QVERIFY(played.open(QIODevice::WriteOnly));
    played.write(script);
    played.close();

    const auto playbackLine = [this] { return control<QLabel>("PlayProgress")->text(); };
    const auto button = [this](const char* name) { return control<QPushButton>(name); };
    uint64_t passesAtPause = 0, ticksAtPause = 0;
    bool stoodStill = false, pausedShown = false, recordOffered = true, learnerChangedNothing = false;
    bool refusalSaid = false, stoppedWithoutError = false, learnerTakesOver = false;
    QString afterPause, afterFirstStep, afterSecondStep, speedShown;
    std::vector<uint8_t> firstStepFrame, secondStepFrame;
    QString firstStepScreen;

    runSteps({
        {0, [&] { return progress().line == 4; }, [&] {
             clickAt(button("PausePlaying"));
             passesAtPause = window->passesRun();
             ticksAtPause = window->ticksRun();
         }},
        {300, [] { return true; }, [&] {
             stoodStill = window->passesRun() == passesAtPause && window->ticksRun() == ticksAtPause;
             afterPause = playbackLine();
             pausedShown = button("PausePlaying")->text() == QStringLiteral("&Resume") &&
                           control<QLabel>("ScriptState")->text() == QStringLiteral("Playing playback.qs9, paused");
             recordOffered = control<QAction>("RecordScript1")->isEnabled();
             // The learner's own click, slider arrow and box.
             clickAt(control("Image8"));
             auto* level1 = control<QScrollBar>("ScrollBar30");
             clickAt(level1, {level1->width() - 4, level1->height() / 2});
             clickAt(control("CheckBox4"));
         }},
        {100, [] { return true; }, [&] {
             learnerChangedNothing = pendingKey == keyNone && level1Input == 600 &&
                                     control<QScrollBar>("ScrollBar30")->value() == 600 &&
                                     control<QLabel>("Label60")->text() == QStringLiteral("600") &&
                                     control<QCheckBox>("CheckBox4")->isChecked() && vraxBoxChecked == 1;
             refusalSaid = message() == QLatin1String(HostInputs::refusedWhy);
             clickAt(button("StepPlaying"));
         }},
        {0, [&] { return progress().paused && progress().line == 6; }, [&] {
             afterFirstStep = playbackLine();
             firstStepScreen = QString::fromLatin1(screenName(currentScreen));
             firstStepFrame = frameNow();
             clickAt(button("StepPlaying"));
         }},
        {0, [&] { return progress().paused && progress().line == 8; }, [&] {
             afterSecondStep = playbackLine();
             secondStepFrame = frameNow();
             pressKey(Qt::Key_D, Qt::AltModifier); // "Speed:", its mnemonic
             pressKey(Qt::Key_End);
             speedShown = control<QComboBox>("PlaySpeed")->currentText();
             clickAt(button("PausePlaying")); // Resume
         }},
        {0, [&] { return !progress().paused && progress().line == 11; }, [&] { clickAt(button("StopPlaying")); }},
        {0, [&] { return !window->scripts()->playing(); }, [&] {
             stoppedWithoutError = message() == QStringLiteral("Stopped playing playback.qs9 at line 11 of 12") &&
                                   control<QTimer>("MessageExpiry")->isActive() && !button("StopPlaying")->isEnabled();
             clickAt(control("Image8"));
             learnerTakesOver = pendingKey == keyPress;
         }},
        {100, [] { return true; }, [&] { clickAt(control("Button2")); }},
    });
    QTimer::singleShot(40000, window.get(), [] { powerOff = 1; }); // guards a hang
    QVERIFY(window->scripts()->play(file("playback.qs9")));
    QTRY_VERIFY_WITH_TIMEOUT(sessionEnded && !window->mainLoopRunning(), 45000);

    QVERIFY(stoodStill);
    QCOMPARE(afterPause, QStringLiteral("line 4 of 12"));
    QVERIFY(pausedShown);
    QVERIFY(!recordOffered);
    QVERIFY(learnerChangedNothing);
    QVERIFY(refusalSaid);
    QCOMPARE(afterFirstStep, QStringLiteral("line 6 of 12"));
    QCOMPARE(firstStepScreen, QStringLiteral("mainMenuScreen"));
    QVERIFY(runnerShowsTheSameFrame(firstStepFrame, 6));
    QCOMPARE(afterSecondStep, QStringLiteral("line 8 of 12"));
    QVERIFY(runnerShowsTheSameFrame(secondStepFrame, 8));
    QVERIFY(firstStepFrame != secondStepFrame);
    QCOMPARE(speedShown, QStringLiteral("4x"));
    QVERIFY(stoppedWithoutError);
    QVERIFY(learnerTakesOver);
}

QTEST_MAIN(PlaybackTest)
#include "playback_test.moc"
