// The simulator's main window: the photograph of the instrument's front with
// its display panel and click areas, the power and knob buttons, and the
// sliders that stand in for the senders. Every input, the user's and a
// played script's, goes through the window's HostInputs, which forwards it
// to the firmware and records it; the window's controls show what a played
// script did.
#pragma once
#include <QElapsedTimer>
#include <QMainWindow>
#include <functional>
#include <memory>

#include "script/host_inputs.h"
#include "sim/simulator.h"

class QPushButton;
class QStatusBar;
class QTimer;
class QTabWidget;
class DisplayPresenter;
class LearnerAids;
class PlaybackBar;
class WindowMemory;
class WindowPanel;
class WindowFlight;
class WindowLessons;
class WindowScripts;

class TfrmMain : public QMainWindow, private HostControls {
    Q_OBJECT
public:
    explicit TfrmMain(QWidget* parent = nullptr);
    ~TfrmMain() override;

    DisplayPresenter* displayPresenter() const { return presenter; }
    bool mainLoopRunning() const { return loopRunning; }
    // Main-loop passes run since the window was created (full passes).
    uint64_t passesRun() const { return inputs.passesRun(); }
    // Frames of the loop: full passes and, paced, those without the flow step.
    uint64_t framesRun() const { return inputs.framesRun(); }
    // Timer ticks since the window was created (the firmware's program start).
    uint64_t ticksRun() const { return inputs.ticksRun(); }
    WindowScripts* scripts() const { return scriptDesk; }
    WindowLessons* lessons() const { return lessonDesk; }
    // The pace, the track, the flight simulator and the flight log.
    WindowFlight* flight() const { return flightDesk; }
    // The loop's wall clock in ms, monotonic; a test gives its own.
    void setWallClock(std::function<double()> clock) { wallClock = std::move(clock); }
    // Every input of the window goes through these, the played ones too.
    HostInputs& hostInputs() { return inputs; }
    // The instrument memory and the File menu's entries for it.
    WindowMemory* memory() const { return memoryDesk.get(); }
    // Below the form: the messages and what goes on.
    WindowPanel* windowPanel() const { return panel; }
    // In the panel and over the photograph: what a learner is shown.
    LearnerAids* learnerAids() const { return aids; }

public slots:
    // "On": the power-on sequence, then the main loop until the stop flag is
    // set. While the loop runs, "On" only restarts the power-on sequence.
    void Button1Click();
    void Button2Click();
    void Exit1Click();
    void Timer1Timer();
    // The display's frame on the clipboard, each pixel scale x scale.
    void copyDisplay(int scale);
    // The display's frame as a PNG in the pictures folder; the status bar
    // says where, or why not.
    void saveDisplay();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    // What the window's controls lend to its inputs.
    void showInput(const Qs9Input& input, uint32_t position) override;
    void powerChanged(bool on) override;
    void keyPosted(uint8_t key, int status) override;
    void alarmAcknowledged(const char* text) override;
    void inputRefused(const char* why) override;
    void playbackChanged() override;
    void flightMessage(const std::string& message) override;

    void runMainLoop();
    bool waitForFrame();
    void addSensorRow(QWidget* box, const Qs9Input& s);
    void addCheckBox(QWidget* page, const Qs9Input& c);
    QWidget* buildFormAndPanel();
    QWidget* buildClientArea(QWidget* parent);
    void setFormTabOrder(QWidget* client);
    void buildPhotograph(QWidget* client);
    void buildFrontPanelKeys(QWidget* client);
    QTabWidget* buildPageControl(QWidget* client);
    QWidget* buildInputPage(const QString& caption);
    QWidget* buildGpsPage();
    void buildMenu();
    void buildDisplayCopyShortcuts();

    HostInputs inputs{*this};
    std::unique_ptr<WindowMemory> memoryDesk; // gone before the inputs
    DisplayPresenter* presenter = nullptr;
    QWidget* Panel1 = nullptr;
    QPushButton* Button1 = nullptr;
    QPushButton* Button2 = nullptr;
    QPushButton* Button5 = nullptr;
    QStatusBar* StatusBar1 = nullptr;
    QTimer* Timer1 = nullptr;
    WindowScripts* scriptDesk = nullptr;
    WindowLessons* lessonDesk = nullptr;
    WindowFlight* flightDesk = nullptr;
    WindowPanel* panel = nullptr;
    LearnerAids* aids = nullptr;
    PlaybackBar* playback = nullptr;
    bool loopRunning = false;
    // Paced, the loop waits for this timer between frames.
    QTimer* frameTimer = nullptr;
    bool frameDue = false;
    QElapsedTimer sinceStart;
    std::function<double()> wallClock;
};
