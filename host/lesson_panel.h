// The lesson as the window shows it, in its own panel below the form: the
// title and "Step 3 of 9", the introduction above the first step, the
// step's instruction, its hint once opened, a word when the learner has
// left the lesson's path, and the buttons Hint, Show me, Back, Restart and
// Leave; after the last step the closing text and the learner's result.
#pragma once
#include <QFrame>

class QLabel;
class QPushButton;
class LessonPlayer;

class LessonPanel : public QFrame {
    Q_OBJECT
public:
    explicit LessonPanel(QWidget* parent);

    // Shows the player's lesson as it stands.
    void showLesson(const LessonPlayer& player);

signals:
    void hintAsked();
    void showMeAsked();
    void backAsked();
    void restartAsked();
    void leaveAsked();

private:
    QPushButton* addButton(const QString& caption, const char* name, void (LessonPanel::*asked)());

    QLabel* title_;
    QLabel* progress_;
    QLabel* text_;
    QLabel* hint_;
    QLabel* offPath_;
    QPushButton* hintButton_;
    QPushButton* showMe_;
    QPushButton* back_;
};
