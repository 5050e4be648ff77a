// The File menu's "Record Script...", "Stop Recording" and "Play Script...":
// the files chosen, the window's inputs (HostInputs) recording into one and
// playing another, and what the user is told. A recording goes to its file
// line by line.
#pragma once
#include <QFile>
#include <QObject>
#include <string>

class QAction;
class QMenu;
class QWidget;
class HostInputs;
struct PlayEnd;
class WindowPanel;

class WindowScripts : public QObject {
    Q_OBJECT
public:
    // The inputs of the window, which holds the dialogs.
    WindowScripts(HostInputs& inputs, QWidget& window);

    // The three menu entries, and the panel that says what goes on.
    void addTo(QMenu* file, WindowPanel* panel);

    bool recording() const;
    bool playing() const;
    // The menu's entries and the panel's state line as things stand.
    void showState();

signals:
    // A recording ended whole in this file.
    void recorded(const QString& path);

public slots:
    // Starts recording into the file (a failure is said in the panel).
    bool recordTo(const QString& path);
    void stopRecording();
    // Starts playing the script in the file (a failure is said in the panel).
    bool play(const QString& path);

private:
    void chooseRecordingFile();
    void choosePlayedFile();
    bool writeLine(const std::string& line);
    void recordingFailed();
    void played(const PlayEnd& end);
    void tell(const QString& text);

    HostInputs& inputs_;
    QWidget& window_;
    QAction* record_ = nullptr;
    QAction* stop_ = nullptr;
    WindowPanel* panel_ = nullptr;
    QFile file_;
    QString playedName_;
};
