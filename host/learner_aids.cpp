#include "host/learner_aids.h"

#include <QBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>

#include "host/key_help_view.h"
#include "host/pressed_keys.h"
#include "host/sender_readings_view.h"
#include "host/window_panel.h"
#include "sim/simulator.h"

namespace {

// The panel's left column lies under the photograph, the right one under
// the page control.
constexpr int photographWidth = 241;

template <typename T = QWidget>
T* formControl(QWidget* client, const char* name)
{
    return client->findChild<T*>(QString::fromLatin1(name));
}

// "Knob pressed", as the key table names the key.
QString keyName(uint8_t key)
{
    for (int i = 0; i < qs9KeyCount(); ++i)
        if (qs9KeyAt(i)->key == key) {
            QString name = QString::fromLatin1(qs9KeyAt(i)->help);
            return name.left(1).toUpper() + name.mid(1);
        }
    return QStringLiteral("A key");
}

} // namespace

LearnerAids::LearnerAids(QWidget* client, WindowPanel* panel)
    : QObject(panel),
      client_(client),
      panel_(panel),
      display_(formControl(client, "Panel1")),
      on_(formControl<QPushButton>(client, "Button1")),
      off_(formControl<QPushButton>(client, "Button2")),
      pressed_(new PressedKeys(client))
{
    panel->room()->addWidget(buildRow());
    display_->setAccessibleName(QStringLiteral("The instrument's display"));
    powerChanged(false);
}

QWidget* LearnerAids::buildRow()
{
    auto* row = new QWidget(panel_);
    row->setObjectName(QStringLiteral("LearnerRow"));
    auto* columns = new QHBoxLayout(row);
    columns->setContentsMargins(0, 0, 0, 0);
    auto* left = new QVBoxLayout;
    power_ = new QLabel(row);
    power_->setObjectName(QStringLiteral("PowerState"));
    QFont bold = power_->font();
    bold.setBold(true);
    power_->setFont(bold);
    power_->setWordWrap(true);
    left->addWidget(power_);
    keyHelp_ = new KeyHelpView(client_, row);
    left->addWidget(keyHelp_);
    auto* leftColumn = new QWidget(row);
    leftColumn->setLayout(left);
    left->setContentsMargins(0, 0, 0, 0);
    leftColumn->setFixedWidth(photographWidth);
    columns->addWidget(leftColumn, 0, Qt::AlignTop);
    readings_ = new SenderReadingsView(formControl<QTabWidget>(client_, "PageControl1"), row);
    columns->addWidget(readings_, 1, Qt::AlignTop);
    return row;
}

void LearnerAids::refresh()
{
    keyHelp_->refresh();
    readings_->refresh();
    const char* text = qs9DisplayText();
    if (described_ != QLatin1String(text)) {
        described_ = QString::fromLatin1(text);
        display_->setAccessibleDescription(described_.isEmpty() ? QStringLiteral("Dark") : described_);
    }
}

// Off keeps the display's last picture, which the label's tooltip says.
void LearnerAids::powerChanged(bool on)
{
    switchedOn_ = on;
    wasOn_ = wasOn_ || on;
    power_->setText(on ? QStringLiteral("The instrument is on") : QStringLiteral("The instrument is off"));
    power_->setToolTip(!on && wasOn_ ? QStringLiteral("The display keeps its last picture") : QString());
    power_->setStyleSheet(on ? QString() : QStringLiteral("color: #8a0000"));
    on_->setAccessibleDescription(on ? QStringLiteral("In force") : QString());
    off_->setAccessibleDescription(on ? QString() : QStringLiteral("In force"));
    readings_->powerChanged(on);
    refresh();
}

void LearnerAids::keyPosted(uint8_t key, int status)
{
    pressed_->show(key, status == QS9_OK);
    if (status != QS9_OK)
        panel_->say(QStringLiteral("%1: lost, the instrument takes one key at a time").arg(keyName(key)));
    else if (!switchedOn_)
        panel_->say(QStringLiteral("The instrument is off: press On to switch it on"));
}

void LearnerAids::alarmAcknowledged(const char* text) { panel_->say(QString::fromLatin1(text)); }
