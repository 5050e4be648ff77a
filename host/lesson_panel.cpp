#include "host/lesson_panel.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "script/lesson_player.h"

namespace {

QLabel* newLabel(QWidget* parent, const char* name, bool wrapped = true)
{
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setWordWrap(wrapped);
    label->setTextFormat(Qt::PlainText);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

QString text(const std::string& s) { return QString::fromStdString(s); }

} // namespace

LessonPanel::LessonPanel(QWidget* parent) : QFrame(parent)
{
    setObjectName(QStringLiteral("LessonPanel"));
    setFrameStyle(QFrame::StyledPanel | QFrame::Plain);
    title_ = newLabel(this, "LessonTitle");
    QFont bold = title_->font();
    bold.setBold(true);
    title_->setFont(bold);
    progress_ = newLabel(this, "LessonProgress", false);
    text_ = newLabel(this, "LessonInstruction");
    hint_ = newLabel(this, "LessonHint");
    hint_->setStyleSheet(QStringLiteral("color: #404040; font-style: italic"));
    offPath_ = newLabel(this, "LessonOffPath");
    offPath_->setStyleSheet(QStringLiteral("color: #b00000"));
    offPath_->setText(QStringLiteral("This is off the lesson's path: Back returns to the start of the step."));

    auto* lines = new QVBoxLayout(this);
    lines->setContentsMargins(6, 4, 6, 4);
    lines->setSpacing(3);
    auto* head = new QHBoxLayout;
    head->addWidget(title_, 1);
    head->addWidget(progress_);
    lines->addLayout(head);
    for (QLabel* label : {text_, hint_, offPath_})
        lines->addWidget(label);
    auto* buttons = new QHBoxLayout;
    lines->addLayout(buttons);
    hintButton_ = addButton(QStringLiteral("&Hint"), "LessonHintButton", &LessonPanel::hintAsked);
    showMe_ = addButton(QStringLiteral("Show &me"), "LessonShowMe", &LessonPanel::showMeAsked);
    back_ = addButton(QStringLiteral("&Back"), "LessonBack", &LessonPanel::backAsked);
    addButton(QStringLiteral("Rest&art"), "LessonRestart", &LessonPanel::restartAsked);
    addButton(QStringLiteral("Lea&ve"), "LessonLeave", &LessonPanel::leaveAsked);
    for (QPushButton* button : findChildren<QPushButton*>())
        buttons->addWidget(button);
    buttons->addStretch(1);
}

QPushButton* LessonPanel::addButton(const QString& caption, const char* name, void (LessonPanel::*asked)())
{
    auto* button = new QPushButton(caption, this);
    button->setObjectName(QString::fromLatin1(name));
    connect(button, &QPushButton::clicked, this, asked);
    return button;
}

void LessonPanel::showLesson(const LessonPlayer& player)
{
    const Lesson& lesson = player.lesson();
    title_->setText(text(lesson.title));
    progress_->setText(text(player.progress()));
    if (player.finished()) {
        text_->setText(text(lesson.closing) + QStringLiteral("\n\n") + text(player.resultText()));
    } else {
        const QString instruction = text(player.current().instruction);
        text_->setText(player.step() == 0 && !lesson.introduction.empty()
                           ? text(lesson.introduction) + QStringLiteral("\n\n") + instruction
                           : instruction);
    }
    const bool hint = !player.finished() && player.hintShown() && !player.current().hint.empty();
    hint_->setText(hint ? QStringLiteral("Hint: ") + text(player.current().hint) : QString());
    hint_->setVisible(hint);
    offPath_->setVisible(!player.finished() && player.offPath());
    hintButton_->setEnabled(!player.finished() && !player.current().hint.empty() && !player.hintShown());
    showMe_->setEnabled(!player.finished() && !player.showingMe());
    back_->setEnabled(!player.showingMe());
}
