#include "host/main_window.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QShortcut>
#include <QSignalBlocker>
#include <QStatusBar>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>
#include <QWheelEvent>
#include <algorithm>
#include <functional>
#include <iterator>

#include "host/display_copy.h"
#include "host/display_presenter.h"
#include "host/learner_aids.h"
#include "host/photograph.h"
#include "host/playback_bar.h"
#include "host/slider_steps.h"
#include "host/window_flight.h"
#include "host/window_lessons.h"
#include "host/window_memory.h"
#include "host/window_panel.h"
#include "host/window_scripts.h"
#include "sim/simulator.h"

namespace {

constexpr QSize clientSize(503, 329);

// A transparent area over the photograph that acts on a left click and, over
// the knob, on the mouse wheel.
class ClickArea : public QWidget {
public:
    ClickArea(QWidget* parent, std::function<void()> onClick)
        : QWidget(parent), onClick(std::move(onClick))
    {
        setCursor(Qt::PointingHandCursor);
    }

    // onNotch gets +1 for each wheel notch away from the user, -1 towards.
    void takeWheel(std::function<void(int)> handler) { onNotch = std::move(handler); }

protected:
    void mouseReleaseEvent(QMouseEvent* event) override
    {
        if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
            onClick();
    }

    // A notch is 120 eighths of a degree; the finer steps of touchpads and
    // smooth wheels add up until they make one.
    void wheelEvent(QWheelEvent* event) override
    {
        if (!onNotch) {
            event->ignore();
            return;
        }
        constexpr int notch = 120;
        wheelRest += event->angleDelta().y();
        for (; wheelRest >= notch; wheelRest -= notch)
            onNotch(+1);
        for (; wheelRest <= -notch; wheelRest += notch)
            onNotch(-1);
        event->accept();
    }

private:
    std::function<void()> onClick;
    std::function<void(int)> onNotch;
    int wheelRest = 0;
};

// How long the status bar shows a message about a copy of the display.
constexpr int statusMessageMs = 10000;

// Paced, the loop's frames come this often: about 60 a second.
constexpr int pacedFrameMs = 16;

// The form's font. Where it is missing, DejaVu Sans Condensed stands in at
// the same pixel size: about as wide, so every caption ends short of its
// value label as on the form (a wider face runs "Fuel Pressure:" into it).
QFont formFont(int pixelSize, bool bold = false)
{
    QFont font;
    font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("DejaVu Sans Condensed")});
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

void place(QWidget* widget, const char* name, const Qs9Rect& r)
{
    widget->setObjectName(QString::fromLatin1(name));
    widget->setGeometry(r.left, r.top, r.width, r.height);
}

QLabel* addLabel(QWidget* parent, const QString& text, const Qs9Rect& r)
{
    auto* label = new QLabel(text, parent);
    label->setGeometry(r.left, r.top, r.width, r.height);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

// A new tab page holding one group box; returns the box.
QGroupBox* newBoxedPage(const QString& pageName, const QString& title, const QString& boxName,
                        const Qs9Rect& r)
{
    auto* page = new QWidget;
    page->setObjectName(pageName);
    auto* box = new QGroupBox(title, page);
    box->setObjectName(boxName);
    box->setGeometry(r.left, r.top, r.width, r.height);
    return box;
}

// The input table's pages, in the order it first names them.
QStringList inputPages()
{
    QStringList pages;
    for (int i = 0; i < qs9InputCount(); ++i)
        if (const QString page = QString::fromLatin1(qs9InputAt(i)->page); !pages.contains(page))
            pages << page;
    return pages;
}

// A page's group box, at the form's place, reaching 16 pixels below its
// lowest slider (as the form's " Fuel Data " box does).
Qs9Rect inputBoxArea(const QString& page)
{
    int16_t bottom = 0;
    for (int i = 0; i < qs9InputCount(); ++i) {
        const Qs9Input& input = *qs9InputAt(i);
        if (input.kind == QS9_INPUT_SLIDER && page == QLatin1String(input.page))
            bottom = std::max<int16_t>(bottom, input.area.top + input.area.height);
    }
    return {8, 8, 241, int16_t(bottom + 16)};
}

} // namespace

