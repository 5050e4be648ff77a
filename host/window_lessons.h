// The window's Lessons menu and the lesson that runs: the shipped lessons by
// title (the introduction as each entry's tip) and "Open Lesson..." for a
// lesson file of one's own; the lesson's panel in the window's own panel
// below the form and its controls framed on the form; "Save as Lesson
// Draft..." turns the last recording into a lesson to edit. A lesson that
// cannot be read or is refused is said in the panel, and the window goes on
// as it was. A draft replays the recording from program start, so it is made
// by a program of its own (the simulator with --lesson-draft), and the
// instrument shown stays as it is.
#pragma once
#include <QObject>
#include <memory>
#include <string_view>

class QAction;
class QMenu;
class QMenuBar;
class QWidget;
class ControlHighlights;
class HostInputs;
class LessonPanel;
class LessonPlayer;
class WindowPanel;

class WindowLessons : public QObject {
    Q_OBJECT
public:
    WindowLessons(HostInputs& inputs, QWidget& window);
    ~WindowLessons() override;

    // The Lessons menu, and the window's panel that shows the lesson.
    void addTo(QMenuBar* menus, WindowPanel* panel);
    // "Save as Lesson Draft...", in the File menu beside the recording.
    void addDraftTo(QMenu* file);
    // A recording was written to this file: a draft can be made of it.
    void recorded(const QString& path);

    // After each of the window's main-loop passes and timer ticks.
    void check();

    const LessonPlayer* player() const { return player_.get(); }

    // The program that makes drafts: by default the simulator itself.
    void setDraftProgram(const QString& program) { draftProgram_ = program; }
    // The simulator's "--lesson-draft RECORDING": the draft on standard
    // output and status 0, or the fault on standard error and status 2.
    static int writeDraft(const char* recording);

signals:
    // What the lesson shows changed: a step, "Show me" begun or ended, the
    // lesson left.
    void lessonChanged();

public slots:
    // A shipped lesson by name, a lesson file, a lesson's text; false, with
    // the reason said in the panel, when it does not open.
    bool openShipped(const QString& name);
    bool openFile(const QString& path);
    bool saveDraft(const QString& path);
    void leave();

private:
    bool open(std::string_view text, const QString& from);
    void chooseFile();
    void chooseDraftFile();
    void show();

    HostInputs& inputs_;
    QWidget& window_;
    WindowPanel* panel_ = nullptr;
    LessonPanel* lessonPanel_ = nullptr;
    ControlHighlights* highlights_ = nullptr;
    QAction* draft_ = nullptr;
    QString recording_;
    QString draftProgram_;
    std::unique_ptr<LessonPlayer> player_;
};
