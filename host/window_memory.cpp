#include "host/window_memory.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>
#include <QSettings>
#include <QStandardPaths>

#include "host/window_panel.h"
#include "script/host_inputs.h"
#include "script/memory_file.h"
#include "script/memory_keeper.h"
#include "script/script_files.h"
#include "script/setup_script.h"

namespace {

const QString optionKey = QStringLiteral("keepSettings");

QString configFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/qs9-simulator");
}

QString shown(const QString& path) { return QDir::toNativeSeparators(path); }

// The memory's file, its folder made at the first write.
class ConfigMemoryFile : public MemoryFile {
public:
    ConfigMemoryFile() : MemoryFile(QFile::encodeName(WindowMemory::memoryFile()).toStdString()) {}
    std::string write(std::string_view bytes) override
    {
        QDir().mkpath(configFolder());
        return MemoryFile::write(bytes);
    }
};

QString optionHelp()
{
    return QStringLiteral(
               "Keeps the set-up and the fuel totals across Off and On and the next start, in %1. "
               "A setting changed inside a menu reaches the memory when the instrument stores it, "
               "on leaving the menus; Off in the middle of a menu loses it, as on the instrument. "
               "A played script starts from the factory settings and leaves the memory alone "
               "until your next On.")
        .arg(shown(WindowMemory::memoryFile()));
}

} // namespace

QString WindowMemory::memoryFile() { return configFolder() + QStringLiteral("/instrument-memory"); }

QString WindowMemory::optionsFile() { return configFolder() + QStringLiteral("/window.conf"); }

WindowMemory::WindowMemory(HostInputs& inputs, QWidget& window)
    : inputs_(inputs), window_(window), file_(std::make_unique<ConfigMemoryFile>())
{
    keeper_ = std::make_unique<MemoryKeeper>(*file_, [this](const std::string& message, MemoryNews news) {
        tell(QString::fromStdString(message), news != MemoryNews::note);
    });
    keeper_->keepSettings(QSettings(optionsFile(), QSettings::IniFormat).value(optionKey, false).toBool());
    inputs_.keepMemory(keeper_.get());
}

WindowMemory::~WindowMemory()
{
    inputs_.keepMemory(nullptr);
    keeper_.reset();
}

bool WindowMemory::keepsSettings() const { return keeper_->keepsSettings(); }

void WindowMemory::addTo(QMenu* file, WindowPanel* panel)
{
    panel_ = panel;
    file->setToolTipsVisible(true);
    option_ = file->addAction(QStringLiteral("&Keep settings (instrument memory)"));
    option_->setObjectName(QStringLiteral("KeepSettings1"));
    option_->setCheckable(true);
    option_->setChecked(keeper_->keepsSettings());
    option_->setToolTip(optionHelp());
    option_->setStatusTip(optionHelp());
    connect(option_, &QAction::toggled, this, &WindowMemory::keepSettings);
    QAction* forget = file->addAction(QStringLiteral("&Forget the memory"), this, &WindowMemory::forget);
    forget->setObjectName(QStringLiteral("ForgetMemory1"));
    forget->setToolTip(QStringLiteral("Writes the factory settings with the totals at zero into the memory"));
    QAction* exporting = file->addAction(QStringLiteral("E&xport Set-up..."), this, &WindowMemory::chooseExportFile);
    exporting->setObjectName(QStringLiteral("ExportSetup1"));
    exporting->setToolTip(
        QStringLiteral("Writes the settings that differ from the factory ones as a script to hand on"));
}

void WindowMemory::keepSettings(bool on)
{
    if (option_ && option_->isChecked() != on)
        option_->setChecked(on); // comes back here through toggled
    if (keeper_->keepsSettings() == on)
        return;
    QSettings(optionsFile(), QSettings::IniFormat).setValue(optionKey, on);
    keeper_->keepSettings(on);
    tell(on ? QStringLiteral("Keep settings is on: a setting changed in a menu is kept when you leave the "
                             "menus; Off in the middle of a menu loses it")
            : QStringLiteral("Keep settings is off: every On starts from the factory settings"),
         false);
}

void WindowMemory::forget() { keeper_->forget(); }

void WindowMemory::chooseExportFile()
{
    const QString path = QFileDialog::getSaveFileName(&window_, QStringLiteral("Export Set-up"), QString(),
                                                      QStringLiteral("QS-9 scripts (*.qs9);;All files (*)"));
    if (!path.isEmpty())
        exportSetup(path);
}

bool WindowMemory::exportSetup(const QString& path)
{
    const std::string fault = writeFileSafely(QFile::encodeName(path).toStdString(), setupScript());
    if (!fault.empty()) {
        tell(QStringLiteral("Set-up not exported: %1: %2").arg(shown(path), QString::fromStdString(fault)), true);
        return false;
    }
    tell(QStringLiteral("Set-up exported to %1").arg(shown(path)), false);
    return true;
}

void WindowMemory::closing() { keeper_->poll(true); }

void WindowMemory::tell(const QString& text, bool error)
{
    if (!panel_)
        return;
    error ? panel_->sayError(text) : panel_->say(text);
}
