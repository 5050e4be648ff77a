// The playback controls in the window's panel: Pause and Resume, Step,
// Stop, the speed and the line the played script has reached. They drive
// the window's inputs' one player; without a script playing only the speed
// can be chosen, for the next.
#pragma once
#include <QWidget>

class QComboBox;
class QLabel;
class QPushButton;
class HostInputs;

class PlaybackBar : public QWidget {
    Q_OBJECT
public:
    PlaybackBar(HostInputs& inputs, QWidget* parent);

    // Whenever the player moves on, is paused or resumed, or ends.
    void refresh();

private:
    HostInputs& inputs_;
    QPushButton* pause_;
    QPushButton* step_;
    QPushButton* stop_;
    QComboBox* speed_;
    QLabel* progress_;
};
