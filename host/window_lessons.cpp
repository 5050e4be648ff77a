#include "host/window_lessons.h"

#include <QAction>
#include <QCoreApplication>
#include <QBoxLayout>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>
#include <QProcess>
#include <iostream>

#include "host/control_highlights.h"
#include "host/lesson_panel.h"
#include "host/window_panel.h"
#include "script/lesson_draft.h"
#include "script/lesson_player.h"
#include "host/shipped_lessons.h"

namespace {

// A draft replays a recording: a moment, but a long recording takes longer.
constexpr int draftMs = 30000;

const QString lessonFiles = QStringLiteral("QS-9 lessons (*.qs9);;All files (*)");

QString shown(const QString& path) { return QDir::toNativeSeparators(path); }

// The file's bytes, or why they cannot be read.
bool readFile(const QString& path, QByteArray& bytes, QString& why)
{
    QFile file(path);
    if (QFileInfo(path).isDir())
        why = QStringLiteral("it is a folder");
    else if (!file.open(QIODevice::ReadOnly))
        why = file.errorString();
    else
        bytes = file.readAll();
    return why.isEmpty();
}

} // namespace

WindowLessons::WindowLessons(HostInputs& inputs, QWidget& window)
    : QObject(&window), inputs_(inputs), window_(window), draftProgram_(QCoreApplication::applicationFilePath())
{
    highlights_ = new ControlHighlights(window);
}

WindowLessons::~WindowLessons() = default;

void WindowLessons::addTo(QMenuBar* menus, WindowPanel* panel)
{
    panel_ = panel;
    QMenu* lessons = menus->addMenu(QStringLiteral("&Lessons"));
    lessons->setObjectName(QStringLiteral("LessonsMenu"));
    lessons->setToolTipsVisible(true);
    for (const ShippedLesson& shipped : shippedLessons()) {
        const QString name = QString::fromLatin1(shipped.name);
        QString title = name, introduction;
        try {
            const Lesson lesson = readLesson(shipped.text);
            title = QString::fromStdString(lesson.title);
            introduction = QString::fromStdString(lesson.introduction);
        } catch (const ScriptError&) {
            // checked when the lessons are; opening it says what is wrong
        }
        QAction* entry = lessons->addAction(title, this, [this, name] { openShipped(name); });
        entry->setObjectName(QStringLiteral("Lesson_") + name);
        entry->setToolTip(introduction);
    }
    lessons->addSeparator();
    lessons->addAction(QStringLiteral("&Open Lesson..."), this, &WindowLessons::chooseFile)
        ->setObjectName(QStringLiteral("OpenLesson1"));

    lessonPanel_ = new LessonPanel(panel);
    lessonPanel_->hide();
    panel->room()->insertWidget(0, lessonPanel_); // read first, right below the message line
    connect(lessonPanel_, &LessonPanel::hintAsked, this, [this] { player_->openHint(); });
    connect(lessonPanel_, &LessonPanel::showMeAsked, this, [this] { player_->showMe(); });
    connect(lessonPanel_, &LessonPanel::backAsked, this, [this] { player_->back(); });
    connect(lessonPanel_, &LessonPanel::restartAsked, this, [this] { player_->restart(); });
    connect(lessonPanel_, &LessonPanel::leaveAsked, this, &WindowLessons::leave);
}

void WindowLessons::addDraftTo(QMenu* file)
{
    draft_ = file->addAction(QStringLiteral("Save as Lesson &Draft..."), this, &WindowLessons::chooseDraftFile);
    draft_->setObjectName(QStringLiteral("SaveLessonDraft1"));
    draft_->setEnabled(false);
}

void WindowLessons::recorded(const QString& path)
{
    recording_ = path;
    if (draft_)
        draft_->setEnabled(true);
}

void WindowLessons::check()
{
    if (player_)
        player_->check();
}

