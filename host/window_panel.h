// The window's own panel, below the instrument's form: what the simulator
// adds beyond the instrument's window goes here, never onto the form. It
// holds the message line, the line saying what goes on (a recording, a
// played script) and room for further controls.
//
// One rule for messages: the newest replaces the last; a message goes after
// ten seconds, an error stays until the user's next action in the window (a
// click, a key, the wheel).
#pragma once
#include <QFrame>

class QBoxLayout;
class QLabel;
class QTimer;

class WindowPanel : public QFrame {
    Q_OBJECT
public:
    explicit WindowPanel(QWidget* window);

    void say(const QString& message);
    void sayError(const QString& message);
    // What goes on, until it changes; empty: nothing.
    void showState(const QString& state);
    // Where further controls go, in rows below the message line.
    QBoxLayout* room() const { return room_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void show(const QString& message, bool error);
    void clearMessage();

    QWidget* window_;
    QLabel* message_;
    QLabel* state_;
    QTimer* expiry_;
    QBoxLayout* room_;
    bool error_ = false;
};
