// The instrument memory in the window, with real clicks and keys: off by
// default, every On from the factory settings with the notice; on, a tank
// set in the menus survives Off and On and a new window, On alone leaves
// the file as it was, a minute of steady flow writes it once a second, a
// damaged file is said in the panel and kept aside, a played script leaves
// the memory alone, and an exported set-up played in a new window makes
// the same settings.
#include <sys/stat.h>

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <functional>
#include <vector>

#include "core/fuel_flow.h"
#include "core/settings.h"
#include "host/window_memory.h"
#include "host/window_scripts.h"
#include "script/setup_script.h"
#include "tests/host/window_under_test.h"

namespace {

using Step = std::function<void()>;

QByteArray contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The file's identity: a write puts a new file in its place.
ino_t fileNumber(const QString& path)
{
    struct stat status {};
    return stat(QFile::encodeName(path).constData(), &status) == 0 ? status.st_ino : 0;
}

} // namespace

class WindowMemoryTest : public QObject, WindowUnderTest {
    Q_OBJECT

    QTemporaryDir config;

    QString message() const { return control<QLabel>("MessageLine")->text(); }

    void key(Qt::Key which) { pressKey(which, Qt::ControlModifier); }

    // The knob and push buttons' shortcuts that raise TANK 1 SETUP's TANK
    // SIZE by `litres` from the home screen and return home.
    std::vector<Step> tank1SizeRaisedInTheMenus(int litres)
    {
        std::vector<Step> steps;
        const auto add = [&](Qt::Key which, int times = 1) {
            for (int i = 0; i < times; ++i)
                steps.push_back([this, which] { key(which); });
        };
        add(Qt::Key_Return, 2); // the main menu, FUEL SETUP
        add(Qt::Key_Up, 5);     // TANK 1 SETUP
        add(Qt::Key_Return);
        add(Qt::Key_Up);        // TANK SIZE
        add(Qt::Key_Return);
        add(Qt::Key_Up, litres);
        add(Qt::Key_Return);
        add(Qt::Key_Left, 3);   // BACK, EXIT, EXIT
        return steps;
    }

    // "On" clicked, then each step from inside the main loop, two passes
    // after the one before, then "Off" clicked.
    void runPowered(std::vector<Step> steps)
    {
        steps.insert(steps.begin(), [this] {
            control<QScrollBar>("ScrollBar2")->setValue(2000); // pressure in its green band: no alarm
            control<QScrollBar>("ScrollBar30")->setValue(600);
        });
        steps.push_back([this] { clickAt(control("Button2")); });
        runAfterPasses(std::make_shared<std::vector<Step>>(std::move(steps)), 0, window->passesRun());
        QTimer::singleShot(60000, window.get(), [] { qs9PowerOff(); }); // guards a hang
        clickAt(control("Button1"));
    }

    void runAfterPasses(std::shared_ptr<std::vector<Step>> steps, size_t index, uint64_t passesBefore)
    {
        QTimer::singleShot(1, window.get(), [=, this] {
            if (index == steps->size())
                return;
            if (window->passesRun() < passesBefore + 2)
                return runAfterPasses(steps, index, passesBefore);
            (*steps)[index]();
            runAfterPasses(steps, index + 1, window->passesRun());
        });
    }

    // The File menu opened with a click on the menu bar, and the entry clicked.
    void chooseInFileMenu(const char* entry)
    {
        QMenuBar* bar = window->menuBar();
        QAction* file = bar->actions().first();
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(file).center());
        QMenu* menu = file->menu();
        QVERIFY(QTest::qWaitForWindowExposed(menu));
        auto* action = control<QAction>(entry);
        QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(action).center());
    }

    QString memoryFile() const { return WindowMemory::memoryFile(); }