bool WindowLessons::openShipped(const QString& name)
{
    const ShippedLesson* shipped = findShippedLesson(name.toStdString());
    if (!shipped) {
        panel_->sayError(QStringLiteral("There is no lesson %1").arg(name));
        return false;
    }
    return open(shipped->text, name);
}

bool WindowLessons::openFile(const QString& path)
{
    QByteArray bytes;
    QString why;
    if (!readFile(path, bytes, why)) {
        panel_->sayError(QStringLiteral("Cannot open the lesson %1: %2").arg(shown(path), why));
        return false;
    }
    return open(std::string_view(bytes.constData(), size_t(bytes.size())), QFileInfo(path).fileName());
}

// A lesson that does not read leaves the one running, if any, as it was; one
// whose run fails leaves the instrument off at its start.
bool WindowLessons::open(std::string_view text, const QString& from)
{
    try {
        Lesson lesson = readLesson(text);
        leave();
        player_ = std::make_unique<LessonPlayer>(inputs_, std::move(lesson), [this] { show(); });
    } catch (const ScriptError& error) {
        panel_->sayError(QStringLiteral("Cannot open the lesson %1: %2").arg(from, QString::fromStdString(error.message)));
        return false;
    }
    lessonPanel_->show();
    show();
    panel_->say(QStringLiteral("Lesson %1 opened").arg(from));
    return true;
}

void WindowLessons::leave()
{
    player_.reset();
    highlights_->clear();
    lessonPanel_->hide();
    emit lessonChanged();
}

void WindowLessons::show()
{
    lessonPanel_->showLesson(*player_);
    highlights_->show(player_->controls());
    emit lessonChanged();
}

void WindowLessons::chooseFile()
{
    const QString path = QFileDialog::getOpenFileName(&window_, QStringLiteral("Open Lesson"), QString(), lessonFiles);
    if (!path.isEmpty())
        openFile(path);
}

// ---- drafts from recordings ----

void WindowLessons::chooseDraftFile()
{
    const QFileInfo recording(recording_);
    const QString suggested = recording.dir().filePath(recording.completeBaseName() + QStringLiteral("-lesson.qs9"));
    const QString path = QFileDialog::getSaveFileName(&window_, QStringLiteral("Save as Lesson Draft"), suggested, lessonFiles);
    if (!path.isEmpty())
        saveDraft(path);
}

bool WindowLessons::saveDraft(const QString& path)
{
    QProcess maker;
    maker.start(draftProgram_, {QStringLiteral("--lesson-draft"), recording_});
    if (!maker.waitForFinished(draftMs) || maker.exitStatus() != QProcess::NormalExit || maker.exitCode() != 0) {
        const QString why = QString::fromLocal8Bit(maker.readAllStandardError()).trimmed();
        panel_->sayError(QStringLiteral("No lesson draft from %1: %2")
                             .arg(shown(recording_), why.isEmpty() ? maker.errorString() : why));
        return false;
    }
    QFile file(path);
    const QByteArray draft = maker.readAllStandardOutput();
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(draft) != draft.size() || !file.flush()) {
        panel_->sayError(QStringLiteral("Cannot write %1: %2").arg(shown(path), file.errorString()));
        return false;
    }
    panel_->say(QStringLiteral("Lesson draft saved in %1: edit its words, then open it from the Lessons menu")
                    .arg(shown(path)));
    return true;
}

int WindowLessons::writeDraft(const char* recording)
{
    QByteArray bytes;
    QString why;
    const QString path = QString::fromLocal8Bit(recording);
    if (!readFile(path, bytes, why)) {
        std::cerr << "cannot read " << recording << ": " << why.toStdString() << '\n';
        return 2;
    }
    try {
        std::cout << lessonDraft(std::string_view(bytes.constData(), size_t(bytes.size())),
                                 QFileInfo(path).completeBaseName().toStdString());
    } catch (const ScriptError& error) {
        std::cerr << lessonFault(error) << '\n';
        return 2;
    }
    return std::cout.flush() ? 0 : 2;
}
