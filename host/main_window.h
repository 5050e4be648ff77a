// The simulator's main window: the photograph of the instrument's front with
// its display panel and click areas, the power and knob buttons, and the
// sliders that stand in for the senders.
#pragma once
#include <QMainWindow>

#include "sim/simulator.h"

class QPushButton;
class QStatusBar;
class QTimer;
class QTabWidget;
class DisplayPresenter;

class TfrmMain : public QMainWindow {
    Q_OBJECT
public:
    explicit TfrmMain(QWidget* parent = nullptr);
    ~TfrmMain() override;

    DisplayPresenter* displayPresenter() const { return presenter; }
    bool mainLoopRunning() const { return loopRunning; }
    // Main-loop passes run since the window was created.
    uint64_t passesRun() const { return passCount; }

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
    bool loopRunning = false;
    uint64_t passCount = 0;
};
