#include "host/playback_bar.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

#include "script/host_inputs.h"
#include "script/script_player.h"

namespace {

QPushButton* addButton(QHBoxLayout* row, const char* name, const QString& caption, const QString& tip)
{
    auto* button = new QPushButton(caption, row->parentWidget());
    button->setObjectName(QString::fromLatin1(name));
    button->setToolTip(tip);
    row->addWidget(button);
    return button;
}

} // namespace

PlaybackBar::PlaybackBar(HostInputs& inputs, QWidget* parent) : QWidget(parent), inputs_(inputs)
{
    setObjectName(QStringLiteral("PlaybackBar"));
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    pause_ = addButton(row, "PausePlaying", QStringLiteral("&Pause"),
                       QStringLiteral("Hold the played script where it is, or go on"));
    step_ = addButton(row, "StepPlaying", QStringLiteral("S&tep"),
                      QStringLiteral("Play the next action and the time after it, then hold"));
    stop_ = addButton(row, "StopPlaying", QStringLiteral("&Stop"),
                      QStringLiteral("Stop playing and use the instrument yourself"));
    auto* speedLabel = new QLabel(QStringLiteral("Spee&d:"), this);
    speed_ = new QComboBox(this);
    speed_->setObjectName(QStringLiteral("PlaySpeed"));
    for (const PlaySpeed& speed : playSpeeds())
        speed_->addItem(QString::fromUtf8(speed.label));
    speedLabel->setBuddy(speed_);
    row->addWidget(speedLabel);
    row->addWidget(speed_);
    progress_ = new QLabel(this);
    progress_->setObjectName(QStringLiteral("PlayProgress"));
    row->addWidget(progress_, 1);

    connect(pause_, &QPushButton::clicked, this, [this] {
        inputs_.playProgress().paused ? inputs_.resumePlaying() : inputs_.pausePlaying();
    });
    connect(step_, &QPushButton::clicked, this, [this] { inputs_.stepPlaying(); });
    connect(stop_, &QPushButton::clicked, this, [this] { inputs_.stopPlaying(); });
    connect(speed_, &QComboBox::activated, this, [this](int index) { inputs_.setPlaySpeed(size_t(index)); });
    refresh();
}

void PlaybackBar::refresh()
{
    const PlayProgress now = inputs_.playProgress();
    const bool playing = inputs_.playing();
    pause_->setText(now.paused ? QStringLiteral("&Resume") : QStringLiteral("&Pause"));
    for (QPushButton* button : {pause_, step_, stop_})
        button->setEnabled(playing);
    speed_->setCurrentIndex(int(now.speed));
    progress_->setText(playing ? QString::fromStdString(progressText(now.line, now.lineCount)) : QString());
}
