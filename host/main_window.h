// The simulator's main window: the photograph of the instrument's front with
// its display panel and click areas, the power and knob buttons, and the
// sliders that stand in for the senders. Every input, the user's and a
// played script's, goes through its InputSink calls, which also record it.
#pragma once
#include <QMainWindow>

#include "script/input_sink.h"
#include "sim/simulator.h"

class QPushButton;
class QStatusBar;
class QTimer;
class QTabWidget;
class DisplayPresenter;
class WindowScripts;

class TfrmMain : public QMainWindow, public InputSink {
    Q_OBJECT
public:
    explicit TfrmMain(QWidget* parent = nullptr);
    ~TfrmMain() override;

    DisplayPresenter* displayPresenter() const { return presenter; }
    bool mainLoopRunning() const { return loopRunning; }
    // Main-loop passes run since the window was created.
    uint64_t passesRun() const { return passCount; }
    // Timer ticks since the window was created (the firmware's program start).
    uint64_t ticksRun() const { return tickCount; }
    WindowScripts* scripts() const { return scriptDesk; }

    // The window's inputs, as its controls make them and a played script
    // asks for them. powerOn enters the main loop once the caller returns.
    void powerOn() override;
    void powerOff() override;
    bool poweredOn() const override;
    int postKey(uint8_t key) override;
    // Moves the control, whose change then stores the position and records it.
    void moveInput(const Qs9Input& input, uint32_t position) override;
    int setValue(const char* name, int64_t value) override;
    // Where the input's control stands.
    uint32_t inputPosition(const Qs9Input& input) const;

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
    void switchOn();
    void runMainLoop();
    void inputMoved(const char* input, uint32_t position);
    void addSensorRow(QWidget* box, const Qs9Input& s);
    void addCheckBox(QWidget* page, const Qs9Input& c);
    QWidget* buildClientArea();
    void buildPhotograph(QWidget* client);
    void buildFrontPanelKeys(QWidget* client);
    QTabWidget* buildPageControl(QWidget* client);
    QWidget* buildInputPage(const char* pageName, const char* caption, const char* boxName,
                            const Qs9Rect& boxArea);
    QWidget* buildGpsPage();
    void buildMenu();
    void buildDisplayCopyShortcuts();

    DisplayPresenter* presenter = nullptr;
    QWidget* Panel1 = nullptr;
    QPushButton* Button1 = nullptr;
    QPushButton* Button2 = nullptr;
    QPushButton* Button5 = nullptr;
    QStatusBar* StatusBar1 = nullptr;
    QTimer* Timer1 = nullptr;
    WindowScripts* scriptDesk = nullptr;
    bool loopRunning = false;
    bool switchedOn = false;
    uint64_t passCount = 0;
    uint64_t tickCount = 0;
};
