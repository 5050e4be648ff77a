// Scripts in the window: a session of real clicks and a slider drag,
// recorded and replayed by qs9-script to the same frame and settings; a
// script played to its screen; a bad line and an unwritable file said in
// the window's panel, where an error stays until the next action.
#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QProcess>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <functional>
#include <string>
#include <vector>

#include "core/keys_and_time.h"
#include "host/window_scripts.h"
#include "screens/screen.h"
#include "script/display_pictures.h"
#include "sim/named_values.h"
#include "sim/screen_names.h"
#include "tests/host/window_under_test.h"

namespace {

// Every settings field by the name "expect" takes, array elements one by one.
std::vector<std::string> settingNames()
{
    std::vector<std::string> names;
    for (const NamedValue& value : settingsNames()) {
        const std::string name = value.name;
        for (unsigned i = 0; i < value.count; ++i) {
            const std::string index = "[" + std::to_string(i) + "]";
            const size_t marker = name.find("[]");
            names.push_back(value.count == 1 ? name
                            : marker == std::string::npos ? name + index
                                                          : name.substr(0, marker) + index + name.substr(marker + 2));
        }
    }
    return names;
}

std::string formatted(const std::string& name)
{
    char text[64];
    return qs9FormatValue(name.c_str(), text, sizeof text) == QS9_OK ? text : "?";
}

} // namespace

class ScriptRecordingTest : public QObject, WindowUnderTest {
    Q_OBJECT

    QTemporaryDir folder;

    QString file(const char* name) const { return folder.filePath(QString::fromLatin1(name)); }

    void writeScript(const char* name, const char* text) const
    {
        QFile script(file(name));
        QVERIFY(script.open(QIODevice::WriteOnly));
        script.write(text);
    }

    // Runs each step from inside the main loop, 60 ms apart, then "Off".
    void runSession(const std::vector<std::function<void()>>& steps)
    {
        int delay = 0;
        for (const auto& step : steps)
            QTimer::singleShot(delay += 60, window.get(), step);
        QTimer::singleShot(delay + 60, window.get(), [this] { clickAt(control("Button2")); });
        QTimer::singleShot(20000, window.get(), [] { powerOff = 1; }); // guards a hang
        clickAt(control("Button1"));
    }

    // The lines that check the window's state now: every setting, the
    // screen, and the frame against a picture of the window's.
    std::string expectations() const
    {
        const std::string picture = file("window.png").toStdString();
        if (!writeDisplayPng(picture, qs9FrameBuffer(), qs9Palette()).empty())
            qFatal("cannot write the window's frame");
        std::string lines = "compare " + picture + "\n";
        for (const std::string& name : settingNames())
            lines += "expect " + name + " " + formatted(name) + "\n";
        for (const char* name : {"currentScreen", "fuelConfig", "editStep", "alarmAcked", "level1Input"})
            lines += std::string("expect ") + name + " " + formatted(name) + "\n";
        return lines;
    }

    // The panel's message line.
    QString message() const { return control<QLabel>("MessageLine")->text(); }
    bool messageExpires() const { return control<QTimer>("MessageExpiry")->isActive(); }

private slots:
    void init()
    {
        QVERIFY(folder.isValid());
        QVERIFY(openWindow());
    }

    void cleanup() { window.reset(); }

