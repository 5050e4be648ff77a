// Instrument time in the window, with real keys and clicks and the loop's
// wall clock in the test's hand: at Real time fuel used counts one period
// each 4 seconds of that clock; a shipped track plays at x240, raises its
// alarm and leaves a flight log; a recording at x60 replays in the runner
// to the same frame and values.
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QScrollBar>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <functional>

#include "host/window_flight.h"
#include "host/window_scripts.h"
#include "script/display_pictures.h"
#include "tests/host/window_under_test.h"

namespace {

int64_t value(const char* name)
{
    int64_t read = 0;
    qs9ReadValue(name, &read);
    return read;
}

QByteArray contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class FlightWindowTest : public QObject, WindowUnderTest {
    Q_OBJECT

    QTemporaryDir folder;
    double wallMs = 0;

    QString file(const char* name) const { return folder.filePath(QString::fromLatin1(name)); }

    // Each frame of the loop finds the wall clock this much later.
    void clockSteps(double ms)
    {
        window->setWallClock([this, ms] { return wallMs += ms; });
    }

    // The pace chosen as a user does: Alt+A to the pace, then Down.
    void choosePace(int downs)
    {
        pressKey(Qt::Key_A, Qt::AltModifier);
        QVERIFY(control("PaceChoice")->hasFocus());
        pressKey(Qt::Key_Home);
        for (int n = 0; n < downs; ++n)
            pressKey(Qt::Key_Down);
    }

    void slide(const char* input, int position)
    {
        control<QScrollBar>(qs9FindInput(input)->control)->setValue(position);
    }

    // "On" clicked; `whenDone` is asked between frames until it says the
    // flight is over, then "Off" is clicked and the loop ends.
    void flyUntil(std::function<bool()> whenDone)
    {
        QTimer poll;
        poll.setInterval(1);
        connect(&poll, &QTimer::timeout, this, [&] {
            if (!whenDone())
                return;
            poll.stop();
            clickAt(control("Button2"));
        });
        poll.start();
        QTimer::singleShot(60000, window.get(), [] { qs9PowerOff(); }); // guards a hang
        clickAt(control("Button1"));
    }

private slots:
    void init()
    {
        QVERIFY(folder.isValid());
        QVERIFY(openWindow());
        slide("pressure", 2000); // in its green band: no alarm
        slide("level1", 600);
    }

    void cleanup() { window.reset(); }

    void atRealTimeFuelUsedCountsOnePeriodEachFourSecondsOfWallTime()
    {
        QVERIFY(!control("PaceSentence")->isVisible());
        choosePace(1);
        QCOMPARE(window->hostInputs().pace(), size_t(1));
        QVERIFY(control("PaceSentence")->isVisible());
        slide("flow1", 234); // 233 pulses a period into fuel used
        clockSteps(250);
        flyUntil([this] { return window->hostInputs().instrumentSeconds() >= 60; });
        QCOMPARE(window->hostInputs().instrumentSeconds(), 60.0);
        QCOMPARE(window->passesRun(), uint64_t(1 + 15)); // the pass at On, and one each 4 s
        QCOMPARE(window->framesRun(), uint64_t(1 + 240));
        QCOMPARE(value("used1Pulses"), int64_t(233 * 16));
    }

    void aShippedTrackPlaysAtX240RaisesItsAlarmAndLeavesAFlightLog()
    {
        QVERIFY(window->flight()->openTrackFile(QStringLiteral(QS9_TRACKS "/fuel-pump.csv")));
        QVERIFY(control<QLabel>("MessageLine")->text().startsWith(QStringLiteral("Track fuel-pump.csv opened")));
        QCOMPARE(control<QSpinBox>("TrackPosition")->maximum(), 1800);
        choosePace(4);
        QCOMPARE(window->hostInputs().pace(), size_t(4));
        clickAt(control("TrackPlay"));
        QCOMPARE(control<QPushButton>("TrackPlay")->text(), QStringLiteral("Pause"));
        clockSteps(50); // 12 s of instrument time a frame
        flyUntil([this] { return !window->hostInputs().trackState().playing; });
        QCOMPARE(window->hostInputs().trackState().position, 1800.0);
        QCOMPARE(value("pressureValue"), int64_t(4)); // 0.4 psi
        QCOMPARE(value("alarmFlags") & 64, int64_t(64));
        window->flight()->refresh();
        QCOMPARE(control<QSpinBox>("TrackPosition")->value(), 1800);
        QCOMPARE(control<QPushButton>("TrackPlay")->text(), QStringLiteral("Play"));

        QVERIFY(window->flight()->saveFlightLog(file("log.csv")));
        const QList<QByteArray> rows = contents(file("log.csv")).split('\n');
        QVERIFY(rows.first().startsWith("time_s,flow1,flow2,fuel_used1"));
        QVERIFY(rows.size() > 1800 / 4);
        QVERIFY(control<QLabel>("MessageLine")->text().startsWith(QStringLiteral("Flight log saved to ")));
        QVERIFY(!window->flight()->saveFlightLog(folder.path())); // a folder: said, not saved
        QVERIFY(control<QLabel>("MessageLine")->text().startsWith(QStringLiteral("Flight log not saved: ")));
    }

    void aRecordingAtX60ReplaysInTheRunnerToTheSameFrameAndValues()
    {
        choosePace(3);
        slide("flow1", 3000);
        clockSteps(40);
        QVERIFY(window->scripts()->recordTo(file("x60.qs9")));
        QString expectations;
        std::string pictureFault = "not written";
        flyUntil([&] {
            const uint64_t frames = window->framesRun();
            if (frames == 50)
                pressKey(Qt::Key_Right, Qt::ControlModifier);
            if (frames < 200)
                return false;
            window->scripts()->stopRecording();
            pictureFault = writeDisplayPng(file("x60.png").toStdString(), qs9FrameBuffer(), qs9Palette());
            for (const char* name : {"used1Pulses", "flowRate1", "tank1Level", "level1Input"})
                expectations += QStringLiteral("expect %1 %2\n").arg(QLatin1String(name)).arg(value(name));
            return true;
        });
        QCOMPARE(pictureFault, std::string());
        QVERIFY(window->passesRun() > 20);
        QFile script(file("x60.qs9"));
        QVERIFY(script.open(QIODevice::Append));
        script.write((expectations + QStringLiteral("compare x60.png\n")).toUtf8());
        script.close();
        QVERIFY(contents(file("x60.qs9")).contains("\nframe "));
        QProcess runner;
        runner.setWorkingDirectory(folder.path());
        runner.start(QStringLiteral(QS9_SCRIPT_PROGRAM), {script.fileName()});
        QVERIFY(runner.waitForFinished(20000));
        QCOMPARE(runner.readAllStandardError(), QByteArray());
        QCOMPARE(runner.exitCode(), 0);
    }
};

QTEST_MAIN(FlightWindowTest)
#include "flight_window_test.moc"
