#include "host/window_flight.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>
#include <cmath>

#include "host/window_panel.h"
#include "script/host_inputs.h"
#include "script/script_files.h"

namespace {

constexpr size_t largestTrack = 64 * 1000 * 1000;
constexpr int defaultPort = 5500;

QString shown(const QString& path) { return QDir::toNativeSeparators(path); }

QHBoxLayout* rowOf(QWidget* row)
{
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    return layout;
}

// A caption whose mnemonic focuses the control.
QLabel* captionFor(QWidget* control, const QString& text)
{
    auto* caption = new QLabel(text, control->parentWidget());
    caption->setBuddy(control);
    return caption;
}

// "1:05:20" for 3920 s.
QString clockText(double seconds)
{
    const int whole = int(std::lround(seconds));
    return QStringLiteral("%1:%2:%3")
        .arg(whole / 3600)
        .arg(whole / 60 % 60, 2, 10, QLatin1Char('0'))
        .arg(whole % 60, 2, 10, QLatin1Char('0'));
}

} // namespace

WindowFlight::WindowFlight(HostInputs& inputs, QWidget& window) : QObject(&window), inputs_(inputs), window_(window) {}

void WindowFlight::addTo(QMenu* file, WindowPanel* panel)
{
    panel_ = panel;
    panel->room()->addWidget(buildPaceRow());
    panel->room()->addWidget(paceSentence_);
    panel->room()->addWidget(buildTrackRow());
    panel->room()->addWidget(buildSimulatorRow());
    panel->room()->addWidget(liveLine_);

    QAction* open = file->addAction(QStringLiteral("Open &Track..."));
    open->setObjectName(QStringLiteral("OpenTrack"));
    connect(open, &QAction::triggered, this, &WindowFlight::chooseTrackFile);
    QAction* start = file->addAction(QStringLiteral("Start &Flight Log"));
    start->setObjectName(QStringLiteral("StartFlightLog"));
    connect(start, &QAction::triggered, this, [this] {
        startLog();
        say(QStringLiteral("Flight log started: a row at the end of each measurement period"));
    });
    QAction* save = file->addAction(QStringLiteral("Save Flight &Log..."));
    save->setObjectName(QStringLiteral("SaveFlightLog"));
    connect(save, &QAction::triggered, this, &WindowFlight::chooseLogFile);
    refresh();
}

QWidget* WindowFlight::buildPaceRow()
{
    auto* row = new QWidget;
    row->setObjectName(QStringLiteral("PaceRow"));
    pace_ = new QComboBox(row);
    pace_->setObjectName(QStringLiteral("PaceChoice"));
    pace_->setAccessibleName(QStringLiteral("Pace"));
    for (const Pace& pace : paces())
        pace_->addItem(QString::fromLatin1(pace.label));
    pace_->setCurrentIndex(int(inputs_.pace()));
    connect(pace_, &QComboBox::currentIndexChanged, this, &WindowFlight::choosePace);
    QHBoxLayout* layout = rowOf(row);
    layout->addWidget(captionFor(pace_, QStringLiteral("P&ace:")));
    layout->addWidget(pace_);
    layout->addStretch(1);

    paceSentence_ = new QLabel(QString::fromLatin1(pacedModeSentence));
    paceSentence_->setObjectName(QStringLiteral("PaceSentence"));
    paceSentence_->setWordWrap(true);
    paceSentence_->setVisible(inputs_.paced());
    pace_->setToolTip(QString::fromLatin1(pacedModeSentence));
    return row;
}

QWidget* WindowFlight::buildTrackRow()
{
    auto* row = new QWidget;
    row->setObjectName(QStringLiteral("TrackRow"));
    auto* open = new QPushButton(QStringLiteral("Track..."), row);
    open->setObjectName(QStringLiteral("TrackOpen"));
    open->setToolTip(QStringLiteral("Open a track: the senders' values over instrument time, as CSV"));
    connect(open, &QPushButton::clicked, this, &WindowFlight::chooseTrackFile);
    play_ = new QPushButton(QStringLiteral("Play"), row);
    play_->setObjectName(QStringLiteral("TrackPlay"));
    connect(play_, &QPushButton::clicked, this, &WindowFlight::playOrPause);
    position_ = new QSpinBox(row);
    position_->setObjectName(QStringLiteral("TrackPosition"));
    position_->setAccessibleName(QStringLiteral("Track position in seconds"));
    position_->setSuffix(QStringLiteral(" s"));
    position_->setKeyboardTracking(false);
    connect(position_, &QSpinBox::valueChanged, this, [this](int seconds) { inputs_.seekTrack(seconds); });
    track_ = new QLabel(row);
    track_->setObjectName(QStringLiteral("TrackState"));
    QHBoxLayout* layout = rowOf(row);
    layout->addWidget(open);
    layout->addWidget(play_);
    layout->addWidget(captionFor(position_, QStringLiteral("Pos&ition:")));
    layout->addWidget(position_);
    layout->addWidget(track_, 1);
    return row;
}

