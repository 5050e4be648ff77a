// The window's instrument time and flights, in its own panel: the pace
// ("Instrument loop", "Real time", "x10", "x60", "x240") with what a paced
// mode does; a track (open, play, pause, its position in seconds); the
// flight simulator to listen to (off, FlightGear, X-Plane, its port) and the
// line of what arrives. The File menu opens a track and starts and saves the
// flight log. A track opened or a flight simulator chosen starts a fresh
// log, of the values defaultFlightLogNames() names.
#pragma once
#include <QObject>
#include <QString>

class QComboBox;
class QLabel;
class QMenu;
class QPushButton;
class QSpinBox;
class QWidget;
class HostInputs;
class WindowPanel;

class WindowFlight : public QObject {
    Q_OBJECT
public:
    WindowFlight(HostInputs& inputs, QWidget& window);

    // The rows in the panel, the entries in the File menu.
    void addTo(QMenu* file, WindowPanel* panel);

    // The panel says what went wrong, or what was opened or saved.
    bool openTrackFile(const QString& path);
    bool saveFlightLog(const QString& path);
    // A track's or a flight simulator's message, in the message line.
    void say(const QString& message);
    // At the window's timer: the track's position and the live line.
    void refresh();

private:
    QWidget* buildPaceRow();
    QWidget* buildTrackRow();
    QWidget* buildSimulatorRow();
    void choosePace(int index);
    void chooseTrackFile();
    void playOrPause();
    void chooseSimulator();
    void chooseLogFile();
    void startLog();

    HostInputs& inputs_;
    QWidget& window_;
    WindowPanel* panel_ = nullptr;
    QComboBox* pace_ = nullptr;
    QLabel* paceSentence_ = nullptr;
    QPushButton* play_ = nullptr;
    QSpinBox* position_ = nullptr;
    QLabel* track_ = nullptr;
    QComboBox* simulator_ = nullptr;
    QSpinBox* port_ = nullptr;
    QLabel* liveLine_ = nullptr;
    QString trackName_;
};
