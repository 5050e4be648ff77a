// What the keys do on the screen shown, from the firmware's state: the lines
// of the screen's key help in the window's panel, and each key's own line
// at the head of its control's tooltip (over the push buttons and the knob,
// and on "+" and "-"), under it what the control is and its shortcut.
#pragma once
#include <QLabel>
#include <QString>
#include <vector>

class KeyHelpView : public QLabel {
    Q_OBJECT
public:
    // The key table's controls lie in client.
    KeyHelpView(QWidget* client, QWidget* parent);

    // After passes, and when the power changes: shows the help if it changed.
    void refresh();

private:
    struct KeyControl {
        uint8_t key;
        QWidget* control;
        QString about; // "knob pressed (Ctrl+Return); the mouse wheel ..."
    };
    std::vector<KeyControl> controls_;
    QString shown_;
};
