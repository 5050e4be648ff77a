// What the window adds for a learner, beside what the instrument's own
// window has: in the window's panel the power state ("The instrument is
// off" under the photograph), what each key does on the screen shown and
// what the instrument reads from each sender slider; over the photograph
// each key taken shown pressed, or lost; in the message line an alarm a key
// acknowledged and a key that was lost; and the display panel's accessible
// description, the display as text. The form itself stays as it was.
#pragma once
#include <QObject>
#include <QString>
#include <cstdint>

class QLabel;
class QPushButton;
class QWidget;
class KeyHelpView;
class PressedKeys;
class SenderReadingsView;
class WindowPanel;

class LearnerAids : public QObject {
    Q_OBJECT
public:
    // The form's controls lie in client (found by their names); the aids
    // take a row of the panel.
    LearnerAids(QWidget* client, WindowPanel* panel);

    // After passes (the window's timer calls it ten times a second) and
    // whenever the power changes: whatever of it changed.
    void refresh();
    void powerChanged(bool on);
    // A key taken (QS9_OK) or lost (QS9_KEY_DROPPED).
    void keyPosted(uint8_t key, int status);
    void alarmAcknowledged(const char* text);

    PressedKeys* pressedKeys() const { return pressed_; }

private:
    QWidget* buildRow();

    QWidget* client_;
    WindowPanel* panel_;
    QWidget* display_;
    QPushButton* on_;
    QPushButton* off_;
    QLabel* power_ = nullptr;
    KeyHelpView* keyHelp_ = nullptr;
    SenderReadingsView* readings_ = nullptr;
    PressedKeys* pressed_;
    bool switchedOn_ = false;
    bool wasOn_ = false;
    QString described_;
};
