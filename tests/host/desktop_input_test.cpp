// The desktop's own input and output around the instrument: the mouse wheel
// over the knob, the key shortcuts whatever has the focus, and copies of the
// display on the clipboard and in the pictures folder.
#include <QClipboard>
#include <QDir>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

#include "core/keys_and_time.h"
#include "core/sensor_inputs.h"
#include "display/framebuffer.h"
#include "host/display_copy.h"
#include "host/display_presenter.h"
#include "sim/power_cycle.h"
#include "tests/host/window_under_test.h"

class DesktopInputTest : public QObject, WindowUnderTest {
    Q_OBJECT

    QTemporaryDir home; // holds the user's folder settings and pictures

    QString picturesDir() const { return home.filePath(QStringLiteral("My Pictures")); }

    // A frame with a white top-left pixel and a red bottom-right one.
    static void drawCornerFrame()
    {
        std::fill(std::begin(frameBuffer), std::end(frameBuffer), uint8_t(0));
        frameBuffer[0] = 15;
        frameBuffer[frameBufferSize - 1] = 9;
    }

    static void expectCornerFrame(const QImage& picture, int scale)
    {
        QCOMPARE(picture.size(), QSize(160 * scale, 120 * scale));
        QCOMPARE(picture.pixel(scale - 1, scale - 1), 0xFF000000u | palette[15]);
        QCOMPARE(picture.pixel(scale, 0), 0xFF000000u);
        QCOMPARE(picture.pixel(160 * scale - scale, 120 * scale - 1), 0xFF000000u | palette[9]);
    }

private slots:
    void initTestCase()
    {
        // The pictures folder comes from the user's folder settings.
        QVERIFY(home.isValid());
        QFile dirs(home.filePath(QStringLiteral("user-dirs.dirs")));
        QVERIFY(dirs.open(QIODevice::WriteOnly));
        dirs.write(QStringLiteral("XDG_PICTURES_DIR=\"%1\"\n").arg(picturesDir()).toUtf8());
        dirs.close();
        qputenv("XDG_CONFIG_HOME", home.path().toUtf8());
    }

    void init() { QVERIFY(openWindow()); }

    void cleanup() { window.reset(); }

    // Each whole notch over the knob is one turn into the one-slot key
    // buffer; finer steps add up; elsewhere the wheel turns nothing.
    void wheelOverTheKnobTurnsIt()
    {
        QWidget* knob = control("Image8");
        turnWheel(knob, 120);
        QCOMPARE(pendingKey, keyPlus);
        turnWheel(knob, -120); // the slot is full: lost, as a second click is
        QCOMPARE(pendingKey, keyPlus);

        pendingKey = 0;
        turnWheel(knob, -60);
        QCOMPARE(pendingKey, 0);
        turnWheel(knob, -60);
        QCOMPARE(pendingKey, keyMinus);

        pendingKey = 0;
        turnWheel(control("Image2"), 240);
        turnWheel(control("Image1"), 240);
        QCOMPARE(pendingKey, 0);
        QVERIFY(knob->toolTip().contains(QStringLiteral("wheel")));
    }

    // A clicked slider takes the focus; its own arrow keys then move it and
    // post nothing; with Ctrl they are the instrument's keys and leave the
    // slider alone.
    void shortcutsLeaveAClickedSliderItsArrows()
    {
        auto* flow1 = control<QScrollBar>("ScrollBar29");
        clickAt(flow1);
        QCOMPARE(QApplication::focusWidget(), flow1);
        pressKey(Qt::Key_Right); // towards the maximum, as the slider is drawn
        pressKey(Qt::Key_Right);
        QCOMPARE(control<QLabel>("Label57")->text(), QStringLiteral("2"));
        QCOMPARE(flow1Input, 2);
        pressKey(Qt::Key_Left);
        QCOMPARE(flow1Input, 1);
        QCOMPARE(pendingKey, 0);

        const struct { Qt::Key key; uint8_t posted; } shortcuts[] = {
            {Qt::Key_Left, keyLeft}, {Qt::Key_Right, keyRight}, {Qt::Key_Return, keyPress},
            {Qt::Key_Up, keyPlus}, {Qt::Key_Down, keyMinus}};
        for (const auto& s : shortcuts) {
            pendingKey = 0;
            pressKey(s.key, Qt::ControlModifier);
            QCOMPARE(pendingKey, s.posted);
        }
        QCOMPARE(flow1Input, 1);
    }

