#include "host/window_scripts.h"

#include <QAction>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QStatusBar>

#include "host/main_window.h"
#include "script/input_recording.h"
#include "script/recording_opening.h"
#include "script/script_player.h"

namespace {

const QString scriptFiles = QStringLiteral("QS-9 scripts (*.qs9);;All files (*)");
constexpr int statusMessageMs = 10000;

QString shown(const QString& path) { return QDir::toNativeSeparators(path); }

} // namespace

WindowScripts::WindowScripts(TfrmMain& window) : QObject(&window), window_(window) {}

// Whatever is held back reaches the file when the window goes.
WindowScripts::~WindowScripts()
{
    if (recording_)
        recording_->flush();
}

void WindowScripts::addTo(QMenu* file, QStatusBar* status)
{
    record_ = file->addAction(QStringLiteral("Record Script..."), this, &WindowScripts::chooseRecordingFile);
    record_->setObjectName(QStringLiteral("RecordScript1"));
    stop_ = file->addAction(QStringLiteral("Stop Recording"), this, &WindowScripts::stopRecording);
    stop_->setObjectName(QStringLiteral("StopRecording1"));
    stop_->setEnabled(false);
    file->addAction(QStringLiteral("Play Script..."), this, &WindowScripts::choosePlayedFile)
        ->setObjectName(QStringLiteral("PlayScript1"));
    status_ = status;
    state_ = new QLabel(status);
    state_->setObjectName(QStringLiteral("ScriptState"));
    status->addWidget(state_);
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
    if (recording_)
        stopRecording();
    file_.setFileName(path);
    // Unbuffered: each line is with the system as soon as it is written.
    if (!file_.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered)) {
        tell(QStringLiteral("Cannot record to %1: %2").arg(shown(path), file_.errorString()));
        return false;
    }
    recording_ = std::make_unique<InputRecording>([this](const std::string& line) { return writeLine(line); });
    writeOpening();
    checkRecording();
    showState();
    return recording_ != nullptr;
}

bool WindowScripts::writeLine(const std::string& line)
{
    const QByteArray bytes = QByteArray::fromStdString(line + '\n');
    return file_.write(bytes) == bytes.size();
}

void WindowScripts::writeOpening()
{
    writeRecordingOpening(*recording_, {window_.ticksRun(), window_.poweredOn(),
                                        [this](const Qs9Input& input) { return window_.inputPosition(input); }});
}

void WindowScripts::stopRecording()
{
    if (!recording_)
        return;
    recording_->flush();
    if (recording_->failed())
        return checkRecording();
    endRecording(QString());
    status_->showMessage(QStringLiteral("Script recorded in %1").arg(shown(file_.fileName())), statusMessageMs);
}

// A line that could not be written ends the recording, and the user hears why.
void WindowScripts::checkRecording()
{
    if (recording_ && recording_->failed())
        endRecording(QStringLiteral("Recording stopped: cannot write %1: %2")
                         .arg(shown(file_.fileName()), file_.errorString()));
}

void WindowScripts::endRecording(const QString& message)
{
    recording_.reset();
    file_.close();
    showState();
    if (!message.isEmpty())
        tell(message);
}

void WindowScripts::passRan()
{
    if (recording_)
        recording_->passRan();
    if (player_)
        player_->passed();
    afterPlayerStep();
}

void WindowScripts::ticked()
{
    if (recording_)
        recording_->ticked();
    if (player_)
        player_->ticked();
    afterPlayerStep();
}

void WindowScripts::moved(const char* input, uint32_t position)
{
    if (recording_)
        recording_->moved(input, position);
    checkRecording();
}

void WindowScripts::happened(const std::string& line)
{
    if (recording_)
        recording_->happened(line);
    checkRecording();
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
    player_ = std::make_unique<ScriptPlayer>(std::string_view(bytes.constData(), size_t(bytes.size())), window_);
    showState();
    player_->start();
    afterPlayerStep();
    return true;
}

void WindowScripts::afterPlayerStep()
{
    checkRecording();
    if (!player_ || !player_->ended())
        return;
    const std::string fault = player_->fault();
    player_.reset();
    showState();
    if (!fault.empty())
        tell(QStringLiteral("Playing %1 stopped at %2").arg(playedName_, QString::fromStdString(fault)));
    else
        status_->showMessage(QStringLiteral("Script %1 played").arg(playedName_), statusMessageMs);
}

// ---- what the user sees ----

void WindowScripts::showState()
{
    record_->setEnabled(!recording_);
    stop_->setEnabled(recording_ != nullptr);
    QStringList doing;
    if (recording_)
        doing << QStringLiteral("Recording to %1").arg(QFileInfo(file_.fileName()).fileName());
    if (player_)
        doing << QStringLiteral("Playing %1").arg(playedName_);
    state_->setText(doing.join(QStringLiteral("; ")));
    state_->setVisible(!doing.isEmpty());
}

// A message box that does not hold up the main loop.
void WindowScripts::tell(const QString& text)
{
    auto* box = new QMessageBox(QMessageBox::Warning, window_.windowTitle(), text, QMessageBox::Ok, &window_);
    box->setObjectName(QStringLiteral("ScriptMessage"));
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}
