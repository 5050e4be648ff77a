// The File menu's "Record Script...", "Stop Recording" and "Play Script...".
// A recording writes what the user does in the window as runner lines,
// through to its file line by line, so that qs9-script replays it to the
// same states; a played script runs its inputs at the pace of the window's
// passes and timer ticks.
#pragma once
#include <QFile>
#include <QObject>
#include <memory>
#include <string>

class QAction;
class QLabel;
class QMenu;
class QStatusBar;
class InputRecording;
class ScriptPlayer;
class TfrmMain;

class WindowScripts : public QObject {
    Q_OBJECT
public:
    explicit WindowScripts(TfrmMain& window);
    ~WindowScripts() override;

    // The three menu entries, and the status bar that says what goes on.
    void addTo(QMenu* file, QStatusBar* status);

    // What ran in the window and what its user did, for the recording and
    // the player.
    void passRan();
    void ticked();
    void moved(const char* input, uint32_t position);
    void happened(const std::string& line);

    bool recording() const { return recording_ != nullptr; }
    bool playing() const { return player_ != nullptr; }

public slots:
    // Starts recording into the file (a failure is said in a message box).
    bool recordTo(const QString& path);
    void stopRecording();
    // Starts playing the script in the file (a failure is said in a message box).
    bool play(const QString& path);

private:
    void chooseRecordingFile();
    void choosePlayedFile();
    void writeOpening();
    bool writeLine(const std::string& line);
    void checkRecording();
    void endRecording(const QString& message);
    void afterPlayerStep();
    void showState();
    void tell(const QString& text);

    TfrmMain& window_;
    QAction* record_ = nullptr;
    QAction* stop_ = nullptr;
    QLabel* state_ = nullptr;
    QStatusBar* status_ = nullptr;
    QFile file_;
    std::unique_ptr<InputRecording> recording_;
    std::unique_ptr<ScriptPlayer> player_;
    QString playedName_;
};