    // The shortcuts also reach the instrument from a focused button and from
    // the display panel, which is a window of its own inside the form.
    void shortcutsWorkWhateverHasTheFocus()
    {
        auto* on = control<QPushButton>("Button1");
        on->setFocus();
        QTRY_VERIFY(on->hasFocus());
        QTest::keyClick(on, Qt::Key_Return, Qt::ControlModifier);
        QCOMPARE(pendingKey, keyPress);
        QCOMPARE(powerOff, 0); // the focused "On" was not clicked
        QVERIFY(!window->mainLoopRunning());

        pendingKey = 0;
        DisplayPresenter* panel = window->displayPresenter();
        panel->requestActivate();
        QTRY_COMPARE(QGuiApplication::focusWindow(), panel);
        QTest::keyClick(panel, Qt::Key_Down, Qt::ControlModifier);
        QCOMPARE(pendingKey, keyMinus);
    }

    void copiesGoToTheClipboard()
    {
        drawCornerFrame();
        QTest::keyClick(window.get(), Qt::Key_C, Qt::ControlModifier);
        expectCornerFrame(QGuiApplication::clipboard()->image(), 4);
        QVERIFY(control<QStatusBar>("StatusBar1")->currentMessage().contains(QStringLiteral("640 x 480")));

        QTest::keyClick(window.get(), Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
        expectCornerFrame(QGuiApplication::clipboard()->image(), 1);
    }

    // Ctrl+S creates the pictures folder, writes the frame at its own size
    // under the date and time, and the status bar names the file.
    void savedPicturesLandInThePicturesFolder()
    {
        QDir(picturesDir()).removeRecursively();
        drawCornerFrame();
        QTest::keyClick(window.get(), Qt::Key_S, Qt::ControlModifier);
        const QStringList saved = QDir(picturesDir()).entryList(QDir::Files);
        QCOMPARE(saved.size(), 1);
        QVERIFY2(QRegularExpression(QStringLiteral("^qs9-\\d{4}-\\d\\d-\\d\\d-\\d{6}\\.png$"))
                     .match(saved[0]).hasMatch(), qPrintable(saved[0]));
        const QString path = QDir(picturesDir()).filePath(saved[0]);
        expectCornerFrame(QImage(path), 1);
        QCOMPARE(control<QStatusBar>("StatusBar1")->currentMessage(),
                 QStringLiteral("Display saved as %1").arg(path));
    }

    // Two pictures within one second both survive; a folder that cannot be
    // made is reported, not passed off as saved.
    void savingNeitherOverwritesNorFailsSilently()
    {
        const QDateTime when(QDate(2026, 12, 8), QTime(14, 30, 12));
        QCOMPARE(displayPictureName(when), QStringLiteral("qs9-2026-12-08-143012.png"));
        QTemporaryDir dir;
        const SavedPicture first = saveDisplayPicture(dir.path(), when);
        const SavedPicture second = saveDisplayPicture(dir.path(), when);
        QVERIFY(first.ok && second.ok);
        QCOMPARE(QFileInfo(first.path).fileName(), QStringLiteral("qs9-2026-12-08-143012.png"));
        QCOMPARE(QFileInfo(second.path).fileName(), QStringLiteral("qs9-2026-12-08-143012-2.png"));

        QFile blocker(dir.filePath(QStringLiteral("not-a-folder")));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        const SavedPicture failed = saveDisplayPicture(blocker.fileName(), when);
        QVERIFY(!failed.ok);
        QVERIFY(!failed.error.isEmpty());
    }
};

QTEST_MAIN(DesktopInputTest)
#include "desktop_input_test.moc"
