// Lessons in the real window with real input: a shipped lesson opened from
// the Lessons menu, a step done with clicks on the form and one with "Show
// me", the step's controls framed; a lesson file refused with its line
// named; a recorded walk to K-FACTOR 1 saved as a lesson draft that the
// runner's checks pass, the instrument shown left as it was. With
// QS9_LESSON_PICTURES naming a folder, the window is saved there at each
// step of the shipped lesson as NN-step.png.
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QProcess>
#include <QScreen>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <algorithm>
#include <deque>
#include <functional>

#include "core/keys_and_time.h"
#include "display/furniture.h"
#include "host/display_presenter.h"
#include "host/window_lessons.h"
#include "host/window_panel.h"
#include "host/window_scripts.h"
#include "screens/screen.h"
#include "script/lesson_player.h"
#include "sim/screen_names.h"
#include "tests/host/window_under_test.h"

namespace {

// Time for the main loop to run its passes between two looks.
constexpr int lookMs = 40;

// One thing the user does, and what to wait for after it.
struct Action {
    std::function<void()> act;
    std::function<bool()> until = [] { return true; };
};

// The control a solution's "key NAME", "on" or "off" line is clicked on.
const char* controlFor(const LessonLine& line)
{
    const std::string command = line.parsed.command->name;
    if (command == "pass" || command == "tick")
        return nullptr; // the clicks wait for the loop's passes in their place
    if (command == "on")
        return "Button1";
    if (command == "off")
        return "Button2";
    for (int i = 0; i < qs9KeyCount(); ++i)
        if (line.parsed.arguments.at(0) == qs9KeyAt(i)->name)
            return qs9KeyAt(i)->control;
    return nullptr;
}

// A step the learner can do with clicks alone: keys, power and time.
bool clickable(const LessonStep& step)
{
    for (const LessonLine& line : step.solution) {
        if (!line.parsed.command)
            continue;
        const std::string command = line.parsed.command->name;
        if (command != "key" && command != "on" && command != "off" && command != "pass" && command != "tick")
            return false;
    }
    return true;
}

} // namespace

class LessonsTest : public QObject, WindowUnderTest {
    Q_OBJECT

    QTemporaryDir folder;
    QString pictureFolder = qEnvironmentVariable("QS9_LESSON_PICTURES");
    std::deque<Action> actions;
    bool finished = false;

    QString file(const char* name) const { return folder.filePath(QString::fromLatin1(name)); }
    QString text(const char* label) const { return control<QLabel>(label)->text(); }
    const LessonPlayer* player() const { return window->lessons()->player(); }

    // Runs the actions from inside the main loop as it runs (or without it,
    // while the instrument is off), each once the one before has settled;
    // then "Off", and back here.
    void run()
    {
        finished = false;
        QTimer::singleShot(lookMs, window.get(), [this] { next(); });
        QTimer::singleShot(60000, window.get(), [] { powerOff = 1; }); // guards a hang
        QTRY_VERIFY_WITH_TIMEOUT(finished, 65000);
    }

    void next()
    {
        if (actions.empty()) {
            if (window->mainLoopRunning())
                clickAt(control("Button2"));
            finished = true;
            return;
        }
        Action action = std::move(actions.front());
        actions.pop_front();
        // The wait first: a click on "On" returns only once the loop it
        // starts has ended, and the actions after it run from inside it.
        waitFor(std::move(action.until));
        action.act();
    }

    void waitFor(std::function<bool()> until)
    {
        QTimer::singleShot(lookMs, window.get(), [this, until = std::move(until)]() mutable {
            if (until())
                next();
            else
                waitFor(std::move(until));
        });
    }

    // Each step's picture, once the window has grown to show the panel.
    void savePictures()
    {
        if (pictureFolder.isEmpty() || !QDir().mkpath(pictureFolder))
            return;
        connect(window->lessons(), &WindowLessons::lessonChanged, window.get(), [this] {
            if (const LessonPlayer* p = player())
                QTimer::singleShot(300, window.get(), [this, step = p->step()] {
                    const QString name = QStringLiteral("%1-step.png").arg(step + 1, 2, 10, QLatin1Char('0'));
                    if (!saveWindowPicture(QDir(pictureFolder).filePath(name)))
                        qWarning("could not save %s", qPrintable(name));
                });
        });
    }

