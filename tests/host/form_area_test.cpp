// The instrument's form, 503 x 329 client pixels, as the user sees it: off
// at start and on showing the home screen, each pixel as in the reference
// pictures beside this test. Whatever the window adds goes outside it.
// QS9_UPDATE_FORM_PICTURES=1 (re)writes the references.
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QtTest>

#include "core/keys_and_time.h"
#include "tests/host/window_under_test.h"

class FormAreaTest : public QObject, WindowUnderTest {
    Q_OBJECT

    // The form's area as it is on screen.
    QImage grabForm() const
    {
        QWidget* form = control("client");
        const QImage shot = window->screen()->grabWindow(window->winId()).toImage();
        return shot.copy(QRect(inWindow(form, {0, 0}), form->size())).convertToFormat(QImage::Format_RGB32);
    }

    // The frame compared with the reference, or the reference written.
    void compareWithReference(const QImage& form, const char* name)
    {
        QCOMPARE(form.size(), QSize(503, 329));
        const QString path = QStringLiteral(QS9_FORM_PICTURES "/%1.png").arg(QString::fromLatin1(name));
        if (qEnvironmentVariableIsSet("QS9_UPDATE_FORM_PICTURES")) {
            QVERIFY(form.save(path));
            return;
        }
        const QImage reference = QImage(path).convertToFormat(QImage::Format_RGB32);
        QCOMPARE(reference.size(), form.size());
        for (int y = 0; y < form.height(); ++y)
            for (int x = 0; x < form.width(); ++x)
                if (form.pixel(x, y) != reference.pixel(x, y))
                    QFAIL(qPrintable(QStringLiteral("%1: pixel (%2, %3) is %4, not %5")
                                         .arg(path).arg(x).arg(y)
                                         .arg(form.pixel(x, y) & 0xFFFFFF, 6, 16, QLatin1Char('0'))
                                         .arg(reference.pixel(x, y) & 0xFFFFFF, 6, 16, QLatin1Char('0'))));
    }

private slots:
    void init() { QVERIFY(openWindow()); }

    void cleanup() { window.reset(); }

    void theFormIsAsBeforeWhileOff()
    {
        QTest::qWait(200); // everything painted
        compareWithReference(grabForm(), "form-off");
    }

    // With the timer stopped and its counters at 0 the home screen's frame
    // is always the same: no blink phase, the first status line.
    void theFormIsAsBeforeWhileOn()
    {
        control<QTimer>("Timer1")->stop();
        blinkTicks = blinkPhase = slowTicks = headerCycle = 0;
        QTimer::singleShot(300, window.get(), [this] { control<QPushButton>("Button2")->click(); });
        QTimer::singleShot(20000, window.get(), [] { powerOff = 1; }); // guards a hang
        control<QPushButton>("Button1")->click();
        QVERIFY(window->passesRun() > 2);
        QTest::qWait(200);
        compareWithReference(grabForm(), "form-on");
    }
};

QTEST_MAIN(FormAreaTest)
#include "form_area_test.moc"