QWidget* WindowFlight::buildSimulatorRow()
{
    auto* row = new QWidget;
    row->setObjectName(QStringLiteral("FlightSimulatorRow"));
    simulator_ = new QComboBox(row);
    simulator_->setObjectName(QStringLiteral("FlightSimulator"));
    simulator_->setAccessibleName(QStringLiteral("Flight simulator"));
    simulator_->addItems({QStringLiteral("Off"), QStringLiteral("FlightGear"), QStringLiteral("X-Plane")});
    simulator_->setToolTip(QStringLiteral("FlightGear sends with --generic=socket,out,5,127.0.0.1,PORT,udp,qs9-fuel; "
                                          "X-Plane is asked for its datarefs and answers to PORT"));
    port_ = new QSpinBox(row);
    port_->setObjectName(QStringLiteral("FlightSimulatorPort"));
    port_->setAccessibleName(QStringLiteral("Flight simulator port"));
    port_->setRange(1, 65535);
    port_->setValue(defaultPort);
    port_->setKeyboardTracking(false);
    connect(simulator_, &QComboBox::currentIndexChanged, this, &WindowFlight::chooseSimulator);
    connect(port_, &QSpinBox::valueChanged, this, [this] {
        if (simulator_->currentIndex() != 0)
            chooseSimulator();
    });
    QHBoxLayout* layout = rowOf(row);
    layout->addWidget(captionFor(simulator_, QStringLiteral("Flight si&mulator:")));
    layout->addWidget(simulator_);
    layout->addWidget(captionFor(port_, QStringLiteral("Po&rt:")));
    layout->addWidget(port_);
    layout->addStretch(1);

    liveLine_ = new QLabel;
    liveLine_->setObjectName(QStringLiteral("LiveLine"));
    liveLine_->setWordWrap(true);
    liveLine_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    liveLine_->hide();
    return row;
}

void WindowFlight::choosePace(int index)
{
    inputs_.setPace(size_t(index));
    paceSentence_->setVisible(inputs_.paced());
}

void WindowFlight::chooseTrackFile()
{
    const QString path = QFileDialog::getOpenFileName(&window_, QStringLiteral("Open Track"), QString(),
                                                      QStringLiteral("Tracks (*.csv);;All files (*)"));
    if (!path.isEmpty())
        openTrackFile(path);
}

bool WindowFlight::openTrackFile(const QString& path)
{
    std::string bytes, error;
    if (const std::string why = readDataFile(QFile::encodeName(path).toStdString(), largestTrack, bytes); !why.empty())
        error = "cannot read it: " + why;
    if (error.empty() && inputs_.openTrack(bytes, error)) {
        trackName_ = QFileInfo(path).fileName();
        {
            const QSignalBlocker quiet(simulator_);
            simulator_->setCurrentIndex(0); // a track replaces a live flight
        }
        startLog();
        const TrackState track = inputs_.trackState();
        say(QStringLiteral("Track %1 opened: %2 over %3; Play plays it at the pace")
                .arg(trackName_, QString::fromStdString(track.columns), clockText(track.length)));
        refresh();
        return true;
    }
    panel_->sayError(QStringLiteral("Track not opened: %1: %2").arg(shown(path), QString::fromStdString(error)));
    return false;
}

void WindowFlight::playOrPause()
{
    if (inputs_.trackState().playing)
        inputs_.pauseTrack();
    else
        inputs_.playTrack();
    refresh();
}

void WindowFlight::chooseSimulator()
{
    const auto kind = LiveKind(simulator_->currentIndex());
    std::string error;
    if (!inputs_.goLive(kind, uint16_t(port_->value()), error)) {
        panel_->sayError(QStringLiteral("%1 not listened to: %2")
                             .arg(simulator_->currentText(), QString::fromStdString(error)));
        const QSignalBlocker quiet(simulator_);
        simulator_->setCurrentIndex(int(inputs_.liveKind()));
    } else if (kind != LiveKind::off) {
        startLog();
    }
    refresh();
}

void WindowFlight::startLog() { inputs_.startFlightLog(defaultFlightLogNames()); }

void WindowFlight::chooseLogFile()
{
    if (!inputs_.flightLogging() && inputs_.flightLogText().empty()) {
        panel_->sayError(QStringLiteral("No flight log yet: open a track, choose a flight simulator or start one "
                                        "(File, Start Flight Log)"));
        return;
    }
    const QString path = QFileDialog::getSaveFileName(&window_, QStringLiteral("Save Flight Log"),
                                                      QStringLiteral("flight-log.csv"),
                                                      QStringLiteral("CSV (*.csv);;All files (*)"));
    if (!path.isEmpty())
        saveFlightLog(path);
}

bool WindowFlight::saveFlightLog(const QString& path)
{
    const std::string text = inputs_.flightLogText();
    if (const std::string fault = writeFileSafely(QFile::encodeName(path).toStdString(), text); !fault.empty()) {
        panel_->sayError(QStringLiteral("Flight log not saved: %1: %2").arg(shown(path), QString::fromStdString(fault)));
        return false;
    }
    const qsizetype rows = QString::fromStdString(text).count(QLatin1Char('\n')) - 1;
    say(QStringLiteral("Flight log saved to %1: %2 rows").arg(shown(path)).arg(std::max<qsizetype>(rows, 0)));
    return true;
}

void WindowFlight::say(const QString& message)
{
    if (panel_)
        panel_->say(message);
}

// The position follows the track, but not while the user types one.
void WindowFlight::refresh()
{
    const TrackState track = inputs_.trackState();
    play_->setEnabled(track.open);
    play_->setText(track.playing ? QStringLiteral("Pause") : QStringLiteral("Play"));
    position_->setEnabled(track.open);
    if (!position_->hasFocus() || track.playing) {
        const QSignalBlocker quiet(position_);
        position_->setRange(0, int(std::ceil(track.length)));
        position_->setValue(int(std::lround(track.position)));
    }
    track_->setText(track.open ? QStringLiteral("of %1 s, %2").arg(int(std::ceil(track.length))).arg(trackName_)
                               : QStringLiteral("no track"));
    track_->setToolTip(QString::fromStdString(track.columns));
    const QString live = QString::fromStdString(inputs_.liveLine());
    liveLine_->setText(live);
    liveLine_->setVisible(!live.isEmpty());
}