private slots:
    void initTestCase()
    {
        QVERIFY(config.isValid());
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(config.path()));
    }

    void init()
    {
        QDir(config.filePath(QStringLiteral("qs9-simulator"))).removeRecursively();
        QVERIFY(openWindow());
        control<QTimer>("Timer1")->stop(); // a test's ticks are its own
    }

    void cleanup() { window.reset(); }

    void offByDefaultEveryOnStartsFromTheFactoryAndSaysSo()
    {
        QVERIFY(!control<QAction>("KeepSettings1")->isChecked());
        runPowered(tank1SizeRaisedInTheMenus(15));
        QCOMPARE(int(settings.tank1Size), 60);
        runPowered({});
        QCOMPARE(int(settings.tank1Size), 45);
        QCOMPARE(message(), QStringLiteral("Every On starts from the factory settings; "
                                           "switch on the instrument memory to keep them"));
        QVERIFY(!QFile::exists(memoryFile()));
    }

    void aTankSetInTheMenusAndTheTotalsSurviveOffOnAndANewWindow()
    {
        chooseInFileMenu("KeepSettings1");
        QVERIFY(control<QAction>("KeepSettings1")->isChecked());
        QVERIFY(message().startsWith(QStringLiteral("Keep settings is on: a setting changed in a menu is kept")));
        std::vector<Step> steps = tank1SizeRaisedInTheMenus(15);
        steps.push_back([this] { control<QScrollBar>("ScrollBar29")->setValue(7000); });
        steps.push_back([this] { control<QScrollBar>("ScrollBar29")->setValue(0); });
        runPowered(steps);
        const uint32_t used = fuelUsed1;
        QVERIFY(used > 0);

        runPowered({});
        QCOMPARE(int(settings.tank1Size), 60);
        QCOMPARE(message(), QStringLiteral("Settings restored from the instrument memory"));
        const QByteArray kept = contents(memoryFile());
        const ino_t number = fileNumber(memoryFile());
        QVERIFY(!kept.isEmpty());

        // On alone, and the ticks and Off after it, leave the file as it was.
        runPowered({[this] { window->Timer1Timer(); }, [this] { window->Timer1Timer(); }});
        QCOMPARE(fileNumber(memoryFile()), number);
        QCOMPARE(contents(memoryFile()), kept);

        window.reset();
        QVERIFY(openWindow());
        QVERIFY(control<QAction>("KeepSettings1")->isChecked());
        runPowered({});
        QCOMPARE(int(settings.tank1Size), 60);
        QCOMPARE(fuelUsed1, used);
    }

    void aMinuteOfSteadyFlowWritesOnceASecond()
    {
        window->memory()->keepSettings(true);
        int writes = 0;
        ino_t last = 0;
        std::vector<Step> minute{[this] { control<QScrollBar>("ScrollBar29")->setValue(7000); }};
        for (int tick = 0; tick < 600; ++tick)
            minute.push_back([&, this] {
                window->Timer1Timer();
                const ino_t number = fileNumber(memoryFile());
                writes += number != last;
                last = number;
            });
        runPowered(minute);
        qInfo("a minute of steady flow wrote the memory %d times", writes);
        QCOMPARE(writes, 60);
    }

    void aDamagedMemoryGivesTheFactorySettingsAndIsKeptAside()
    {
        window->memory()->keepSettings(true);
        QDir().mkpath(config.path() + QStringLiteral("/qs9-simulator"));
        QFile damaged(memoryFile());
        QVERIFY(damaged.open(QIODevice::WriteOnly));
        damaged.write("QS9M not a record");
        damaged.close();
        QString said; // an error stays until the next click, Off's
        runPowered({[&, this] { said = message(); }});
        QCOMPARE(int(settings.tank1Size), 45);
        QCOMPARE(said, QStringLiteral("The instrument memory is damaged (it holds 17 bytes where its header "
                                      "gives 29819); the factory settings are in use; it is kept as %1.damaged")
                           .arg(memoryFile()));
        QCOMPARE(contents(memoryFile() + QStringLiteral(".damaged")), QByteArray("QS9M not a record"));
        QVERIFY(!QFile::exists(memoryFile()));
    }

    void aPlayedScriptLeavesTheMemoryAndAnExportedSetUpPlaysBack()
    {
        window->memory()->keepSettings(true);
        runPowered(tank1SizeRaisedInTheMenus(15));
        const QByteArray kept = contents(memoryFile());
        const QString exported = config.filePath(QStringLiteral("setup.qs9"));
        QVERIFY(window->memory()->exportSetup(exported));
        QCOMPARE(message(), QStringLiteral("Set-up exported to %1").arg(exported));
        QVERIFY(contents(exported).contains("\nset settings.tank1Size 60\n"));

        // A script plays from the factory settings and leaves the memory alone.
        QFile script(config.filePath(QStringLiteral("script.qs9")));
        QVERIFY(script.open(QIODevice::WriteOnly));
        script.write("on\nset settings.units 1\npass 3\noff\n");
        script.close();
        QVERIFY(window->scripts()->play(script.fileName()));
        QTRY_VERIFY(!window->scripts()->playing());
        QCOMPARE(int(settings.tank1Size), 45);
        QCOMPARE(contents(memoryFile()), kept);

        // The exported set-up, played in a new window without the memory.
        window->memory()->keepSettings(false);
        window.reset();
        QVERIFY(openWindow());
        QTimer::singleShot(500, window.get(), [] { qs9PowerOff(); }); // the set-up leaves it on
        QVERIFY(window->scripts()->play(exported));
        QTRY_VERIFY(!window->mainLoopRunning() && !window->scripts()->playing());
        QCOMPARE(int(settings.tank1Size), 60);
        QCOMPARE(QByteArray::fromStdString(setupScript()), contents(exported));
    }
};

QTEST_MAIN(WindowMemoryTest)
#include "window_memory_test.moc"
