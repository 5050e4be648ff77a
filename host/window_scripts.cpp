#include "host/window_scripts.h"

#include <QAction>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>

#include "host/window_panel.h"
#include "script/host_inputs.h"

namespace {

const QString scriptFiles = QStringLiteral("QS-9 scripts (*.qs9);;All files (*)");

QString shown(const QString& path) { return QDir::toNativeSeparators(path); }

} // namespace

WindowScripts::WindowScripts(HostInputs& inputs, QWidget& window)
    : QObject(&window), inputs_(inputs), window_(window)
{
}

bool WindowScripts::recording() const { return inputs_.recording(); }

bool WindowScripts::playing() const { return inputs_.playing(); }

void WindowScripts::addTo(QMenu* file, WindowPanel* panel)
{
    record_ = file->addAction(QStringLiteral("Record Script..."), this, &WindowScripts::chooseRecordingFile);
    record_->setObjectName(QStringLiteral("RecordScript1"));
    stop_ = file->addAction(QStringLiteral("Stop Recording"), this, &WindowScripts::stopRecording);
    stop_->setObjectName(QStringLiteral("StopRecording1"));
    stop_->setEnabled(false);
    file->addAction(QStringLiteral("Play Script..."), this, &WindowScripts::choosePlayedFile)
        ->setObjectName(QStringLiteral("PlayScript1"));
    panel_ = panel;
    showState();
}

void WindowScripts::chooseRecordingFile()
{
    const QString path = QFileDialog::getSaveFileName(&window_, QStringLiteral("Record Script"), QString(), scriptFiles);
    if (!path.isEmpty())
        recordTo(path);
}

void WindowScripts::choosePlayedFile()
{
    const QString path = QFileDialog::getOpenFileName(&window_, QStringLiteral("Play Script"), QString(), scriptFiles);
    if (!path.isEmpty())
        play(path);
}

// ---- recording ----

bool WindowScripts::recordTo(const QString& path)
{
    if (inputs_.playing()) {
        panel_->say(QStringLiteral("Record is available once the script has ended or been stopped"));
        return false;
    }
    if (inputs_.recording())
        stopRecording();
    file_.setFileName(path);
    // Unbuffered: each line is with the system as soon as it is written.
    if (!file_.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered)) {
        tell(QStringLiteral("Cannot record to %1: %2").arg(shown(path), file_.errorString()));
        return false;
    }
    inputs_.startRecording([this](const std::string& line) { return writeLine(line); },
                           [this] { recordingFailed(); });
    showState();
    return inputs_.recording();
}

bool WindowScripts::writeLine(const std::string& line)
{
    const QByteArray bytes = QByteArray::fromStdString(line + '\n');
    return file_.write(bytes) == bytes.size();
}

void WindowScripts::stopRecording()
{
    if (!inputs_.stopRecording())
        return;
    file_.close();
    showState();
    panel_->say(QStringLiteral("Script recorded in %1").arg(shown(file_.fileName())));
    emit recorded(file_.fileName());
}

// A line could not be written: the recording has ended, and the user hears why.
void WindowScripts::recordingFailed()
{
    const QString why = file_.errorString();
    file_.close();
    showState();
    tell(QStringLiteral("Recording stopped: cannot write %1: %2").arg(shown(file_.fileName()), why));
}

// ---- playing ----

bool WindowScripts::play(const QString& path)
{
    QFile script(path);
    const bool folder = QFileInfo(path).isDir();
    if (folder || !script.open(QIODevice::ReadOnly)) {
        tell(QStringLiteral("Cannot play %1: %2")
                 .arg(shown(path), folder ? QStringLiteral("it is a folder") : script.errorString()));
        return false;
    }
    const QByteArray bytes = script.readAll();
    playedName_ = QFileInfo(path).fileName();
    inputs_.play(std::string_view(bytes.constData(), size_t(bytes.size())),
                 [this](const PlayEnd& end) { played(end); });
    showState();
    return true;
}

void WindowScripts::played(const PlayEnd& end)
{
    showState();
    if (!end.fault.empty())
        tell(QStringLiteral("Playing %1 stopped at %2").arg(playedName_, QString::fromStdString(end.fault)));
    else if (end.stopped)
        panel_->say(QStringLiteral("Stopped playing %1 at %2")
                        .arg(playedName_, QString::fromStdString(progressText(end.line, end.lineCount))));
    else
        panel_->say(QStringLiteral("Script %1 played").arg(playedName_));
}

// ---- what the user sees ----

void WindowScripts::showState()
{
    record_->setEnabled(!inputs_.recording() && !inputs_.playing());
    stop_->setEnabled(inputs_.recording());
    QStringList doing;
    if (inputs_.recording())
        doing << QStringLiteral("Recording to %1").arg(QFileInfo(file_.fileName()).fileName());
    if (inputs_.playing())
        doing << QStringLiteral("Playing %1%2")
                     .arg(playedName_, inputs_.playProgress().paused ? QStringLiteral(", paused") : QString());
    panel_->showState(doing.join(QStringLiteral("; ")));
}

// An error stays in the panel until the user's next action.
void WindowScripts::tell(const QString& text) { panel_->sayError(text); }