TfrmMain::TfrmMain(QWidget* parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("Tarvo QS-9 Simulator"));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setFont(formFont(11));
    scriptDesk = new WindowScripts(inputs, *this);
    lessonDesk = new WindowLessons(inputs, *this);
    memoryDesk = std::make_unique<WindowMemory>(inputs, *this);
    flightDesk = new WindowFlight(inputs, *this);
    sinceStart.start();
    wallClock = [this] { return double(sinceStart.nsecsElapsed()) / 1e6; };
    frameTimer = new QTimer(this);
    frameTimer->setObjectName(QStringLiteral("FrameTimer"));
    frameTimer->setInterval(pacedFrameMs);
    connect(frameTimer, &QTimer::timeout, this, [this] { frameDue = true; });
    setCentralWidget(buildFormAndPanel());
    buildMenu();
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    adjustSize();
    move(screen()->availableGeometry().center() - rect().center());

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(100);
    connect(Timer1, &QTimer::timeout, this, &TfrmMain::Timer1Timer);
    Timer1->start();

    // The display stays black until "On": only the surface is set up here,
    // and the firmware is at program start.
    presenter->setUp();
    qs9ProgramStart();
}

TfrmMain::~TfrmMain()
{
    presenter->tearDown();
}

// The instrument's form, and below it the window's own panel, as wide.
QWidget* TfrmMain::buildFormAndPanel()
{
    auto* area = new QWidget(this);
    area->setObjectName(QStringLiteral("FormAndPanel"));
    auto* column = new QVBoxLayout(area);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    QWidget* client = buildClientArea(area);
    column->addWidget(client);
    panel = new WindowPanel(this);
    panel->setFixedWidth(clientSize.width());
    column->addWidget(panel);
    aids = new LearnerAids(client, panel);
    playback = new PlaybackBar(inputs, panel);
    panel->room()->addWidget(playback);
    setFormTabOrder(client);
    return area;
}

QWidget* TfrmMain::buildClientArea(QWidget* parent)
{
    auto* client = new QWidget(parent);
    client->setObjectName(QStringLiteral("client"));
    client->setFixedSize(clientSize);

    buildPhotograph(client);

    presenter = new DisplayPresenter;
    Panel1 = QWidget::createWindowContainer(presenter, client);
    place(Panel1, "Panel1", {40, 57, 161, 121});
    Panel1->setStyleSheet(QStringLiteral("background: black"));

    buildFrontPanelKeys(client);

    Button1 = new QPushButton(QStringLiteral("&On"), client);
    place(Button1, "Button1", {32, 272, 75, 25});
    connect(Button1, &QPushButton::clicked, this, &TfrmMain::Button1Click);
    Button2 = new QPushButton(QStringLiteral("&Off"), client);
    place(Button2, "Button2", {136, 272, 75, 25});
    connect(Button2, &QPushButton::clicked, this, &TfrmMain::Button2Click);
    Button5 = new QPushButton(QStringLiteral("Color Table"), client);
    place(Button5, "Button5", {152, 8, 75, 25});
    Button5->hide();

    StatusBar1 = new QStatusBar(client);
    place(StatusBar1, "StatusBar1", {0, 310, 503, 19});
    StatusBar1->setSizeGripEnabled(false);
    buildDisplayCopyShortcuts();

    buildPageControl(client);
    return client;
}

// The form's tab order, set once every control of the window is made (a
// control made later may move those before it in the chain).
void TfrmMain::setFormTabOrder(QWidget* client)
{
    const auto named = [client](const char* name) { return client->findChild<QWidget*>(QString::fromLatin1(name)); };
    QWidget* tabOrder[] = {named("PageControl1"), Button1, Button2, named("Button3"), named("Button4"), Panel1, Button5};
    for (size_t i = 1; i < std::size(tabOrder); ++i)
        setTabOrder(tabOrder[i - 1], tabOrder[i]);
    tabOrder[0]->setFocus(); // the first in the tab order, as the form starts
}

