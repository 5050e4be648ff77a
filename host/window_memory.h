// The window's instrument memory: the File menu's "Keep settings
// (instrument memory)", "Forget the memory" and "Export Set-up...", the
// memory kept in one file of the user's configuration folder
// (qs9-simulator/instrument-memory), the option remembered beside it
// (qs9-simulator/window.conf), and what the memory says, in the panel.
#pragma once
#include <QObject>
#include <QString>
#include <memory>

class QAction;
class QMenu;
class QWidget;
class HostInputs;
class MemoryFile;
class MemoryKeeper;
class WindowPanel;

class WindowMemory : public QObject {
    Q_OBJECT
public:
    // The memory of the window's inputs, with the option as the user left it.
    WindowMemory(HostInputs& inputs, QWidget& window);
    // The last write, as at close.
    ~WindowMemory() override;

    // The menu entries, and the panel that says what the memory does.
    void addTo(QMenu* file, WindowPanel* panel);

    // The file that holds the memory, and the one that holds the option.
    static QString memoryFile();
    static QString optionsFile();

    bool keepsSettings() const;

public slots:
    void keepSettings(bool on);
    void forget();
    // The set-up as a script in the file; the panel says where, or why not.
    bool exportSetup(const QString& path);
    // The window closes: what is due is written.
    void closing();

private:
    void chooseExportFile();
    void tell(const QString& text, bool error);

    HostInputs& inputs_;
    QWidget& window_;
    std::unique_ptr<MemoryFile> file_;
    std::unique_ptr<MemoryKeeper> keeper_;
    QAction* option_ = nullptr;
    WindowPanel* panel_ = nullptr;
};