    // A real click on an entry of a menu of the menu bar.
    void chooseFromMenu(const char* menuName, const char* entryName)
    {
        auto* menu = control<QMenu>(menuName);
        auto* entry = control<QAction>(entryName);
        actions.push_back({[this, menu] {
                               QMenuBar* bar = window->menuBar();
                               QTest::mouseClick(bar, Qt::LeftButton, {},
                                                 bar->actionGeometry(menu->menuAction()).center());
                           },
                           [menu] { return menu->isVisible(); }});
        actions.push_back({[menu, entry] {
            QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(entry).center());
        }});
    }

    // The step's solution as clicks, each once the passes it waits for ran.
    void doWithClicks(const LessonStep& step)
    {
        for (const LessonLine& line : step.solution)
            if (const char* name = line.parsed.command ? controlFor(line) : nullptr)
                actions.push_back({[this, name] { clickAt(control(name)); }, settled()});
    }

    // Three passes more than now, once the loop runs.
    std::function<bool()> settled()
    {
        auto from = std::make_shared<uint64_t>(UINT64_MAX);
        return [this, from] {
            if (*from == UINT64_MAX)
                *from = window->passesRun();
            return !window->mainLoopRunning() || window->passesRun() >= *from + 3;
        };
    }

private slots:
    void init()
    {
        QVERIFY(folder.isValid());
        QVERIFY(openWindow());
    }

    void cleanup() { window.reset(); }

    void aShippedLessonStepByStepWithClicksAndShowMe()
    {
        auto* menu = control<QMenu>("LessonsMenu");
        QVERIFY(menu->actions().size() >= 3); // lessons, a separator, "Open Lesson..."
        QAction* first = menu->actions().front();
        first->setObjectName(QStringLiteral("FirstLesson"));
        QVERIFY(!first->toolTip().isEmpty()); // the introduction
        savePictures();
        chooseFromMenu("LessonsMenu", "FirstLesson");
        bool byClicks = false, byShowMe = false, framed = false;
        QStringList progress;
        // Each step once the lesson shows it: with clicks the first one that
        // takes clicks alone, with "Show me" the others, until both were done.
        std::function<void()> doStep = [&] {
            const LessonPlayer& p = *player();
            progress << text("LessonProgress");
            QCOMPARE(text("LessonTitle"), QString::fromStdString(p.lesson().title));
            QVERIFY(text("LessonInstruction").contains(QString::fromStdString(p.current().instruction)));
            framed = framed || !window->findChildren<QWidget*>(QStringLiteral("LessonHighlight")).isEmpty();
            const size_t step = p.step();
            const bool withClicks = !byClicks && clickable(p.current());
            (withClicks ? byClicks : byShowMe) = true;
            if (withClicks)
                doWithClicks(p.current());
            else
                actions.push_back({[this] { clickAt(control("LessonShowMe")); }});
            actions.push_back({[] {}, [this, step] { return player()->step() > step || player()->finished(); }});
            if (!(byClicks && byShowMe) && step + 1 < p.stepCount())
                actions.push_back({doStep});
        };
        actions.push_back({[&] {
            QVERIFY(player() != nullptr);
            QVERIFY(control("LessonPanel")->isVisible());
            doStep();
        }});
        run();
        QVERIFY(byClicks);
        QVERIFY(byShowMe);
        QVERIFY(framed);
        QCOMPARE(progress.front(), QStringLiteral("Step 1 of %1").arg(player()->stepCount()));
        const LessonResult result = player()->result();
        QCOMPARE(result.byLearner, 1u);
        QCOMPARE(result.byShowMe, unsigned(progress.size() - 1));

        clickAt(control("LessonLeave"));
        QVERIFY(player() == nullptr);
        QVERIFY(!control("LessonPanel")->isVisible());
        QVERIFY(window->findChildren<QWidget*>(QStringLiteral("LessonHighlight")).isEmpty());
    }

    // A lesson that starts with the instrument off shows the frame its start
    // leaves (black), not the last one before it, whether the loop ran or not.
    void aLessonStartedOffShowsItsOwnFrame()
    {
        uint64_t presented = 0;
        actions.push_back({[this] { clickAt(control("Button1")); }, settled()});
        actions.push_back({[&] {
                               presented = window->displayPresenter()->framesPresented();
                               QVERIFY(window->lessons()->openShipped(QStringLiteral("switching-on")));
                           },
                           [this] { return !window->mainLoopRunning(); }});
        run();
        QVERIFY(window->displayPresenter()->framesPresented() > presented);
        QVERIFY(std::all_of(qs9FrameBuffer(), qs9FrameBuffer() + QS9_DISPLAY_WIDTH * QS9_DISPLAY_HEIGHT,
                            [](uint8_t index) { return index == 0; }));
        QTest::qWait(100);
        QWidget* panel = control("Panel1");
        const QPoint at = panel->mapToGlobal(QPoint(0, 0));
        const QImage shown = window->screen()->grabWindow(0, at.x(), at.y(), panel->width(), panel->height()).toImage();
        for (int y = 2; y < shown.height() - 2; ++y)
            for (int x = 2; x < shown.width() - 2; ++x)
                QVERIFY2(qGray(shown.pixel(x, y)) < 16, qPrintable(QStringLiteral("%1 %2").arg(x).arg(y)));
        QCOMPARE(text("LessonProgress"), QStringLiteral("Step 1 of %1").arg(player()->stepCount()));
    }

    void aBrokenLessonIsRefusedWithItsLineAndChangesNothing()
    {
        QFile bad(file("bad.qs9"));
        QVERIFY(bad.open(QIODevice::WriteOnly));
        bad.write("lesson \"Broken\"\nintroduction \"A lesson with a fault.\"\nstart\non\n"
                  "step \"Press the knob.\"\ndone noSuchValue 1\nkey press\nclosing \"Done.\"\n");
        bad.close();
        QVERIFY(!window->lessons()->openFile(file("bad.qs9")));
        const QString message = control<QLabel>("MessageLine")->text();
        QVERIFY2(message.startsWith(QStringLiteral("Cannot open the lesson bad.qs9: line 6: ")), qPrintable(message));
        QVERIFY(player() == nullptr);
        QVERIFY(!control("LessonPanel")->isVisible());
        QVERIFY(!window->mainLoopRunning());
        QVERIFY(!window->lessons()->openShipped(QStringLiteral("no-such-lesson")));
        QVERIFY(player() == nullptr);
    }

    void aRecordedWalkBecomesADraftThatTheChecksPass()
    {
        window->lessons()->setDraftProgram(QStringLiteral(QS9_SIMULATOR_PROGRAM));
        QVERIFY(!control<QAction>("SaveLessonDraft1")->isEnabled());
        QVERIFY(window->scripts()->recordTo(file("walk.qs9")));
        actions.push_back({[this] { clickAt(control("Button1")); }, settled()});
        for (const char* click : {"Image8", "Image8", "Image8", "Button3", "Button3"})
            actions.push_back({[this, click] { clickAt(control(click)); }, settled()});
        actions.push_back({[this] {
            control<QAction>("StopRecording1")->trigger();
            QVERIFY(control<QAction>("SaveLessonDraft1")->isEnabled());
            QVERIFY2(window->lessons()->saveDraft(file("walk-lesson.qs9")),
                     qPrintable(control<QLabel>("MessageLine")->text()));
            // The draft replayed the walk apart: the instrument shown is where it was.
            QCOMPARE(QString::fromLatin1(screenName(currentScreen)), QStringLiteral("fuelSetupScreen"));
            QCOMPARE(menuCursor, 2);
        }});
        run();
        QVERIFY(control<QLabel>("MessageLine")->text().startsWith(QStringLiteral("Lesson draft saved in ")));
        QProcess runner;
        runner.start(QStringLiteral(QS9_SCRIPT_PROGRAM), {QStringLiteral("--check"), file("walk-lesson.qs9")});
        QVERIFY(runner.waitForFinished(20000));
        QVERIFY(runner.readAllStandardOutput().contains("1 passed, 0 failed"));
        QCOMPARE(runner.exitCode(), 0);
    }
};

QTEST_MAIN(LessonsTest)
#include "lessons_test.moc"