// The photograph stretched over Image1; without one the area stays empty.
void TfrmMain::buildPhotograph(QWidget* client)
{
    auto* image = new QLabel(client);
    place(image, "Image1", {0, 0, 241, 249});
    DecodedPhotograph photo;
    if (!decodeJpeg(instrumentPhotographJpeg(), photo))
        return;
    const QImage picture(photo.rgb.data(), photo.width, photo.height, photo.width * 3,
                         QImage::Format_RGB888);
    const qreal ratio = devicePixelRatioF();
    QPixmap pixmap = QPixmap::fromImage(
        picture.scaled(image->size() * ratio, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    pixmap.setDevicePixelRatio(ratio);
    image->setPixmap(pixmap);
}

// Click areas over the push buttons and the knob, and the knob's "+" and "-"
// buttons; each posts its key and has its keyboard shortcut, which works
// whatever control has the focus. The wheel over the knob turns it.
void TfrmMain::buildFrontPanelKeys(QWidget* client)
{
    for (int i = 0; i < qs9KeyCount(); ++i) {
        const Qs9Key& k = *qs9KeyAt(i);
        const uint8_t key = k.key;
        auto post = [this, key] { inputs.postKey(key); };
        QWidget* control;
        if (k.caption) {
            auto* button = new QPushButton(QString::fromLatin1(k.caption), client);
            button->setFont(formFont(16, true));
            connect(button, &QPushButton::clicked, this, post);
            control = button;
        } else {
            auto* area = new ClickArea(client, post);
            if (k.wheelTurnsKnob) {
                area->takeWheel([this](int notch) {
                    if (const Qs9Key* turn = qs9KeyForWheelNotch(notch))
                        inputs.postKey(turn->key);
                });
            }
            control = area;
        }
        place(control, k.control, k.area); // its tooltip: LearnerAids
        auto* shortcut = new QShortcut(QKeySequence(QString::fromLatin1(k.shortcut)), this);
        connect(shortcut, &QShortcut::activated, this, post);
    }
}

// Copies of the display: Ctrl+C puts it on the clipboard four times
// enlarged, Ctrl+Shift+C at its own 160 x 120, and Ctrl+S saves it as a PNG
// in the user's pictures folder.
void TfrmMain::buildDisplayCopyShortcuts()
{
    const auto add = [this](const char* keys, auto slot) {
        connect(new QShortcut(QKeySequence(QString::fromLatin1(keys)), this),
                &QShortcut::activated, this, slot);
    };
    add("Ctrl+C", [this] { copyDisplay(4); });
    add("Ctrl+Shift+C", [this] { copyDisplay(1); });
    add("Ctrl+S", &TfrmMain::saveDisplay);
}

void TfrmMain::copyDisplay(int scale)
{
    const QImage picture = displayImage(scale);
    QGuiApplication::clipboard()->setImage(picture);
    StatusBar1->showMessage(QStringLiteral("Display copied to the clipboard, %1 x %2 pixels")
                                .arg(picture.width())
                                .arg(picture.height()),
                            statusMessageMs);
}

void TfrmMain::saveDisplay()
{
    const SavedPicture saved = saveDisplayPicture(picturesFolder(), QDateTime::currentDateTime());
    StatusBar1->showMessage(saved.ok ? QStringLiteral("Display saved as %1").arg(saved.path)
                                     : QStringLiteral("Display not saved: %1: %2").arg(saved.path, saved.error),
                            statusMessageMs);
}

QTabWidget* TfrmMain::buildPageControl(QWidget* client)
{
    auto* pages = new QTabWidget(client);
    place(pages, "PageControl1", {246, 0, 257, 310});
    // "Fuel Data" first, the form's own; then the inputs the firmware reads
    // that the instrument's window has no control for.
    for (const QString& page : inputPages())
        pages->addTab(buildInputPage(page), page);
    const int gps = pages->addTab(buildGpsPage(), QStringLiteral("GPS"));
    // Hidden and disabled: the tab bar's wheel and arrow keys and Ctrl+Tab
    // pass over disabled pages, though not over merely hidden ones.
    pages->setTabVisible(gps, false);
    pages->setTabEnabled(gps, false);
    pages->setCurrentIndex(0);
    return pages;
}

// One sensor row: caption, value label showing the position up to the
// slider, and the slider whose change handler shows the position and then
// stores it through the window's inputs.
void TfrmMain::addSensorRow(QWidget* box, const Qs9Input& s)
{
    constexpr int16_t labelHeight = 13;
    const int16_t top = s.area.top;
    addLabel(box, QString::fromLatin1(s.caption), {8, top, int16_t(s.valueLabelLeft - 8), labelHeight});
    QLabel* value = addLabel(box, QString::number(s.start),
                             {s.valueLabelLeft, top, int16_t(s.area.left - 2 - s.valueLabelLeft), labelHeight});
    value->setObjectName(QString::fromLatin1(s.valueLabel));

    auto* bar = new QScrollBar(Qt::Horizontal, box);
    place(bar, s.control, s.area);
    bar->setRange(0, s.maximum);
    bar->setPageStep(0);
    bar->setValue(s.start);
    // A scroll bar's keys run against its drawing by default (Right lowers
    // it); a sensor slider's Right and Up raise the reading.
    bar->setInvertedControls(false);
    // A click or Tab focuses it, as a form's scroll bar, so its keys move it.
    bar->setFocusPolicy(Qt::StrongFocus);
    stepByTwentieths(bar);
    connect(bar, &QScrollBar::valueChanged, box, [this, value, name = s.name](int position) {
        value->setText(QString::number(position));
        inputs.moveInput(name, uint32_t(position));
    });
}

// A check box that stands in for a switch; each change goes to the firmware
// before the next pass.
void TfrmMain::addCheckBox(QWidget* page, const Qs9Input& c)
{
    auto* box = new QCheckBox(QString::fromLatin1(c.caption), page);
    place(box, c.control, c.area);
    box->setChecked(c.start != 0);
    connect(box, &QCheckBox::toggled, page, [this, name = c.name](bool checked) {
        inputs.moveInput(name, checked ? 1 : 0);
    });
}

// A page of the input table's controls, its sliders in a group box titled
// as the page is. The form's page and box keep the form's names; another
// page is named after its caption ("TabSheetMoreInputs").
QWidget* TfrmMain::buildInputPage(const QString& caption)
{
    const bool formsPage = caption == QLatin1String("Fuel Data");
    const QString name = QString(caption).remove(QLatin1Char(' '));
    QGroupBox* box = newBoxedPage(formsPage ? QStringLiteral("TabSheet4") : QStringLiteral("TabSheet") + name,
                                  QStringLiteral(" %1 ").arg(caption),
                                  formsPage ? QStringLiteral("GroupBox1") : QStringLiteral("GroupBox") + name,
                                  inputBoxArea(caption));
    for (int i = 0; i < qs9InputCount(); ++i) {
        const Qs9Input& input = *qs9InputAt(i);
        if (caption != QLatin1String(input.page))
            continue;
        if (input.kind == QS9_INPUT_SLIDER)
            addSensorRow(box, input);
        else
            addCheckBox(box->parentWidget(), input);
    }
    return box->parentWidget();
}

// The GPS page is kept but its tab is hidden; nothing writes to its memo.
QWidget* TfrmMain::buildGpsPage()
{
    QGroupBox* box = newBoxedPage(QStringLiteral("TabSheet2"), QStringLiteral(" GPS Communications Window "),
                                  QStringLiteral("GroupBox2"), {0, 25, 249, 257});
    auto* memo = new QPlainTextEdit(box);
    memo->setObjectName(QStringLiteral("Memo2"));
    (new QVBoxLayout(box))->addWidget(memo);
    return box->parentWidget();
}

void TfrmMain::buildMenu()
{
    menuBar()->setObjectName(QStringLiteral("MainMenu1"));
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    scriptDesk->addTo(file, panel);
    lessonDesk->addDraftTo(file);
    connect(scriptDesk, &WindowScripts::recorded, lessonDesk, &WindowLessons::recorded);
    file->addSeparator();
    flightDesk->addTo(file, panel);
    file->addSeparator();
    memoryDesk->addTo(file, panel);
    file->addSeparator();
    QAction* exit = file->addAction(QStringLiteral("&Exit"));
    exit->setObjectName(QStringLiteral("Exit1"));
    connect(exit, &QAction::triggered, this, &TfrmMain::Exit1Click);
    lessonDesk->addTo(menuBar(), panel);
    // "Show me" plays through the one player: its controls follow. A step set
    // up with the instrument off shows the frame it leaves, as the runner's
    // (the loop, if it ran, has ended before it could show it).
    connect(lessonDesk, &WindowLessons::lessonChanged, this, [this] {
        playback->refresh();
        presenter->present();
    });
    (new QMenu(this))->setObjectName(QStringLiteral("PopupMenu1")); // attached to nothing
}

// While a script plays, "On" is refused and its loop runs as the script says.
void TfrmMain::Button1Click()
{
    inputs.powerOn();
    if (inputs.poweredOn())
        runMainLoop();
}

void TfrmMain::Button2Click() { inputs.powerOff(); }

// While the loop runs, "On" only restarts the power-on sequence. At the
// instrument loop pace a frame follows the last at once; paced, the loop
// sleeps in the event loop until the frame timer says the next is due.
void TfrmMain::runMainLoop()
{
    if (loopRunning)
        return;
    loopRunning = true;
    // Clicks, slider moves and timer ticks are handled only between passes,
    // so the firmware never sees an input change in the middle of one.
    while (qs9MainLoopRuns()) {
        if (inputs.paced() && !waitForFrame())
            continue;
        inputs.frame(wallClock());
        lessonDesk->check();
        // Paced, most frames draw what the last drew: only a new picture goes
        // to the panel.
        if (inputs.paced())
            presenter->presentChanged();
        else
            presenter->present();
        if (!inputs.paced())
            QCoreApplication::processEvents();
    }
    frameTimer->stop();
    loopRunning = false;
}

// False when the loop ended or the pace changed while it waited.
bool TfrmMain::waitForFrame()
{
    if (!frameTimer->isActive())
        frameTimer->start();
    while (!frameDue) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        if (!inputs.paced())
            frameTimer->stop();
        if (!qs9MainLoopRuns() || !inputs.paced())
            return false;
    }
    frameDue = false;
    return true;
}

// A played script's "on" enters the main loop once the player returns.
void TfrmMain::powerChanged(bool on)
{
    aids->powerChanged(on);
    if (on && !loopRunning)
        QTimer::singleShot(0, this, &TfrmMain::runMainLoop);
}

void TfrmMain::keyPosted(uint8_t key, int status) { aids->keyPosted(key, status); }

void TfrmMain::alarmAcknowledged(const char* text) { aids->alarmAcknowledged(text); }

void TfrmMain::inputRefused(const char* why) { panel->say(QString::fromLatin1(why)); }

void TfrmMain::flightMessage(const std::string& message) { flightDesk->say(QString::fromStdString(message)); }

void TfrmMain::playbackChanged()
{
    scriptDesk->showState();
    playback->refresh();
}

// The control shows the position without storing it again.
void TfrmMain::showInput(const Qs9Input& input, uint32_t position)
{
    const QString name = QString::fromLatin1(input.control);
    if (auto* bar = findChild<QScrollBar*>(name)) {
        const QSignalBlocker quiet(bar);
        bar->setValue(int(position));
        findChild<QLabel*>(QString::fromLatin1(input.valueLabel))->setText(QString::number(position));
    } else if (auto* box = findChild<QCheckBox*>(name)) {
        const QSignalBlocker quiet(box);
        box->setChecked(position != 0);
    }
}

void TfrmMain::Exit1Click()
{
    qs9PowerOff();
    memoryDesk->closing();
    QCoreApplication::quit();
}

// The learner's aids follow the passes at the timer's pace, not every pass.
void TfrmMain::Timer1Timer()
{
    inputs.tick();
    lessonDesk->check();
    aids->refresh();
    flightDesk->refresh();
}

// Closing ends a running loop at its next test; the window closes as usual.
void TfrmMain::closeEvent(QCloseEvent* event)
{
    qs9PowerOff();
    memoryDesk->closing();
    event->accept();
}