    void aRecordedSessionReplaysToTheSameFrameAndSettings()
    {
        QTest::qWait(350); // ticks before the recording: the replay keeps in step
        QVERIFY(window->scripts()->recordTo(file("session.qs9")));
        QVERIFY(control<QLabel>("ScriptState")->text().startsWith(QStringLiteral("Recording to session.qs9")));
        QVERIFY(control("WindowPanel")->isAncestorOf(control("ScriptState")));
        auto* level1 = control<QScrollBar>("ScrollBar30");
        const QPoint handle = inWindow(level1, {level1->height() + 2, level1->height() / 2});
        QWidget* knob = control("Image8");
        runSession({
            [&] { clickAt(knob); }, // acknowledges the low pressure alarm
            [&] { clickAt(knob); }, // the main menu
            [&] { clickAt(knob); }, // fuel set-up
            [&] { clickAt(control("Button3")); },
            [&] { clickAt(control("Button3")); },
            [&] { QTest::mousePress(window->windowHandle(), Qt::LeftButton, {}, handle); },
            [&] { QTest::mouseMove(window->windowHandle(), handle + QPoint(30, 0)); },
            [&] { QTest::mouseRelease(window->windowHandle(), Qt::LeftButton, {}, handle + QPoint(40, 0)); },
            [&] { clickAt(control("CheckBox4")); },
            [&] { clickAt(control("Image2")); },
        });
        control<QAction>("StopRecording1")->trigger();
        QVERIFY(!window->scripts()->recording());
        QCOMPARE(message(), QStringLiteral("Script recorded in %1").arg(QDir::toNativeSeparators(file("session.qs9"))));
        QVERIFY(!control("ScriptState")->isVisible());
        QVERIFY(level1->value() > 0);
        QVERIFY(!control<QCheckBox>("CheckBox4")->isChecked());
        QCOMPARE(QString::fromLatin1(screenName(currentScreen)), QStringLiteral("mainMenuScreen"));

        QFile script(file("session.qs9"));
        QVERIFY(script.open(QIODevice::Append));
        script.write(QByteArray::fromStdString(expectations()));
        script.close();
        QProcess runner;
        runner.start(QStringLiteral(QS9_SCRIPT_PROGRAM), {script.fileName()});
        QVERIFY(runner.waitForFinished(20000));
        QCOMPARE(runner.readAllStandardError(), QByteArray());
        QCOMPARE(runner.exitCode(), 0);
    }

    void aPlayedScriptReachesItsScreenAndMovesTheControls()
    {
        writeScript("menu.qs9", "on\npass 3\nkey press\npass 3\nprint currentScreen\n"
                                "key press\npass 3\nslider level1 400\nvrax off\ntick 2\noff\n");
        QVERIFY(window->scripts()->play(file("menu.qs9")));
        QTRY_VERIFY_WITH_TIMEOUT(!window->scripts()->playing(), 10000);
        QCOMPARE(message(), QStringLiteral("Script menu.qs9 played"));
        QVERIFY(messageExpires());
        QCOMPARE(QString::fromLatin1(screenName(currentScreen)), QStringLiteral("mainMenuScreen"));
        QCOMPARE(control<QScrollBar>("ScrollBar30")->value(), 400);
        QCOMPARE(control<QLabel>("Label60")->text(), QStringLiteral("400"));
        QVERIFY(!control<QCheckBox>("CheckBox4")->isChecked());
        QVERIFY(!window->mainLoopRunning());
    }

    void aBadLineOrAnUnwritableFileIsSaid()
    {
        writeScript("bad.qs9", "tick 2\nkey press\njump 3\nkey left\n");
        QVERIFY(window->scripts()->play(file("bad.qs9")));
        QTRY_VERIFY_WITH_TIMEOUT(!window->scripts()->playing(), 10000);
        QCOMPARE(message(),
                 QStringLiteral("Playing bad.qs9 stopped at line 3: \"jump 3\": unknown command \"jump\""));
        QCOMPARE(pendingKey, 3); // the line after it did not run
        QVERIFY(!messageExpires()); // an error stays until the next action

        QVERIFY(!window->scripts()->recordTo(folder.path()));
        QVERIFY(message().startsWith(QStringLiteral("Cannot record to "))); // the newest replaces the last
        QVERIFY(!control<QAction>("StopRecording1")->isEnabled());
        pressKey(Qt::Key_Tab);
        QCOMPARE(message(), QString());

        QVERIFY(!window->scripts()->play(folder.path()));
        clickAt(control("Image2")); // the error gives way to the lost key
        QCOMPARE(message(), QStringLiteral("Left push button: lost, the instrument takes one key at a time"));
        QCOMPARE(pendingKey, 3);
    }
};

QTEST_MAIN(ScriptRecordingTest)
#include "script_recording_test.moc"
